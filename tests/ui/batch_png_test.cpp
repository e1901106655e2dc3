// vormak-batch plot --png: the picture of a whole program after Zoom All, drawn from what the
// one run kept; --machine takes a machine number of vormak.ini as the utilities do.
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "support/test_paths.h"

namespace {

struct BatchRun {
  int exit_code = -1;
  QString out;
  QString err;
};

BatchRun RunBatch(const QStringList& args, const QString& config_home = {}) {
  QProcess process;
  if (!config_home.isEmpty()) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", config_home);
    process.setProcessEnvironment(env);
  }
  process.start(qEnvironmentVariable("VORMAK_BATCH"), args);
  BatchRun run;
  if (!process.waitForFinished(120000)) return run;
  run.exit_code = process.exitCode();
  run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
  run.err = QString::fromLocal8Bit(process.readAllStandardError());
  return run;
}

// The box of every pixel that is not the black background.
QRect DrawnBox(const QImage& image, int* rapid_pixels, int* feed_pixels) {
  QRect box;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb rgb = image.pixel(x, y) & 0xFFFFFFu;
      if (rgb == 0) continue;
      box |= QRect(x, y, 1, 1);
      if (rgb == 0xFFFF00u) ++*rapid_pixels;
      if (rgb == 0x00FFFFu) ++*feed_pixels;
    }
  }
  return box;
}

}  // namespace

class BatchPngTest : public QObject {
  Q_OBJECT

 private slots:
  void ThePictureShowsTheWholeProgramFitted() {
    QTemporaryDir dir;
    const QString png = dir.filePath("example.png");
    const QString program =
        QString::fromStdString(vormak::test::SourceDataDir() + "/examples/example.nc");
    const BatchRun run =
        RunBatch({"plot", program, "--machine", "mill", "--png", png, "--size", "400x300"});
    QCOMPARE(run.exit_code, 0);
    QVERIFY2(run.out.startsWith("lines run 69, moves 41, rapids 21, arcs 5"), qPrintable(run.out));
    QImage image(png);
    QCOMPARE(image.size(), QSize(400, 300));
    int rapid = 0, feed = 0;
    const QRect box = DrawnBox(image, &rapid, &feed);
    QVERIFY(rapid > 50);
    QVERIFY(feed > 200);
    // Zoom All leaves a margin on every side and fills most of the limiting dimension.
    QVERIFY2(box.left() > 0 && box.top() > 0 && box.right() < 399 && box.bottom() < 299,
             qPrintable(QString("box %1,%2 %3x%4")
                            .arg(box.x())
                            .arg(box.y())
                            .arg(box.width())
                            .arg(box.height())));
    QVERIFY(box.width() > 0.75 * 400 || box.height() > 0.75 * 300);
    QVERIFY(qAbs(box.center().x() - 200) < 20 && qAbs(box.center().y() - 150) < 20);
  }

  void AMachineNumberOfTheSettingsList() {
    QTemporaryDir config;
    QVERIFY(QDir(config.path()).mkpath("vormak"));
    QFile list(config.filePath("vormak/vormak.ini"));
    QVERIFY(list.open(QIODevice::WriteOnly));
    const std::string machines = vormak::test::SourceDataDir() + "/machines/";
    list.write(("[MachineINI]\r\nMachine1=" + machines + "mill.ini\r\nMachine2=" + machines +
                "lathe.ini\r\n")
                   .c_str());
    list.close();
    const QString lathe =
        QString::fromStdString(vormak::test::SourceDataDir() + "/examples/lathe.nc");
    const BatchRun by_number =
        RunBatch({"plot", lathe, "--machine", "2", "--moves", "-"}, config.path());
    QCOMPARE(by_number.exit_code, 0);
    const BatchRun by_name = RunBatch({"plot", lathe, "--machine", "lathe", "--moves", "-"});
    QCOMPARE(by_name.exit_code, 0);
    QVERIFY(by_number.out.count('\n') > 10);
    QCOMPARE(by_number.out, by_name.out);
    // The mill reads the same text differently.
    const BatchRun mill =
        RunBatch({"plot", lathe, "--machine", "1", "--moves", "-"}, config.path());
    QCOMPARE(mill.exit_code, 0);
    QVERIFY(mill.out != by_name.out);
    // A number with no machine behind it fails.
    QVERIFY(RunBatch({"plot", lathe, "--machine", "7"}, config.path()).exit_code != 0);
  }

  void WarningsAreSaidOnceAndCancelStillDraws() {
    QTemporaryDir dir;
    const QString program = dir.filePath("bad.nc");
    QFile file(program);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("G0 X0 Y0\nG1X5G281\nG1 X10. Y10. F20.\nG1 X0 Y10.\nM30\n");
    file.close();
    const QString png = dir.filePath("bad.png");
    BatchRun run = RunBatch({"plot", program, "--machine", "mill", "--png", png});
    QCOMPARE(run.exit_code, 0);
    QCOMPARE(run.err.count("Bad G code in"), 1);
    QVERIFY2(run.out.contains("lines run 5, moves 3,"), qPrintable(run.out));
    QVERIFY(QImage(png).width() > 0);

    // Cancel stops the run in the faulty block, before its move: an empty picture is still
    // written.
    QFile::remove(png);
    run = RunBatch({"plot", program, "--machine", "mill", "--png", png, "--cancel"});
    QCOMPARE(run.exit_code, 0);
    QCOMPARE(run.err.count("Bad G code in"), 1);
    QVERIFY2(run.out.contains("lines run 2, moves 0,"), qPrintable(run.out));
    QVERIFY(QImage(png).width() > 0);
  }
};

QTEST_GUILESS_MAIN(BatchPngTest)
#include "batch_png_test.moc"
