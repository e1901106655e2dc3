#include "ui/main_form.h"
#include "ui/sequence_toolbar.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>

#include "ui/configuration_dialog.h"
#include "ui/configuration_widgets.h"
#include "ui/desktop_shortcuts.h"
#include "ui/drawing_file_actions.h"
#include "ui/file_edit_toolbars.h"
#include "ui/find_replace_dialog.h"
#include "ui/machines_dialog.h"
#include "ui/menu_audit.h"
#include "ui/nc_lexer.h"
#include "ui/plot_run_actions.h"
#include "ui/plot_widget.h"
#include "ui/sci_edit_control.h"
#include "ui/script_window.h"
#include "ui/tool_actions.h"
#include "ui/toolbar_layout.h"
#include "ui/window_state.h"
#include "workbench/command_line.h"
#include "workbench/machine_file.h"

namespace vormak {
namespace {

constexpr int kTwinGap = 5;  // pixels between the two turret panes
// The widest row of toolbars: a 1280-pixel screen less the window's frame.
constexpr int kToolbarRowWidth = 1240;

DrawingFileTarget DrawingFilesOf(TMainForm* form, QWidget* plot) {
  return {&form->bench(), plot, [plot] { plot->update(); }, [form] { form->UpdateCaption(); },
          [form](const std::string& path) { form->AddRecentFile(path); }};
}

}  // namespace

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent), host_(this), bench_(std::make_unique<Workbench>(host_)) {
  setObjectName("MainForm");
  host_.SetMainWindow(this);
  BuildPanes();
  BuildStatusBar();
  // The run commands come first: the View menu lists their toolbars.
  plot_run_ = new PlotRunActions(this, *bench_, paint_box_);
  sequence_ = new SequenceToolbar(*bench_, this);
  BuildMenus();
  AcceptDroppedFiles();
  InstallDrawingFileActions(file_menu_, DrawingFilesOf(this, paint_box_));
  InstallToolActions(this);
  AddDesktopShortcuts(this);
  // Glyphs and two rows of toolbars: every button shows on a 1280-pixel screen.
  BuildFileEditToolbars(this);
  AddMissingToolbars(this);
  ArrangeToolbars(this, kToolbarRowWidth);
  // Every dialog lives as long as the window.
  configuration_ = new TConfiguration(*bench_, this);
  machines_dialog_ = new TMachines(*bench_, this);
  find_replace_ = new TFindReplace(
      host_, [this] { return ActivePane(); }, this);
  BuildToolbox();
  connect(configuration_, &TConfiguration::SettingsApplied, this, [this] {
    ApplySettingsToWindow();
    BuildMachinesMenu();
  });
  connect(machines_dialog_, &TMachines::MachineListChanged, this, &TMainForm::BuildMachinesMenu);
  resize(1000, 700);
  UpdateCaption();
  // Last, once every command set has wired its items: what is still greyed says why.
  MarkWaitingItems(this);
  FillToolbarsMenu();
}

TMainForm::~TMainForm() {
  // Focus moves while the children are torn down; this window no longer follows it.
  disconnect(qApp, nullptr, this, nullptr);
  // The panes die with the window; the workbench must not point at them afterwards.
  bench_->SetPane(1, nullptr);
  bench_->SetPane(2, nullptr);
  delete findChild<Tscript4*>();  // hands pane 3 back to the workbench
  bench_->nctext.focus_pane = nullptr;
  bench_->plot.canvas = nullptr;
}

void TMainForm::BuildPanes() {
  ledit1_ = new SciEditControl;
  ledit1_->setObjectName("LEdit1");
  ledit2_ = new SciEditControl;
  ledit2_->setObjectName("LEdit2");
  bench_->SetPane(1, ledit1_);
  bench_->SetPane(2, ledit2_);
  // Words and comments coloured by the machine's highlight pairs; the lexer is made again
  // whenever a settings load or the Configuration dialog sets the panes' syntax.
  for (SciEditControl* pane : {ledit1_, ledit2_})
    pane->SetNcLexerFactory(MakeNcLexerFactory(bench_->settings));
  bench_->nctext.focus_pane = [this](int pane) {
    if (pane == 1) ledit1_->setFocus();
    if (pane == 2 && ledit2_->isVisible()) ledit2_->setFocus();
  };

  editors_ = new QWidget;
  auto* row = new QHBoxLayout(editors_);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(kTwinGap);
  row->addWidget(ledit1_, 1);
  row->addWidget(ledit2_, 1);
  ledit2_->hide();

  paint_box_ = new PlotWidget(*bench_);
  splitter_ = new QSplitter(Qt::Horizontal, this);
  splitter_->addWidget(editors_);
  splitter_->addWidget(paint_box_);
  splitter_->setStretchFactor(0, 0);
  splitter_->setStretchFactor(1, 1);
  setCentralWidget(splitter_);

  // In twin-turret mode turret B's pane follows turret A's, so paired blocks stay side by side.
  connect(ledit1_, &SciEditControl::VerticallyScrolled, this, [this](int top_line) {
    if (bench_->settings.twin_turrets) ledit2_->SetTopLine(top_line);
  });
  connect(ledit1_, &SciEditControl::Changed, this, &TMainForm::UpdateModifiedPanel);
  connect(ledit2_, &SciEditControl::Changed, this, &TMainForm::UpdateModifiedPanel);
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (now == ledit1_) bench_->active_pane = 1;
    if (now == ledit2_) bench_->active_pane = 2;
  });
}

void TMainForm::BuildStatusBar() {
  const std::pair<const char*, int> panels[] = {
      {"Command", 2},  {"Prompt", 4}, {"Systype", 1}, {"Format", 2},
      {"Modified", 1}, {"Layer", 1},  {"Tool", 1},    {"Tool2", 1},
  };
  for (const auto& [name, stretch] : panels) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(50);
    statusBar()->addWidget(label, stretch);
  }
  Panel("Layer")->setText(QString("Lay %1").arg(bench_->cad.table.current_layer));
  host_.SetPanels(Panel("Command"), Panel("Prompt"));
  host_.SetIdleEscape([this] {
    if (bench_->nctext.reset_run_state) bench_->nctext.reset_run_state();
  });
}

QLabel* TMainForm::Panel(const char* name) const {
  return findChild<QLabel*>(name);
}

EditControl* TMainForm::ActivePane() {
  EditControl* pane = bench_->Pane(bench_->active_pane);
  return pane != nullptr ? pane : bench_->Pane(1);
}

void TMainForm::UpdateCaption() {
  setWindowTitle(Latin1("  [" + bench_->cad_file_name + "] (" + bench_->nc_file_name + ")"));
}

void TMainForm::UpdateModifiedPanel() {
  const bool modified = ledit1_->IsModified() || ledit2_->IsModified();
  Panel("Modified")->setText(modified ? "modified" : "");
}

bool TMainForm::Start(const std::string& program_path, const std::string& argument) {
  bench_->locations = FindLocations(program_path);
  host_.SetInstallDir(bench_->locations.install_dir);
  EnsureMainSettings(bench_->locations);
  LoadMachineList(*bench_);
  ReadRecentFiles();

  const CommandLineRequest request = ParseCommandLine(argument);
  const int machine = request.machine != 0 ? request.machine : 1;
  bench_->machines.current = machine;
  // Named files take the place of the ones the machine would recall.
  bench_->nc_file_name = request.nc_file;
  bench_->cad_file_name = request.cad_file;
  LoadMachineSettings(*bench_, machine);
  ApplySettingsToWindow();
  ApplyPlacement(machine);
  // The divider goes back where it was left, else the machine's share of the placed window.
  const int left_width = bench_->settings.start_edit_width;
  SetEditorWidth(left_width > 0 ? left_width : EditorShareWidth());
  BuildMachinesMenu();
  RestoreToolbars();

  std::string nc_file = request.nc_file;
  std::string nc_dir = bench_->settings.nc_path;
  if (nc_file.empty()) {
    nc_file = FilesToRecall(*bench_).nc_file;
    nc_dir.clear();  // recalled names are stored whole
  }
  bench_->nc_file_name.clear();
  bench_->cad_file_name.clear();
  bool loaded = true;
  if (!nc_file.empty()) loaded = LoadNcFile(ResolveCommandLineFile(nc_file, nc_dir));
  // The drawing's type (CDL, DXF, IGES) and folder follow from its extension.
  if (!request.cad_file.empty()) {
    const std::string drawing = ResolveCommandLineFile(
        request.cad_file, DrawingDirectory(request.cad_file, bench_->settings));
    loaded = LoadCadFile(*bench_, DrawingHooks(), drawing) && loaded;
  }
  UpdateCaption();
  UpdateModifiedPanel();
  return loaded;
}

void TMainForm::ApplyPlacement(int machine) {
  const QScreen* screen =
      this->screen() != nullptr ? this->screen() : QApplication::primaryScreen();
  const QRect area = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
  const WindowPlacement placement =
      RestoreWindowPlacement(*bench_, machine, area.width(), area.height(), isMaximized());
  if (placement.keep_maximized) return;
  if (placement.full_screen) {
    setGeometry(area);
    return;
  }
  // A place saved on a screen that is no longer there (a second monitor, a projector) is
  // brought back where the window can be seen and moved.
  const QRect place =
      PlaceOnAScreen(QRect(placement.left, placement.top, placement.width, placement.height));
  move(place.topLeft());
  resize(place.size());
}

bool TMainForm::ConfirmDiscard() {
  if (!ledit1_->IsModified() && !ledit2_->IsModified()) return true;
  const std::string name = bench_->nc_file_name.empty() ? "New File" : bench_->nc_file_name;
  const Answer answer = host_.Question(
      "Warning - file not saved.\r\nDo you want to save?\r\n\r\nNC File: " + name, "Quit", true);
  if (answer == Answer::kCancel) return false;
  if (answer == Answer::kYes) return SaveNc1Click();
  return true;
}

void TMainForm::StoreSessionSettings() {
  auto& s = bench_->settings;
  s.nc_file = bench_->nc_file_name;
  s.cad_file = bench_->cad_file_name;
  // The same measures the start-up's move and resize take back.
  s.start_left = x();
  s.start_top = y();
  s.start_width = width();
  s.start_height = height();
  s.start_edit_width = EditorWidth();
}

void TMainForm::closeEvent(QCloseEvent* event) {
  host_.SetCommandPanel(" QUIT");
  if (!ConfirmDiscard() || !ConfirmDrawingQuit(DrawingFilesOf(this, paint_box_))) {
    host_.SetCommandPanel("");
    event->ignore();
    return;
  }
  StoreSessionSettings();
  SaveMachineSettings(*bench_);
  SaveSessionSettings(*bench_);
  WriteRecentFiles();
  event->accept();
}

}  // namespace vormak
