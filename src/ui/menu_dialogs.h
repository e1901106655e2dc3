#pragma once
// A menu item that opens one dialog of the window: the dialog is made on first use and kept.

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <functional>

#include "nctext/expression.h"
#include "ui/configuration_widgets.h"

namespace vormak {

class Workbench;

// The number in an edit box, expressions allowed; 0 when it is not one.
inline double ValueOf(const QLineEdit* edit) {
  const EvalResult r = EvaluateText(Bytes(edit->text()));
  return r.failed() ? 0.0 : r.value;
}

// OK runs `ok` (which closes the dialog when it is done), Cancel closes it.
inline QDialogButtonBox* OkCancel(QDialog* dialog, const std::function<void()>& ok) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, ok);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}

// The item `caption` of `menu` (added when the menu does not hold it yet) is enabled and opens
// `Dialog(bench, parent)` modally.
template <class Dialog>
void OpenDialogFrom(QMenu* menu, const char* caption, Workbench& bench, QWidget* parent) {
  if (menu == nullptr) return;
  QAction* item = nullptr;
  for (QAction* a : menu->actions()) {
    if (a->text() == caption) item = a;
  }
  if (item == nullptr) item = menu->addAction(caption);
  item->setEnabled(true);
  QPointer<Dialog> dialog;
  QObject::connect(item, &QAction::triggered, parent, [&bench, parent, dialog]() mutable {
    if (!dialog) dialog = new Dialog(bench, parent);
    dialog->exec();
  });
}

}  // namespace vormak
