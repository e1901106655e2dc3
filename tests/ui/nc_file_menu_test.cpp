#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest>
#include <deque>

#include "ui/main_form.h"
#include "ui/sci_edit_control.h"

namespace vormak {

namespace {

QAction* Find(const QList<QAction*>& actions, const QString& caption) {
  for (QAction* action : actions) {
    if (action->text() == caption) return action;
  }
  return nullptr;
}

QAction* EditWindowItem(TMainForm& form, const char* caption) {
  QAction* file = Find(form.menuBar()->actions(), "&File");
  QAction* edit = file != nullptr ? Find(file->menu()->actions(), "&Edit Window") : nullptr;
  return edit != nullptr ? Find(edit->menu()->actions(), caption) : nullptr;
}

QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

}  // namespace

class NcFileMenuTest : public QObject {
  Q_OBJECT
 private slots:
  void LoadEditSaveAndSaveAsThroughTheFileMenu() {
    QTemporaryDir dir;
    TMainForm form;
    form.host().SetNonInteractive(true);
    form.bench().settings.nc_path = dir.path().toStdString();
    std::vector<FileDialogRequest> requests;
    std::deque<std::optional<std::string>> answers;
    form.host().SetFileDialogScript([&](const FileDialogRequest& request, bool) {
      requests.push_back(request);
      if (answers.empty()) return std::optional<std::string>();
      auto answer = answers.front();
      answers.pop_front();
      return answer;
    });

    const QString part = dir.filePath("PART.NC");
    const QByteArray crlf(
        "%\r\nO1 (D\xDC"
        "SE \xB0)\r\nG0X1\r\n%\r\n");
    WriteBytes(part, crlf);
    answers.push_back(part.toStdString());
    EditWindowItem(form, "&Load NC...")->trigger();
    QCOMPARE(QString::fromStdString(requests.back().caption), QString("Open NC"));
    QCOMPARE(form.LEdit1()->GetLine(2), std::string("O1 (D\xDC"
                                                    "SE \xB0)"));
    QVERIFY(form.windowTitle().endsWith("(" + part + ")"));
    QCOMPARE(form.RecentMenu()->actions().size(), 1);
    QCOMPARE(form.RecentMenu()->actions().front()->text(), "&1 " + part);

    // An edit, then Save NC: the file holds the edit, byte for byte otherwise.
    form.LEdit1()->ReplaceLine(3, "G1X2");
    QCOMPARE(form.Panel("Modified")->text(), QString("modified"));
    EditWindowItem(form, "&Save NC")->trigger();
    QCOMPARE(ReadBytes(part), QByteArray(crlf).replace("G0X1", "G1X2"));
    QCOMPARE(form.Panel("Modified")->text(), QString());

    // A file with LF line ends comes back unchanged from a pane saving with LF.
    const QString unix_part = dir.filePath("UNIX.NC");
    const QByteArray lf("O2\n(\xE9\xFF)\n\nM30");
    WriteBytes(unix_part, lf);
    form.LEdit1()->SetLineBreakStyle(LineBreakStyle::kLf);
    answers.push_back(unix_part.toStdString());
    EditWindowItem(form, "&Load NC...")->trigger();
    EditWindowItem(form, "&Save NC")->trigger();
    QCOMPARE(ReadBytes(unix_part), lf);

    // Save As without an extension gets the NC extension and becomes the file's name.
    answers.push_back(dir.filePath("COPY").toStdString());
    EditWindowItem(form, "Save &As...")->trigger();
    const QString copy = dir.filePath("COPY.nc");
    QCOMPARE(ReadBytes(copy), lf);
    QCOMPARE(QString::fromStdString(form.bench().nc_file_name), copy);
    QCOMPARE(form.RecentMenu()->actions().front()->text(), "&1 " + copy);

    // Choosing a recent entry loads it again.
    form.RecentMenu()->actions().last()->trigger();
    QCOMPARE(QString::fromStdString(form.bench().nc_file_name), part);
    QCOMPARE(form.LEdit1()->GetLine(3), std::string("G1X2"));

    // A file dropped on the editor is loaded, not pasted into the text.
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(unix_part)});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(form.LEdit1()->viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(form.LEdit1()->viewport(), &drop);
    QCOMPARE(QString::fromStdString(form.bench().nc_file_name), unix_part);
    QCOMPARE(form.LEdit1()->GetLine(1), std::string("O2"));
    QCOMPARE(form.RecentMenu()->actions().front()->text(), "&1 " + unix_part);
  }
};

}  // namespace vormak

QTEST_MAIN(vormak::NcFileMenuTest)
#include "nc_file_menu_test.moc"
