#include "ui/cad_toolbars.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QPixmap>
#include <QToolBar>
#include <QToolButton>
#include <iterator>

#include "cad/palette.h"
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
  // In PickMode order. The point modes come with the construction commands; until then the
  // element commands pick at the cursor or inside a window.
  const char* hints[] = {"Pick End Point",
                         "Pick Intersection",
                         "Pick at Cursor Location",
                         "Pick Mid Point",
                         "Pick Center",
                         "Pick Only Existing Points",
                         "Pick Inside Window",
                         "Pick Closest Point on Element",
                         "Keyboard Input Position"};
  static_assert(static_cast<size_t>(PickMode::kKeyboard) + 1 == std::size(hints));
  Workbench* bench = target.bench;
  for (size_t i = 0; i < bars.pick_modes.size(); ++i) {
    QAction* action = bars.pick_bar->addAction(hints[i]);
    action->setToolTip(hints[i]);
    action->setCheckable(true);
    const auto mode = static_cast<PickMode>(i);
    action->setEnabled(mode == PickMode::kCursor || mode == PickMode::kInsideWindow);
    QObject::connect(action, &QAction::triggered, bars.pick_bar, [bench, mode] {
      if (bench != nullptr) bench->cad.pick_mode = mode;
    });
    bars.pick_group->addAction(action);
    bars.pick_modes[i] = action;
  }
  bars.pick_modes[static_cast<size_t>(PickMode::kCursor)]->setChecked(true);
  if (bench != nullptr) bench->cad.pick_mode = PickMode::kCursor;
  return bars;
}

}  // namespace vormak
