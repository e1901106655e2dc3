#include "ui/cad_toolbars.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QPixmap>
#include <QToolBar>
#include <QToolButton>
#include <iterator>

#include "cad/cad_command_menu.h"
#include "cad/cad_session.h"
#include "cad/palette.h"
#include "cad/point_input.h"
#include "plot/plot_cad_view.h"
#include "workbench/workbench.h"

namespace vormak {

const std::array<NamedColour, 16> kColourChoices{{
    {"Black", palette::kBlack},
    {"Navy", palette::kNavy},
    {"Green", palette::kGreen},
    {"SkyBlue", palette::kSkyBlue},
    {"DarkRed", palette::kDarkRed},
    {"Purple", palette::kPurple},
    {"Brown", palette::kBrown},
    {"Silver", palette::kSilver},
    {"Gray", palette::kGray},
    {"Blue", palette::kBlue},
    {"Lime", palette::kLime},
    {"Aqua", palette::kAqua},
    {"Red", palette::kRed},
    {"Magenta", palette::kMagenta},
    {"Yellow", palette::kYellow},
    {"White", palette::kWhite},
}};

namespace {

QIcon Swatch(std::int32_t colour) {
  QPixmap pixmap(16, 16);
  pixmap.fill(QColor::fromRgb(CanvasRgb(colour)));
  return QIcon(pixmap);
}

QToolBar* Bar(QMainWindow* window, const char* caption) {
  QToolBar* bar = window->addToolBar(caption);
  bar->setObjectName(caption);
  return bar;
}

QToolButton* ColourButton(QToolBar* bar, Workbench* bench) {
  auto* button = new QToolButton(bar);
  button->setObjectName("CadColour");
  button->setPopupMode(QToolButton::InstantPopup);
  auto* menu = new QMenu(button);
  const auto show = [button](std::int32_t colour) {
    button->setIcon(Swatch(colour));
    for (const auto& choice : kColourChoices) {
      if (choice.colour == colour) button->setToolTip(QString("Color: ") + choice.name);
    }
  };
  for (const auto& choice : kColourChoices) {
    QAction* item = menu->addAction(Swatch(choice.colour), choice.name);
    const std::int32_t colour = choice.colour;
    QObject::connect(item, &QAction::triggered, button, [bench, colour, show] {
      if (bench != nullptr) bench->cad.table.current_colour = colour;
      show(colour);
    });
  }
  // A colour set elsewhere (a drawing loaded, a script) shows when the menu opens.
  QObject::connect(menu, &QMenu::aboutToShow, button, [bench, show] {
    if (bench != nullptr) show(bench->cad.table.current_colour);
  });
  button->setMenu(menu);
  show(bench != nullptr ? bench->cad.table.current_colour : palette::kWhite);
  bar->addWidget(button);
  return button;
}

}  // namespace

namespace {

// "Keyboard Input Position" with a command waiting: the Key In dialog at once, its point
// taken as a pick, and the mode back at the cursor.
void KeyInPoint(Workbench& bench, const CadMenuTarget& target, QActionGroup* group) {
  if (!bench.cad.commands.Running()) return;
  PlotCadView own(bench);
  CadView* view = target.view ? target.view() : &own;
  if (view == nullptr) return;
  CadContext context = CadContextOf(bench, *view);
  const std::optional<Point> point = AskKeyIn(context);
  bench.cad.pick_mode = PickMode::kCursor;
  if (point) CadKeyIn(bench, *view, *point);
  group->actions().at(static_cast<qsizetype>(PickMode::kCursor))->setChecked(true);
  if (target.refresh) target.refresh();
}

}  // namespace

void ShowPickMode(const CadToolbars& bars, PickMode mode) {
  QAction* action = bars.pick_modes[static_cast<size_t>(mode)];
  if (action != nullptr) action->setChecked(true);
}

CadToolbars BuildCadToolbars(QMainWindow* window, const CadMenuTarget& target) {
  CadToolbars bars;
  bars.cad_bar = Bar(window, "Cad");
  bars.cad_bar->addActions(MakeCadToolbarActions(bars.cad_bar, target));
  bars.record_toolpath = bars.cad_bar->addAction("Record Toolpath");
  bars.record_toolpath->setToolTip("Record Toolpath");
  bars.tool_box = bars.cad_bar->addAction("Tool Box");
  bars.tool_box->setToolTip("Tool Box");
  bars.tool_box->setEnabled(false);  // until the toolbox window is built
  bars.colour_button = ColourButton(bars.cad_bar, target.bench);

  bars.pick_bar = Bar(window, "Pick");
  bars.pick_group = new QActionGroup(bars.pick_bar);
  bars.pick_group->setExclusive(true);
  Workbench* bench = target.bench;
  for (size_t i = 0; i < bars.pick_modes.size(); ++i) {
    const auto mode = static_cast<PickMode>(i);
    QAction* action = bars.pick_bar->addAction(PickModeHint(mode));
    action->setToolTip(PickModeHint(mode));
    action->setCheckable(true);
    QActionGroup* group = bars.pick_group;
    QObject::connect(action, &QAction::triggered, bars.pick_bar, [bench, mode, target, group] {
      if (bench == nullptr) return;
      bench->cad.pick_mode = mode;
      if (mode == PickMode::kKeyboard) KeyInPoint(*bench, target, group);
    });
    bars.pick_group->addAction(action);
    bars.pick_modes[i] = action;
  }
  bars.pick_modes[static_cast<size_t>(PickMode::kCursor)]->setChecked(true);
  if (bench != nullptr) bench->cad.pick_mode = PickMode::kCursor;
  return bars;
}

}  // namespace vormak
