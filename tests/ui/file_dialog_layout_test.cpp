// The open and save dialogs show whole file sizes, types and dates, not "720...tes".
#include "ui/file_dialog_layout.h"

#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

namespace vormak {

class FileDialogLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void ColumnsAreAsWideAsTheirText() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile file(dir.filePath("BRACKET_OP20_REV_C.NC"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(720, 'G'));
    file.close();

    QFileDialog dialog(nullptr, "Load NC", dir.path(), "NC Files (*.NC *.nc)");
    FitFileDialogColumns(dialog);
    dialog.show();
    auto* view = dialog.findChild<QTreeView*>("treeView");
    QVERIFY(view != nullptr);
    auto* model = qobject_cast<QFileSystemModel*>(view->model());
    QVERIFY(model != nullptr);
    QTRY_VERIFY(model->rowCount(model->index(dir.path())) == 1);
    QCoreApplication::processEvents();

    const QModelIndex row = model->index(file.fileName());
    const QFontMetrics metrics(view->font());
    for (int column = 1; column < model->columnCount(); ++column) {
      const QString text = model->index(row.row(), column, row.parent()).data().toString();
      QVERIFY2(view->header()->sectionSize(column) >= metrics.horizontalAdvance(text),
               qPrintable(text));
    }
    QVERIFY(view->header()->sectionSize(0) >= metrics.horizontalAdvance("BRACKET_OP20_REV_C.NC"));
  }
};

}  // namespace vormak

QTEST_MAIN(vormak::FileDialogLayoutTest)
#include "file_dialog_layout_test.moc"
