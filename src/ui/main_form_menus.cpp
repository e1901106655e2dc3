// The main window's menus. Items whose commands are not in this window yet stand disabled
// with their captions and shortcuts, so the menu reads as it will.
#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QToolBar>

#include <cerrno>
#include "cad/geometry_errors.h"
#include "ui/apt_output_item.h"
#include "ui/bolt_circle_dialog.h"
#include "ui/cad_command_menus.h"
#include "ui/cad_edit_menus.h"
#include "ui/calc_form.h"
#include "ui/cam_actions.h"
#include "ui/comp_nc_dialog.h"
#include "ui/configuration_dialog.h"
#include "ui/configuration_widgets.h"
#include "ui/demo_action.h"
#include "ui/find_replace_dialog.h"
#include "ui/keyboard_macro_actions.h"
#include "ui/help_browser.h"
#include "ui/line_utility_items.h"
#include "ui/main_form.h"
#include "ui/plot_run_actions.h"
#include "ui/plot_status_window.h"
#include "ui/plot_widget.h"
#include "ui/print/print_commands.h"
#include "ui/punch_dialog.h"
#include "ui/rotate_reformat_dialogs.h"
#include "ui/sci_edit_control.h"
#include "ui/script_window.h"
#include "ui/sequence_outline_view.h"
#include "ui/time_dialog.h"
#include "ui/toolbox_window.h"
#include "ui/utility_dialogs.h"

namespace vormak {
namespace {

QAction* Item(QMenu* menu, const char* caption, const QKeySequence& shortcut = {}) {
  QAction* action = menu->addAction(caption);
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  action->setEnabled(false);
  return action;
}

template <typename Handler>
QAction* Item(QMenu* menu, const char* caption, const QKeySequence& shortcut, QObject* receiver,
              Handler handler) {
  QAction* action = Item(menu, caption, shortcut);
  action->setEnabled(true);
  QObject::connect(action, &QAction::triggered, receiver, handler);
  return action;
}

void Items(QMenu* menu, std::initializer_list<const char*> captions) {
  for (const char* caption : captions) Item(menu, caption);
}

// The CAD items act on the window's workbench and repaint its plot window.
CadMenuTarget CadTargetOf(TMainForm* form) {
  CadMenuTarget target;
  target.bench = &form->bench();
  target.view = [form]() -> CadView* { return &form->PaintBox1()->cad_view(); };
  target.refresh = [form] { form->PaintBox1()->update(); };
  target.set_layer_panel = [form](const std::string& text) {
    form->Panel("Layer")->setText(QString::fromStdString(text));
  };
  target.dialog_parent = form;
  target.sync_pick_mode = [form] {
    ShowPickMode(form->cad_toolbars(), form->bench().cad.pick_mode);
  };
  return target;
}

}  // namespace

void TMainForm::BuildMenus() {
  BuildFileMenu();
  BuildEditMenu();
  BuildViewMenu();
  BuildCamMenu();
  BuildCadMenu();
  BuildUtilityMenus();
  BuildHelpMenu();
  // The print commands, To Clipboard and Save Bitmap; Print Bitmap and the clipboard's bitmap
  // take the plot window's picture as it stands.
  auto* print =
      new PrintCommands(*bench_, this, [this] { return paint_box_->canvas().Image().copy(); });
  print->TakeOverMenuItems(menuBar());
}

void TMainForm::BuildFileMenu() {
  file_menu_ = menuBar()->addMenu("&File");
  QMenu* plot = file_menu_->addMenu("&Plot Window");
  Item(plot, "&Load CAD", Qt::Key_F7);
  Item(plot, "&Save CAD", Qt::ALT | Qt::Key_F7);
  Items(plot, {"Save &As..", "&Merge...", "&Print CAD", "Print &Bitmap"});
  Items(plot->addMenu("To &Clipboard"), {"Wmf-&All", "Wmf-&Group", "&Bitmap"});
  Items(plot, {"Save Bitmap", "&New", "&Get Tool...", "Save &Tool", "Save Tool As..."});

  QMenu* edit = file_menu_->addMenu("&Edit Window");
  Item(edit, "&Load NC...", Qt::Key_F6, this, [this] { LoadNc1Click(); });
  Item(edit, "&Save NC", Qt::CTRL | Qt::Key_F6, this, [this] { SaveNc1Click(); });
  Item(edit, "Save &As...", Qt::ALT | Qt::Key_A, this, [this] { SaveAs1Click(); });
  Item(edit, "Save Selec&t...", {}, this, [this] { SaveSelect1Click(); });
  Item(edit, "&Merge...", Qt::ALT | Qt::Key_F8, this, [this] { Merge1Click(); });
  Item(edit, "&Print NC", Qt::ALT | Qt::Key_F10);
  Item(edit, "Print &W/Tools", Qt::CTRL | Qt::Key_F10);
  Item(edit, "Print &Editor");
  macro_out_menu_ = edit->addMenu("Macro &Out");
  Items(macro_out_menu_, {"&Absolute", "&Incremental"});

  Item(file_menu_, "Se&t Printer...");
  // The script window is made the first time it is asked for and then only hidden.
  Item(file_menu_, "&Script...", {}, this, [this] {
    auto* window = findChild<Tscript4*>();
    if (!window) window = new Tscript4(*bench_, this);
    window->show();
    window->raise();
  });
  QMenu* keys = file_menu_->addMenu("&Keyboard Macro");
  Item(keys, "&Start Recording");
  Item(keys, "&End Recording", Qt::CTRL | Qt::Key_F4);
  Item(keys, "&Play", Qt::Key_F4);
  Items(keys, {"&Until Breakpoint", "S&ave...", "&Load...", "Play Demo"});
  macros_ = new KeyboardMacroActions(*bench_, keys, ledit1_, ledit2_, this);
  AddPlayDemoItem(keys, *this);
  recent_menu_ = file_menu_->addMenu("&Recent Files");
  BuildRecentMenu();
  Item(file_menu_, "Con&figuration...", {}, this, [this] { Configuration1Click(); });
  Item(file_menu_, "E&xit", Qt::ALT | Qt::Key_F4, this, [this] { close(); });
  formats_action_ = Item(file_menu_, "&Formats...", {}, this, [this] { Formats1Click(); });
  machine_group_ = new QActionGroup(this);
  machine_group_->setExclusive(true);
}

void TMainForm::BuildEditMenu() {
  QMenu* menu = menuBar()->addMenu("&Edit");
  Item(menu, "&Undo", Qt::CTRL | Qt::Key_Z, this, [this] { ActivePane()->Undo(); });
  Item(menu, "&Redo", {}, this, [this] { ActivePane()->Redo(); });
  Item(menu, "C&ut", Qt::CTRL | Qt::Key_X, this, [this] { ActivePane()->Cut(); });
  Item(menu, "&Copy", Qt::CTRL | Qt::Key_C, this, [this] { ActivePane()->Copy(); });
  Item(menu, "&Paste", Qt::CTRL | Qt::Key_V, this, [this] { ActivePane()->Paste(); });
  Item(menu, "&Select All", Qt::CTRL | Qt::Key_A, this, [this] { ActivePane()->SelectAll(); });
  Item(menu, "&Delete", {}, this, [this] { ActivePane()->DeleteSelection(); });
  Item(menu, "F&ont...", {}, this, [this] { Font1Click(); });
  Item(menu, "&New", {}, this, [this] { New1Click(); });
  QMenu* bookmarks = menu->addMenu("Bookmarks");
  Item(bookmarks, "On", {}, this, [this] { BookmarkOnClick(); });
  Item(bookmarks, "Off", {}, this, [this] { BookmarkOffClick(); });
  Item(bookmarks, "Remove All", {}, this, [this] { BookmarkRemoveAllClick(); });
  Item(menu, "Undo All", {}, this, [this] { UndoAllClick(); });
  Item(menu, "&Find/Replace", Qt::Key_F5, this, [this] {
    find_replace_->show();
    find_replace_->raise();
  });
  Item(menu, "Find &Again", Qt::ALT | Qt::Key_F5, this, [this] {
    // The window keeps the keyboard: searching again from the pane goes on from its caret.
    find_replace_->FindAgain();
  });
  // The panes' own keys (Ctrl+Z, Ctrl+X ...) stay with the pane that has the focus.
  for (QAction* action : menu->actions()) action->setShortcutContext(Qt::WindowShortcut);
}

void TMainForm::BuildViewMenu() {
  QMenu* menu = menuBar()->addMenu("&View");
  view_actions_ = BuildViewActions(this, paint_box_);
  cad_toolbars_ = BuildCadToolbars(this, CadTargetOf(this));
  connect(cad_toolbars_.record_toolpath, &QAction::triggered, this,
          &TMainForm::RecordToolpathClick);
  solid_action_ = Item(menu, "&Solid", Qt::ALT | Qt::Key_F3, this,
                       [this] { SolidClick(!bench_->interp.motion.solid_view); });
  solid_action_->setCheckable(true);
  // The Time dialog switches the solid view off behind the menu's back: the item switches the
  // view as it is, and its tick is brought up to date when the menu opens.
  connect(menu, &QMenu::aboutToShow, this,
          [this] { solid_action_->setChecked(bench_->interp.motion.solid_view); });
  // Items placed by FillViewMenu move to their places in the menu.
  FillViewMenu(menu, view_actions_, MakeLayersAction(menu, CadTargetOf(this)), solid_action_,
               MakeResetViewAction(menu, CadTargetOf(this)), Item(menu, "&Animation", Qt::Key_F8));
  toolbars_menu_ = menu->addMenu("&Toolbars");
  // Listed afresh each time: toolbars added by any command set (CAM, sequence ...) appear too.
  connect(toolbars_menu_, &QMenu::aboutToShow, this, &TMainForm::FillToolbarsMenu);
}

void TMainForm::FillToolbarsMenu() {
  toolbars_menu_->clear();
  for (QToolBar* bar : findChildren<QToolBar*>(Qt::FindDirectChildrenOnly)) {
    QAction* check = bar->toggleViewAction();
    check->setText(bar->windowTitle());
    toolbars_menu_->addAction(check);
  }
}

void TMainForm::BuildCamMenu() {
  QMenu* menu = menuBar()->addMenu("CA&M");
  Item(menu, "&Point", Qt::ALT | Qt::Key_P);
  Item(menu, "&Tangent", Qt::ALT | Qt::Key_T);
  Item(menu, "&Arc");  // Alt+A belongs to Save As
  Item(menu, "Arc Intersect");
  Item(menu, "&Intersection", Qt::CTRL | Qt::Key_I);
  Item(menu, "Corne&r", Qt::ALT | Qt::Key_R);
  Item(menu, "Tan&gent-Point", Qt::ALT | Qt::Key_G);
  Item(menu, "Tangent-&Drag", Qt::ALT | Qt::Key_D);
  Item(menu, "Contour...", Qt::ALT | Qt::Key_C);
  Item(menu, "&Offset...", Qt::ALT | Qt::Key_O);
  AddCompensationItems(nullptr, menu, *bench_, this);
  Items(menu, {"Corn&er Radius...", "&Load Tool...", "Plot &Status...", "Calc&ulator..."});
  AddCamActions(this, menu, plot_run_->insert_bar, CadTargetOf(this));
  AddPlotStatusItem(menu, *bench_, this);
  AddCalculatorItem(menu, *bench_, this);
  menu->addSeparator();
  for (auto& action : custom_actions_) {
    action = Item(menu, "---");
    connect(action, &QAction::triggered, this, [this, action] {
      // A program that is not there is said so rather than passed over.
      if (!host_.StartProgram(Bytes(action->data().toString()))) {
        ReportSystemFileError(host_, ENOENT);
      }
    });
  }
}

void TMainForm::BuildCadMenu() {
  QMenu* menu = menuBar()->addMenu("&CAD");
  AddCadCommandMenus(menu, CadTargetOf(this));
  AddCadEditMenus(menu, CadTargetOf(this));
}

void TMainForm::BuildUtilityMenus() {
  QMenu* utilities1 = menuBar()->addMenu("Utilities&1");
  Items(utilities1,
        {"&Change Value...", "Shift &NC...", "&Print Columns...", "P&unch/Read", "R&eformat...",
         "Re&move Address...", "Re&number...", "&Rotate NC...", "&Scale NC...", "S&witch X Y Z...",
         "Switch A&ddress...", "Ord&er NC...", "Comp NC...", "Print Tool List..."});
  AddPunchReadItem(utilities1, *bench_, this);
  AddUtilityItems(utilities1, *bench_, this);
  AddRotateReformatItems(utilities1, *bench_, this);
  AddCompensationItems(utilities1, nullptr, *bench_, this);
  QMenu* utilities2 = menuBar()->addMenu("Utilities&2");
  Items(utilities2, {"&Time...", "&Remove Time", "&Add Spaces", "&Comment", "&Uncomment",
                     "Remove &Blanks", "&Print To Scale...", "Re&verse Lines", "Remove &Spaces"});
  Item(utilities2, "Check Synta&x", {}, this, [this] { CheckSyntax1Click(); });
  Items(utilities2, {"&Break Arcs", "APT Output", "Line up P#", "Macro Out...", "Bolt Circle.."});
  AddTimeItems(utilities2, macro_out_menu_, *bench_, this);
  AddAptOutputItem(utilities2, *bench_);
  AddLineUtilityItems(utilities2, *bench_, this);
  AddBoltCircleItem(utilities2, *bench_, this);
  outline_ = new SequenceOutlineView(*bench_, this);
  addDockWidget(Qt::LeftDockWidgetArea, outline_);
  outline_->hide();
  AddLineUpItem(utilities2, *bench_, outline_);
}

void TMainForm::BuildToolbox() {
  Tinput_nc::Hooks hooks;
  hooks.macros = macros_;
  hooks.configure = [this] {
    configuration_->ShowToolboxPageFirst();
    Configuration1Click();
  };
  hooks.run_script = [this](const std::string& name) {
    auto* window = findChild<Tscript4*>();
    if (!window) window = new Tscript4(*bench_, this);
    window->show();
    window->RunFile(bench_->settings.script_path + "/" + name + ".scr");
  };
  toolbox_ = new Tinput_nc(*bench_, std::move(hooks), this);
  if (QAction* button = cad_toolbars_.tool_box) {
    button->setEnabled(true);
    connect(button, &QAction::triggered, this, [this] {
      toolbox_->show();
      toolbox_->raise();
    });
  }
}

void TMainForm::BuildHelpMenu() {
  QMenu* menu = menuBar()->addMenu("&Help");
  auto help = [this](const char* file, const char* topic) {
    return [this, file, topic] { host_.OpenHelp(file, topic); };
  };
  Item(menu, "&Index", Qt::ALT | Qt::Key_H, this, help("vormak2.hlp", "IDH_CONTENTS"));
  Item(menu, "&Shortcuts", {}, this, help("vormak2.hlp", "IDH_Accelerators"));
  Item(menu, "&Utilities", {}, this, help("vormak2.hlp", "IDH_Utilities"));
  Item(menu, "Comment Codes", {}, this, help("vormak2.hlp", "IDH_Comment_Code"));
  Item(menu, "&Tutorial", {}, this, help("vortutor.hlp", "IDH_LOAD_CAD_FILE"));
  Item(menu, "&About", {}, this, [this] { QMessageBox::about(this, "About Vormak", AboutText()); });
}

void TMainForm::BuildMachinesMenu() {
  for (QAction* action : machine_group_->actions()) {
    file_menu_->removeAction(action);
    delete action;
  }
  const auto menu_actions = file_menu_->actions();
  const qsizetype formats_at = menu_actions.indexOf(formats_action_);
  QAction* before = formats_at + 1 < menu_actions.size() ? menu_actions[formats_at + 1] : nullptr;
  for (int machine = 1; machine <= kMachineSlots; ++machine) {
    const auto& slot = bench_->machines.Slot(machine);
    if (slot.path.empty()) continue;
    auto* action = new QAction(QString("&%1. %2").arg(machine).arg(Latin1(slot.name)), this);
    action->setCheckable(true);
    action->setChecked(machine == bench_->machines.current);
    action->setData(machine);
    machine_group_->addAction(action);
    file_menu_->insertAction(before, action);
    connect(action, &QAction::triggered, this, [this, machine] { SelectMachine(machine); });
  }
}

QAction* TMainForm::MachineAction(int machine) const {
  for (QAction* action : machine_group_->actions()) {
    if (action->data().toInt() == machine) return action;
  }
  return nullptr;
}

}  // namespace vormak
