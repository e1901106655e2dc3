#include "ui/cam_actions.h"

#include <QAction>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include "cad/cad_session.h"
#include "cam/cam_commands.h"
#include "cam/contour.h"
#include "cam/lathe_rough.h"
#include "interp/interp_state.h"
#include "plot/plot_cad_view.h"
#include "settings/number_text.h"
#include "ui/comp_nc_dialog.h"
#include "ui/configuration_widgets.h"
#include "ui/menu_dialogs.h"
#include "ui/toolbar_layout.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

// Starts a command in the plot window as the CAD items do.
void StartIn(const CadMenuTarget& target, std::unique_ptr<PickCommand> command) {
  if (target.bench == nullptr || command == nullptr) return;
  PlotCadView own(*target.bench);
  CadView* view = target.view ? target.view() : &own;
  if (view == nullptr) return;
  StartCadCommand(*target.bench, *view, std::move(command));
  if (target.sync_pick_mode) target.sync_pick_mode();
  if (target.refresh) target.refresh();
}

QString Number(double value) {
  return Latin1(PlainNumberText(value));
}

}  // namespace

TContour::TContour(const CadMenuTarget& target, QWidget* parent)
    : QDialog(parent), target_(target) {
  setWindowTitle("Contour");
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  auto* sides = new QHBoxLayout;
  left_button = new QRadioButton("Left", this);
  right_button = new QRadioButton("Right", this);
  left_button->setChecked(true);
  sides->addWidget(left_button);
  sides->addWidget(right_button);
  layout->addLayout(sides);
  auto* form = new QFormLayout;
  stock_box = new QCheckBox("Leave Stock:", this);
  stock_edit = new QLineEdit("0", this);
  form->addRow(stock_box, stock_edit);
  radius_edit = new QLineEdit(this);
  form->addRow("Tool Radius:", radius_edit);
  layout->addLayout(form);
  auto* buttons = new QGridLayout;
  auto* pick = new QPushButton("Pick Contour", this);
  auto* end = new QPushButton("End Entity", this);
  end_label = new QLabel("End=Off", this);
  auto* insert = new QPushButton("Insert", this);
  auto* close = new QPushButton("Close", this);
  buttons->addWidget(pick, 0, 0);
  buttons->addWidget(end, 0, 1);
  buttons->addWidget(end_label, 0, 2);
  buttons->addWidget(insert, 1, 0);
  buttons->addWidget(close, 1, 1);
  layout->addLayout(buttons);
  text = new QPlainTextEdit(this);
  text->setReadOnly(true);
  text->setMinimumHeight(140);
  layout->addWidget(text);
  connect(pick, &QPushButton::clicked, this, [this] { PickContourClick(); });
  connect(end, &QPushButton::clicked, this, [this] { EndEntityClick(); });
  connect(insert, &QPushButton::clicked, this, [this] { InsertClick(); });
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  // The chain grows with the picks made in the plot window.
  refresh_ = new QTimer(this);
  refresh_->setInterval(200);
  connect(refresh_, &QTimer::timeout, this, [this] { Refresh(); });
}

void TContour::showEvent(QShowEvent* event) {
  Workbench& bench = *target_.bench;
  radius_edit->setText(
      Number(bench.tools.Current().nose_radius +
             bench.interp.comp.radius_offset[ToolShapes::Index(bench.tools.current_turret)]));
  refresh_->start();
  Refresh();
  QDialog::showEvent(event);
}

void TContour::Refresh() {
  Workbench& bench = *target_.bench;
  const EditControl* pane = bench.Pane(kContourPane);
  const QString now = pane ? Latin1(pane->GetText()) : QString();
  if (text->toPlainText() != now) text->setPlainText(now);
  end_label->setText(Latin1(EndEntityText(bench)));
}

void TContour::PickContourClick() {
  Workbench& bench = *target_.bench;
  ContourChoices& c = bench.cam.contour;
  c.right = right_button->isChecked();
  c.leave_stock = stock_box->isChecked();
  c.stock = c.leave_stock ? ValueOf(stock_edit) : 0;
  c.tool_radius = ValueOf(radius_edit);
  StartIn(target_, MakeContourCommand(bench));
  Refresh();
}

void TContour::EndEntityClick() {
  Workbench& bench = *target_.bench;
  bench.host().SetPromptPanel("Pick Ending Entity");
  StartIn(target_, MakeEndEntityCommand(bench));
  Refresh();
}

void TContour::InsertClick() {
  Workbench& bench = *target_.bench;
  CadEscape(bench);
  InsertContour(bench);
  if (target_.refresh) target_.refresh();
  Refresh();
}

TLathe_Rough::TLathe_Rough(const CadMenuTarget& target, QWidget* parent)
    : QDialog(parent), target_(target) {
  setWindowTitle("Lathe Rough");
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  auto* pick_z = new QPushButton("1. Pick Z", this);
  layout->addWidget(pick_z);
  auto* form = new QFormLayout;
  const RoughChoices& r = target_.bench->cam.rough;
  min_edit = new QLineEdit(Number(r.min_depth), this);
  max_edit = new QLineEdit(Number(r.max_depth), this);
  form->addRow("Min Depth:", min_edit);
  form->addRow("Max Depth", max_edit);
  layout->addLayout(form);
  auto* pick_element = new QPushButton("2. Pick Element", this);
  layout->addWidget(pick_element);
  auto* close = new QPushButton("Close", this);
  layout->addWidget(close);
  connect(pick_z, &QPushButton::clicked, this, [this] { PickZClick(); });
  connect(pick_element, &QPushButton::clicked, this, [this] { PickElementClick(); });
  connect(close, &QPushButton::clicked, this, &QDialog::close);
}

void TLathe_Rough::PickZClick() {
  StartIn(target_, MakeStockBoundaryCommand(*target_.bench));
}

void TLathe_Rough::PickElementClick() {
  RoughChoices& r = target_.bench->cam.rough;
  double lo = ValueOf(min_edit), hi = ValueOf(max_edit);
  if (lo > hi) {
    std::swap(lo, hi);
    min_edit->setText(Number(lo));
    max_edit->setText(Number(hi));
  }
  r.min_depth = lo;
  r.max_depth = hi;
  StartIn(target_, MakeRoughingCommand(*target_.bench));
}

TCorner_Radius::TCorner_Radius(Workbench& bench, QWidget* parent) : QDialog(parent), bench_(bench) {
  setWindowTitle("Corner Radius");
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  radius_edit = new QLineEdit(this);
  form->addRow("Corner Radius:", radius_edit);
  layout->addLayout(form);
  layout->addWidget(OkCancel(this, [this] { OKClick(); }));
}

void TCorner_Radius::showEvent(QShowEvent* event) {
  radius_edit->setText(Number(bench_.settings.corner_radius));
  QDialog::showEvent(event);
}

void TCorner_Radius::OKClick() {
  bench_.settings.corner_radius = ValueOf(radius_edit);
  accept();
}

void ShowToolOffsetPicture(const CamActions& actions, const Workbench& bench) {
  if (actions.tool_offset == nullptr) return;
  const double offset =
      bench.interp.comp.radius_offset[ToolShapes::Index(bench.tools.current_turret)];
  actions.tool_offset->setIcon(
      ToolbarGlyph(offset > 0 ? "Change Tool Offset On" : "Change Tool Offset"));
}

CamActions AddCamActions(QMainWindow* window, QMenu* cam_menu, QToolBar* insert_bar,
                         const CadMenuTarget& target) {
  CamActions actions;
  Workbench& bench = *target.bench;
  const auto action_named = [cam_menu](const QString& caption) -> QAction* {
    for (QAction* a : cam_menu->actions()) {
      if (a->text() == caption) return a;
    }
    return nullptr;
  };
  actions.cam_bar = window->addToolBar("Cam");
  actions.cam_bar->setObjectName("Cam");
  for (const CamMenuCommand& entry : CamMenuCommands()) {
    const std::string code = entry.code;
    const auto start = [target, code] { StartIn(target, MakeCamCommand(*target.bench, code)); };
    if (QAction* item = entry.item.empty() ? nullptr : action_named(Latin1(entry.item))) {
      item->setEnabled(true);
      QObject::connect(item, &QAction::triggered, cam_menu, start);
    }
    if (!entry.button.empty()) {
      QAction* button = actions.cam_bar->addAction(Latin1(entry.button));
      button->setToolTip(Latin1(entry.button));
      QObject::connect(button, &QAction::triggered, actions.cam_bar, start);
    }
  }
  // The Tool Radius Offset dialog, also from the toolbar, whose picture shows an offset.
  actions.tool_offset = actions.cam_bar->addAction("Change Tool Offset");
  actions.tool_offset->setToolTip("Change Tool Offset");
  auto* offset_dialog = new TTool_Offset(bench, window);
  const CamActions shown = actions;
  QObject::connect(actions.tool_offset, &QAction::triggered, window,
                   [offset_dialog, shown, &bench] {
                     offset_dialog->exec();
                     ShowToolOffsetPicture(shown, bench);
                   });
  QObject::connect(offset_dialog, &QDialog::finished, window,
                   [shown, &bench] { ShowToolOffsetPicture(shown, bench); });

  actions.auto_insert = insert_bar->addAction("Auto Insert");
  actions.auto_insert->setToolTip("Auto Insert");
  actions.auto_insert->setObjectName("AutoInsert");
  actions.auto_insert->setCheckable(true);
  QObject::connect(actions.auto_insert, &QAction::toggled, insert_bar,
                   [&bench](bool on) { bench.cam.auto_insert = on; });

  auto* contour = new TContour(target, window);
  const auto show_contour = [contour] {
    contour->show();
    contour->raise();
  };
  if (QAction* item = action_named("Contour...")) {
    item->setEnabled(true);
    QObject::connect(item, &QAction::triggered, window, show_contour);
  }
  // The Contour button stands next to Tool Tangent.
  auto* contour_button = new QAction("Contour", actions.cam_bar);
  contour_button->setToolTip("Contour");
  const QList<QAction*> buttons = actions.cam_bar->actions();
  actions.cam_bar->insertAction(buttons.size() > 2 ? buttons[2] : nullptr, contour_button);
  QObject::connect(contour_button, &QAction::triggered, window, show_contour);
  auto* rough = new TLathe_Rough(target, window);
  QAction* rough_item = cam_menu->addAction("Lathe Rough...");
  QObject::connect(rough_item, &QAction::triggered, window, [rough] {
    rough->show();
    rough->raise();
  });
  OpenDialogFrom<TCorner_Radius>(cam_menu, "Corn&er Radius...", bench, window);
  ShowToolOffsetPicture(actions, bench);
  return actions;
}

}  // namespace vormak
