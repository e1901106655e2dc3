// The tool picture of a plain run (animation off) on the window's raster: wherever the user
// can look at the plot — the run's end, a breakpoint, a repaint during the run — it shows the
// path as drawn without tools and the tool once, at the last move's end.
#include <QtTest>
#include <cstdio>
#include <string>

#include "interp/run_driver.h"
#include "interp/tool_load.h"
#include "plot/plot_window.h"
#include "plot/tool_picture.h"
#include "support/fake_host.h"
#include "ui/raster_canvas.h"
#include "workbench/workbench.h"

namespace vormak {
namespace {

// A zigzag of feed moves longer than the cutter's radius, each starting at the centre of the
// cutter standing at the end of the one before, so that every path crosses that picture.
std::string Zigzag(int moves) {
  std::string text = "G90 G17 G01 X0 Y0 F100\n";
  char line[64];
  for (int n = 1; n <= moves; ++n) {
    std::snprintf(line, sizeof line, "X%.2f Y%.2f\n", (n % 10) * 0.6,
                  (n % 2) * 0.25 + (n / 10 % 5) * 0.5);
    text += line;
  }
  return text + "M30\n";
}

struct Plot {
  explicit Plot(const std::string& program) : bench(host), canvas(400, 300) {
    bench.settings.system_type = SystemType::kMill;
    bench.plot.canvas = &canvas;
    ResizePlotWindow(bench, 400, 300);
    bench.Pane(1)->SetText(program);
    InstallRunDriver(bench);
    DefineMillTool(bench, "TM 1.");
    ClearPlotWindow(bench.plot);
  }
  void Run() {
    StartRun(bench, RunCommand::kResetNc);
    bench.plot.fit_pending = false;  // no fit: the window keeps the run's scale
    StartRun(bench, RunCommand::kRunAll);
  }
  // The run without the tool picture, then the tool drawn once where the run left it.
  QImage PathThenTool() {
    bench.settings.use.Set(kUseTools, false);
    Run();
    path = canvas.Image().copy();
    bench.settings.use.Set(kUseTools, true);
    StandPicture(bench, 1, bench.interp.motion.tool_position[0]);
    return canvas.Image().copy();
  }

  FakeHost host;
  Workbench bench;
  RasterCanvas canvas;
  QImage path;  // PathThenTool's picture before the tool was drawn
};

}  // namespace

class ToolPictureRasterTest : public QObject {
  Q_OBJECT

 private slots:
  void RunEndShowsTheToolOnceOverAnIntactPath() {
    const std::string program = Zigzag(40);
    Plot expected(program);
    const QImage reference = expected.PathThenTool();
    QVERIFY(reference != expected.path);  // the tool does show

    Plot plot(program);
    plot.bench.settings.use.Set(kUseTools, true);
    plot.Run();
    QVERIFY(plot.bench.tools.stand[0].drawn);
    QCOMPARE(plot.canvas.Image(), reference);
  }

  void BreakpointHoldsWithTheToolAtTheLastMove() {
    const std::string program = Zigzag(60);
    Plot expected(program);
    expected.bench.Pane(1)->SetText(program.substr(0, program.find("X3.00 Y2.25")));
    const QImage held_reference = expected.PathThenTool();

    Plot plot(program);
    plot.bench.settings.use.Set(kUseTools, true);
    plot.bench.settings.use.Set(kUseStopBreakpoints, true);
    const int held_line = 1 + 45;  // the line of X3.00 Y2.25
    plot.bench.Pane(1)->SetBookmark(1, held_line);
    plot.Run();
    QCOMPARE(plot.bench.interp.run.current_line, held_line);
    QCOMPARE(plot.canvas.Image(), held_reference);

    // Going on from the breakpoint ends as the run that never stopped.
    Plot whole(program);
    const QImage end_reference = whole.PathThenTool();
    StartRun(plot.bench, RunCommand::kRunAll);
    QCOMPARE(plot.canvas.Image(), end_reference);
  }

  // The window repaints during a long run: the tool shows there and leaves no trace once the
  // run moves on.
  void RepaintsDuringTheRunLeaveNoTrace() {
    // The window is shown after line 256, with the tool at (1, 1); the straight move after it
    // runs across that picture.
    std::string program = Zigzag(254);
    program.replace(program.rfind("M30"), 3, "X1. Y1.\nX3. Y1.\nX3. Y-1.\nM30");
    Plot expected(program);
    const QImage reference = expected.PathThenTool();

    Plot plot(program);
    plot.bench.settings.use.Set(kUseTools, true);
    int shown = 0;
    plot.bench.interp.run.on_progress = [&] {
      if (!plot.bench.interp.run.running) return;
      const QImage before = plot.canvas.Image().copy();
      ShowStandingPictures(plot.bench);
      shown += plot.canvas.Image() != before ? 1 : 0;
    };
    plot.Run();
    QCOMPARE(shown, 1);
    QCOMPARE(plot.canvas.Image(), reference);
  }

  // The picture is gone with a cleared window: the next move does not invert a ghost of it.
  void ClearedWindowTakesThePictureWithIt() {
    Plot plot(Zigzag(4));
    plot.bench.settings.use.Set(kUseTools, true);
    plot.Run();
    QVERIFY(PicturePainted(plot.bench, plot.bench.tools.stand[0]));
    ClearPlotWindow(plot.bench.plot);
    QVERIFY(!PicturePainted(plot.bench, plot.bench.tools.stand[0]));
    const QImage cleared = plot.canvas.Image().copy();
    LiftPictures(plot.bench);
    QCOMPARE(plot.canvas.Image(), cleared);
  }
};

}  // namespace vormak

QTEST_MAIN(vormak::ToolPictureRasterTest)
#include "tool_picture_raster_test.moc"
