#pragma once
// The main window: the two editor panes, the plot window, the status panels and the menus
// through which every command is reached.

#include <QMainWindow>
#include <array>
#include <memory>
#include <string>

#include "cad/drawing_commands.h"
#include "ncfiles/nc_files.h"
#include "ncfiles/recent_files.h"
#include "ui/cad_toolbars.h"
#include "ui/qt_host.h"
#include "ui/view_actions.h"
#include "workbench/workbench.h"

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QSplitter;

namespace vormak {

class PlotRunActions;
class PlotWidget;
class SequenceOutlineView;
class KeyboardMacroActions;
class Tinput_nc;
class SequenceToolbar;
class SciEditControl;
class TConfiguration;
class TFindReplace;
class TMachines;

class TMainForm : public QMainWindow {
  Q_OBJECT
 public:
  explicit TMainForm(QWidget* parent = nullptr);
  ~TMainForm() override;

  // The start-up: settings folders, machines list, the machine and files named by the
  // command-line argument, the window placement. False when a file named on the command line
  // could not be loaded.
  bool Start(const std::string& program_path, const std::string& argument);

  Workbench& bench() { return *bench_; }
  QtHost& host() { return host_; }
  SciEditControl* LEdit1() const { return ledit1_; }
  SciEditControl* LEdit2() const { return ledit2_; }
  PlotWidget* PaintBox1() const { return paint_box_; }
  SequenceOutlineView* Outline1() const { return outline_; }
  KeyboardMacroActions* KeyboardMacros() const { return macros_; }
  Tinput_nc* Toolbox() const { return toolbox_; }
  SequenceToolbar* Sequence() const { return sequence_; }
  const ViewActions& view_actions() const { return view_actions_; }
  const CadToolbars& cad_toolbars() const { return cad_toolbars_; }
  PlotRunActions* plot_run_actions() const { return plot_run_; }
  QAction* SolidAction() const { return solid_action_; }
  TConfiguration* Configuration() const { return configuration_; }
  TMachines* Machines() const { return machines_dialog_; }
  QLabel* Panel(const char* name) const;
  QMenu* MachinesMenuOwner() const { return file_menu_; }
  QAction* MachineAction(int machine) const;

  // Commands of the menus, named after their items.
  bool LoadNc1Click();
  bool LoadNcFile(const std::string& path);
  bool SaveNc1Click();
  bool SaveAs1Click();
  bool SaveSelect1Click();
  bool Merge1Click();
  void CheckSyntax1Click();
  // Recent files: a path goes to the top of the File menu's list; choosing one loads it.
  void AddRecentFile(const std::string& path);
  void RecentFileClick(const std::string& path);
  const RecentFiles& recent_files() const { return recent_files_; }
  // A dropped file: a name holding ".CDL" loads a drawing, any other an NC program.
  bool DropFile(const std::string& path);
  QMenu* RecentMenu() const { return recent_menu_; }
  void Configuration1Click();
  void Formats1Click();
  void SelectMachine(int machine);
  void Font1Click();
  void New1Click();
  void BookmarkOnClick();
  void BookmarkOffClick();
  void BookmarkRemoveAllClick();
  void UndoAllClick();
  // Cad toolbar "Record Toolpath": the old recorded path goes, the program runs with
  // recording on (Run All, or Run Selected Text when more than one line is selected).
  void RecordToolpathClick();
  // View menu "&Solid": the solid view on or off, then the plot window redrawn.
  void SolidClick(bool on);

  // Shows the settings in the window: fonts and colours of the panes, pane 2, the system
  // type and machine panels, icon, plot background, menu captions.
  void ApplySettingsToWindow();
  void BuildMachinesMenu();
  void UpdateCaption();
  void UpdateModifiedPanel();
  EditControl* ActivePane();
  // The editor side's width in pixels (both panes and the gap between them in twin mode).
  int EditorWidth() const;
  void SetEditorWidth(int editor_width);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  // Files dropped on the window or on an editor pane are loaded, not pasted as text.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildPanes();
  void BuildStatusBar();
  void BuildMenus();
  void BuildFileMenu();
  void BuildEditMenu();
  void BuildViewMenu();
  void BuildCamMenu();
  void BuildCadMenu();
  void BuildUtilityMenus();
  void BuildHelpMenu();
  // The toolbox window and the Cad toolbar's "Tool Box" button that shows it.
  void BuildToolbox();
  void FillToolbarsMenu();
  void ApplyPlacement(int machine);
  // The editor side's width from the machine's "% of Window" share.
  int EditorShareWidth() const;
  // The run of "Record Toolpath" while recording is on; `selected_text`: Run Selected Text,
  // else Run All.
  // The Quit dialog for a modified pane: true when the close (or New) may go ahead.
  bool ConfirmDiscard();
  void StoreSessionSettings();
  NcFileHooks NcHooks();
  DrawingCommandHooks DrawingHooks();
  void BuildRecentMenu();
  void AcceptDroppedFiles();
  void ReadRecentFiles();
  void RestoreToolbars();
  void WriteRecentFiles();

  QtHost host_;
  std::unique_ptr<Workbench> bench_;
  SciEditControl* ledit1_ = nullptr;
  SciEditControl* ledit2_ = nullptr;
  QWidget* editors_ = nullptr;
  QSplitter* splitter_ = nullptr;
  long long applied_edit_share_ = -1;  // the share the editor side was last laid out to
  int pending_editor_width_ = -1;      // for the first show
  PlotWidget* paint_box_ = nullptr;
  SequenceOutlineView* outline_ = nullptr;
  KeyboardMacroActions* macros_ = nullptr;
  Tinput_nc* toolbox_ = nullptr;
  SequenceToolbar* sequence_ = nullptr;
  ViewActions view_actions_;
  CadToolbars cad_toolbars_;
  PlotRunActions* plot_run_ = nullptr;
  QMenu* macro_out_menu_ = nullptr;
  QAction* solid_action_ = nullptr;
  TConfiguration* configuration_ = nullptr;
  TMachines* machines_dialog_ = nullptr;
  TFindReplace* find_replace_ = nullptr;
  QMenu* file_menu_ = nullptr;
  QMenu* recent_menu_ = nullptr;
  QMenu* toolbars_menu_ = nullptr;
  RecentFiles recent_files_;
  QAction* formats_action_ = nullptr;
  QActionGroup* machine_group_ = nullptr;
  std::array<QAction*, kCustomPrograms> custom_actions_{};
};

}  // namespace vormak
