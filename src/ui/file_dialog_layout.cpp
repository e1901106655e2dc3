#include "ui/file_dialog_layout.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QTreeView>

namespace vormak {
namespace {

void SizeColumns(QTreeView* view) {
  QHeaderView* header = view->header();
  header->setStretchLastSection(false);
  header->setSectionResizeMode(QHeaderView::ResizeToContents);
  header->setSectionResizeMode(0, QHeaderView::Stretch);
}

}  // namespace

void FitFileDialogColumns(QFileDialog& dialog) {
  // The platform's own dialog sizes itself; only Qt's widget dialog has columns to mend.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setViewMode(QFileDialog::Detail);
  const QSize wanted(860, 520);
  dialog.resize(dialog.size().expandedTo(wanted));
  for (QTreeView* view : dialog.findChildren<QTreeView*>()) SizeColumns(view);
}

}  // namespace vormak
