// The scripted start of the built program: commands by name, message boxes answered and
// printed, the plot window saved as a picture.
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "support/test_paths.h"

namespace {

struct Run {
  int exit_code = -1;
  QString err;
};

// Feed moves are drawn in aqua on the black plot window.
int FeedPixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) count += (image.pixel(x, y) & 0xFFFFFFu) == 0x00FFFFu;
  }
  return count;
}

}  // namespace

class ScriptedStartTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir home_;

  QString Example() const {
    return QString::fromStdString(vormak::test::SourceDataDir() + "/examples/example.nc");
  }

  // The program on its own settings folder, with no display, as a check script runs it.
  Run Vormak(const QStringList& args) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home_.path());
    env.insert("XDG_CONFIG_HOME", home_.path() + "/config");
    env.insert("VORMAK_HOME", QString::fromStdString(vormak::test::SourceDataDir()));
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    process.setProcessEnvironment(env);
    process.start(qEnvironmentVariable("VORMAK_PROGRAM"), args);
    Run run;
    if (!process.waitForFinished(120000)) return run;
    run.exit_code = process.exitCode();
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
  }

 private slots:
  void AnUnknownNameEndsTheStartAndIsNamed() {
    const QString png = home_.filePath("unknown.png");
    const Run run = Vormak({Example(), "--actions", "Reset NC;Plot Runn;Redraw", "--grab", png});
    QCOMPARE(run.exit_code, 2);
    QVERIFY2(run.err.contains("unknown action \"Plot Runn\""), qPrintable(run.err));
    // Nothing ran and nothing was saved.
    QVERIFY(!QFile::exists(png));
  }

  void ThePlotWindowIsSavedAtTheRequestedSizeAfterTheCommands() {
    const QString before = home_.filePath("before.png");
    Run run = Vormak({Example(), "--grab", before, "--size", "640x400"});
    QCOMPARE(run.exit_code, 0);
    QImage image(before);
    QCOMPARE(image.size(), QSize(640, 400));
    QCOMPARE(FeedPixels(image), 0);  // nothing plotted at the start

    const QString after = home_.filePath("after.png");
    run =
        Vormak({Example(), "--actions", "Reset NC;Plot Run", "--grab", after, "--size", "500x360"});
    QCOMPARE(run.exit_code, 0);
    image.load(after);
    QCOMPARE(image.size(), QSize(500, 360));
    QVERIFY(FeedPixels(image) > 50);
  }

  void MessageBoxesAreAnsweredAndPrinted() {
    // Without --grab the commands run and the program ends.
    const Run run = Vormak({Example(), "--actions", "Check Syntax;Configuration..."});
    QCOMPARE(run.exit_code, 0);
    QVERIFY2(run.err.contains("No Syntax Errors Found"), qPrintable(run.err));
    QVERIFY2(run.err.contains("Configuration - Fanuc Mill\" cancelled"), qPrintable(run.err));
  }
};

QTEST_MAIN(ScriptedStartTest)
#include "scripted_start_test.moc"
