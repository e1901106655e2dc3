#include "ui/apt_output_item.h"

#include <QMenu>

#include "interp/apt_command.h"

namespace vormak {

void AddAptOutputItem(QMenu* utilities2, Workbench& bench) {
  if (utilities2 == nullptr) return;
  for (QAction* item : utilities2->actions()) {
    if (item->text() != "APT Output") continue;
    item->setEnabled(true);
    QObject::connect(item, &QAction::triggered, utilities2, [&bench] { AptOutputCommand(bench); });
  }
}

}  // namespace vormak
