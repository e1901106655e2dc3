// vormak-batch plot --png: the picture of a whole program after Zoom All, drawn from what the
// one run kept; --machine takes a machine number of vormak.ini as the utilities do.
#include <QDir>
#include <QFile>
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

// The solid view of a run over a stock drawing: the picture saved and the rectangle of the
// stock it shows (every pixel that is not the background), to find program points by.
struct SolidPicture {
  QImage image;
  QRect stock;
  double left = 0, bottom = 0, width = 1, height = 1;  // the stock in program units

  QRgb At(double x, double y) const {
    const int px = stock.left() + qRound((x - left) / width * (stock.width() - 1));
    const int py = stock.bottom() - qRound((y - bottom) / height * (stock.height() - 1));
    return image.pixel(px, py) & 0xFFFFFFu;
  }
};

constexpr QRgb kStockRgb = 0xC0C0C0u;

SolidPicture SolidRun(const QString& program, const QString& machine, const QString& drawing,
                      const QTemporaryDir& dir) {
  const QString png = dir.filePath("solid.png");
  const BatchRun run = RunBatch({"plot", program, "--machine", machine, "--drawing", drawing,
                                 "--solid", "--tools", "--png", png, "--size", "400x300"});
  SolidPicture picture;
  if (run.exit_code != 0) qWarning("%s%s", qPrintable(run.out), qPrintable(run.err));
  picture.image = QImage(png);
  int rapid = 0, feed = 0;
  if (!picture.image.isNull()) picture.stock = DrawnBox(picture.image, &rapid, &feed);
  return picture;
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

  // A cutter swept through the stock leaves the background behind it, along lines and arcs;
  // the stock beside the path stays.
  void SolidViewShowsTheMaterialRemoved() {
    QTemporaryDir dir;
    const std::string examples = vormak::test::SourceDataDir() + "/examples/";
    QFile example(QString::fromStdString(examples + "example.nc"));
    QVERIFY(example.open(QIODevice::ReadOnly));
    QByteArray text = example.readAll();
    text.insert(text.indexOf("T1 M06"), "(TM .5)\n");
    QFile program(dir.filePath("pocket.nc"));
    QVERIFY(program.open(QIODevice::WriteOnly) && program.write(text) == text.size());
    program.close();
    SolidPicture mill =
        SolidRun(program.fileName(), "mill", QString::fromStdString(examples + "stock.cdl"), dir);
    QVERIFY(!mill.image.isNull());
    mill.left = -.5, mill.bottom = -.5, mill.width = 4, mill.height = 3.5;
    QVERIFY(mill.stock.width() > 200);
    QCOMPARE(mill.At(1.25, .1), 0u);          // beside the cut along Y0
    QCOMPARE(mill.At(2.783, .217), 0u);       // round the G03 corner about X2.5 Y.5
    QCOMPARE(mill.At(1.5, 1.75), 0u);         // top of the round slot (G02 by R)
    QCOMPARE(mill.At(1.5, .75), 0u);          // and its bottom
    QCOMPARE(mill.At(1.5, 1.25), kStockRgb);  // the island inside the slot
    QCOMPARE(mill.At(3.3, 2.8), kStockRgb);   // stock never reached
    QCOMPARE(mill.At(-.35, -.35), kStockRgb);

    // The lathe's turning tool (a polygon on the solid layer) sweeps the bar.
    SolidPicture lathe = SolidRun(QString::fromStdString(examples + "lathe.nc"), "lathe",
                                  QString::fromStdString(examples + "bar.cdl"), dir);
    QVERIFY(!lathe.image.isNull());
    lathe.left = -1.5, lathe.bottom = 0, lathe.width = 1.55, lathe.height = .8;
    QCOMPARE(lathe.At(-.5, .77), 0u);          // the roughing pass to X1.4
    QCOMPARE(lathe.At(-.5, .65), 0u);          // the finish to X1.2
    QCOMPARE(lathe.At(-.02, .58), 0u);         // beyond the G03 edge radius at the face
    QCOMPARE(lathe.At(-.5, .3), kStockRgb);    // below the finished diameter
    QCOMPARE(lathe.At(-1.3, .77), kStockRgb);  // left of the roughing pass
  }
};

QTEST_GUILESS_MAIN(BatchPngTest)
#include "batch_png_test.moc"
