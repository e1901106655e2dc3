#include "plot/backplot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "cad/element_table.h"
#include "interp/run_driver.h"
#include "nctext/text_buffer.h"
#include "plot/plot_window.h"
#include "plot/view_transform.h"
#include "plot/zoom.h"
#include "support/fake_host.h"
#include "support/recording_canvas.h"
#include "support/test_paths.h"
#include "workbench/machine_file.h"
#include "workbench/workbench.h"

namespace vormak {
namespace {

using Primitives = std::vector<RecordingCanvas::Primitive>;

bool SamePrimitives(const Primitives& a, const Primitives& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    const auto& p = a[i];
    const auto& q = b[i];
    if (p.kind != q.kind || !(p.pen == q.pen) || p.points != q.points || p.left != q.left ||
        p.top != q.top || p.right != q.right || p.bottom != q.bottom || p.rgb != q.rgb) {
      ADD_FAILURE() << "primitive " << i << " differs";
      return false;
    }
  }
  return true;
}

size_t Drawn(const Primitives& primitives) {
  size_t n = 0;
  for (const auto& p : primitives)
    n += p.kind == RecordingCanvas::Kind::kLine || p.kind == RecordingCanvas::Kind::kArc;
  return n;
}

// A workbench with a machine file loaded, drawing on an 800 x 600 recording canvas.
struct Plotter {
  explicit Plotter(const std::string& machine) : bench(host), canvas(800, 600) {
    bench.locations.install_dir = test::SourceDataDir();
    bench.machines.Slot(1).path = machine;
    EXPECT_TRUE(LoadMachineSettings(bench, 1)) << machine;
    bench.settings.use.Set(kUseTools, false);
    InstallRunDriver(bench);
    bench.plot.canvas = &canvas;
    ResizePlotWindow(bench, canvas.Width(), canvas.Height());
  }
  void Load(const std::string& text, const std::string& second_turret = {}) {
    bench.Pane(1)->SetText(text);
    if (!second_turret.empty()) bench.Pane(2)->SetText(second_turret);
    StartRun(bench, RunCommand::kResetNc);
  }
  void RunAll() {
    GoToLineOne();
    StartRun(bench, RunCommand::kRunAll);
  }
  void GoToLineOne() { bench.Pane(1)->SetSelection({{1, 0}, {1, 0}}); }
  PixelPoint Pixel(double x, double y, double z = 0) {
    return WorldToScreen(bench.plot, bench.settings, bench.plot.current, x, y, z);
  }

  FakeHost host;
  Workbench bench;
  RecordingCanvas canvas;
};

std::string MillIni() {
  return test::TestDataDir() + "/plot/mill.ini";
}

std::string ReadText(const std::string& path) {
  TextBuffer buffer;
  buffer.LoadFile(path);
  return buffer.GetText();
}

struct Case {
  std::string program;
  std::string machine;
  std::string second_turret;
};

std::vector<Case> Programs() {
  std::vector<Case> cases;
  const std::string data = test::SourceDataDir();
  cases.push_back({ReadText(data + "/examples/example.nc"), data + "/machines/mill.ini", {}});
  cases.push_back({ReadText(data + "/examples/lathe.nc"), data + "/machines/lathe.ini", {}});
  for (const auto& entry : std::filesystem::directory_iterator(test::TestDataDir() + "/plot")) {
    if (entry.path().extension() != ".nc") continue;
    const std::string name = entry.path().stem().string();
    const std::string ini = name.rfind("lathe", 0) == 0 ? "/plot/lathe.ini" : "/plot/mill.ini";
    cases.push_back({ReadText(entry.path().string()), test::TestDataDir() + ini, {}});
  }
  cases.push_back({"G00 X40. Z5.\nG01 X30. F.1\nZ-10.\nG02 X40. Z-15. R5.\nG00 X50.\nM30\n",
                   data + "/machines/twin_lathe.ini",
                   "G00 X60. Z2.\nG01 X44. F.2\nZ-20.\nG00 X70.\nZ2.\nM30\n"});
  return cases;
}

// A repaint after a zoom is the picture a fresh run draws into that view, primitive for
// primitive, in every view of the machine.
TEST(Backplot, RepaintAfterZoomIsTheFreshRunsPicture) {
  int compared = 0;
  for (const Case& c : Programs()) {
    for (int slot : {kTopSlot, kIsometricSlot}) {
      SCOPED_TRACE(c.machine + " slot " + std::to_string(slot) + "\n" + c.program.substr(0, 60));
      Plotter kept(c.machine);
      SelectView(kept.bench, slot);
      if (kept.bench.plot.current != slot) continue;  // a lathe has the one view
      kept.Load(c.program, c.second_turret);
      kept.RunAll();
      ZoomCommand(kept.bench, ZoomMode::kHalf);
      const Primitives repainted = kept.canvas.SinceClear();

      Plotter fresh(c.machine);
      SelectView(fresh.bench, slot);
      fresh.Load(c.program, c.second_turret);
      fresh.bench.plot.fit_pending = false;
      fresh.bench.plot.Slot(slot) = kept.bench.plot.Slot(slot);
      fresh.canvas.Forget();
      fresh.RunAll();
      ASSERT_GT(Drawn(fresh.canvas.primitives), 0u);
      EXPECT_TRUE(SamePrimitives(repainted, fresh.canvas.primitives));
      ++compared;
    }
  }
  EXPECT_GE(compared, 13);
}

TEST(Backplot, KeptThroughRedrawAndViewChangesUntilResetNc) {
  Plotter p(MillIni());
  p.Load("G0 X1. Y1. Z1.\nG1 X10. F100.\nY10. Z-1.\n");
  p.RunAll();
  EXPECT_EQ(p.bench.plot.backplot.MoveCount(), 3u);
  Redraw(p.bench);
  EXPECT_EQ(Drawn(p.canvas.SinceClear()), 3u);
  SelectView(p.bench, kFrontSlot);
  EXPECT_EQ(Drawn(p.canvas.SinceClear()), 3u);
  ResizePlotWindow(p.bench, 400, 300);
  Redraw(p.bench);
  EXPECT_EQ(Drawn(p.canvas.SinceClear()), 3u);
  // A second run without Reset NC draws over the first, and both stay.
  p.RunAll();
  EXPECT_EQ(p.bench.plot.backplot.MoveCount(), 6u);
  StartRun(p.bench, RunCommand::kResetNc);
  EXPECT_TRUE(p.bench.plot.backplot.Empty());
  EXPECT_EQ(Drawn(p.canvas.SinceClear()), 0u);
}

TEST(Backplot, ZoomAllFitsThePathAndTheDrawingTogether) {
  Plotter p(MillIni());
  p.Load("G0 X0. Y0.\nG1 X100. Y50. F100.\n");
  p.bench.plot.fit_pending = false;
  p.RunAll();
  ZoomCommand(p.bench, ZoomMode::kAll);
  const ViewState& view = p.bench.plot.Current();
  // 100 x 50 units into 720 x 540 pixels: the width decides.
  EXPECT_NEAR(view.scale_x, 7.2, 1e-9);
  EXPECT_NEAR(view.centre_x, 50, 1e-9);
  EXPECT_NEAR(view.centre_y, 25, 1e-9);
  EXPECT_EQ(view.last_plot_height, 10);  // Last goes back to the view before

  MakeElement(p.bench.cad.table, p.host, NextFreeSlot(p.bench.cad.table), ElementKind::kLine,
              palette::kWhite, {-50, -50, 0, 0, 0, 0}, 0, 1, ElementState::kNormal, 0);
  ZoomCommand(p.bench, ZoomMode::kAll);
  // 150 x 100 units: 720 / 150 = 4.8 pixels a unit, 540 / 100 would allow 5.4.
  EXPECT_NEAR(p.bench.plot.Current().scale_x, 4.8, 1e-9);
  EXPECT_NEAR(p.bench.plot.Current().centre_x, 25, 1e-9);
  EXPECT_NEAR(p.bench.plot.Current().centre_y, 0, 1e-9);
  const PixelPoint low = p.Pixel(-50, -50), high = p.Pixel(100, 50);
  EXPECT_EQ(low.x, 40);
  EXPECT_EQ(high.x, 760);
}

TEST(Backplot, ArcsAreFittedByTheirBulgeNotOnlyTheirEnds) {
  Plotter p(MillIni());
  // A half circle from (-10, 0) over the top to (10, 0).
  p.Load("G0 X-10. Y0.\nG2 X10. Y0. I10. J0. F100.\n");
  p.RunAll();
  const ViewBox box = BackplotBox(p.bench.plot, p.bench.settings, kTopSlot);
  EXPECT_NEAR(box.max_y, 10, 1e-9);
  EXPECT_NEAR(box.min_y, 0, 1e-9);
  EXPECT_NEAR(box.min_x, -10, 1e-9);
  EXPECT_NEAR(box.max_x, 10, 1e-9);
}

// Arcs well inside what the path already covers are passed over when the box is found; an
// arc reaching out by a little still widens it, in every view.
TEST(Backplot, ArcsInsideThePathLeaveTheBoxAsItIsAndOnesReachingOutWidenIt) {
  const std::string frame = "G0 X0. Y0. Z0.\nG1 X10. F100.\nY10.\nX0.\nY0.\n";
  std::string inner;
  for (int i = 1; i < 9; ++i) {
    inner += "G0 X" + std::to_string(i) + ". Y5.\nG2 X" + std::to_string(i) + ". Y5. I.4 J0.\n";
  }
  // A circle about a point just inside the corner at X10 Y10, reaching out to X10.3 and Y10.3.
  const std::string bulge = "G0 X9.5 Y9.9\nG2 X9.5 Y9.9 I.4 J0.\n";
  for (int slot = 1; slot <= 4; ++slot) {
    SCOPED_TRACE(slot);
    const auto box_of = [&](const std::string& program) {
      Plotter p(MillIni());
      p.Load(program);
      p.RunAll();
      return BackplotBox(p.bench.plot, p.bench.settings, slot);
    };
    const ViewBox all = box_of(frame + inner + bulge);
    const ViewBox without_inner = box_of(frame + bulge);
    const ViewBox frame_only = box_of(frame);
    EXPECT_EQ(all.min_x, without_inner.min_x);
    EXPECT_EQ(all.max_x, without_inner.max_x);
    EXPECT_EQ(all.min_y, without_inner.min_y);
    EXPECT_EQ(all.max_y, without_inner.max_y);
    const double wider = std::max({all.max_x - frame_only.max_x, all.max_y - frame_only.max_y,
                                   frame_only.min_x - all.min_x, frame_only.min_y - all.min_y});
    EXPECT_GT(wider, 0.05);
  }
}

TEST(Backplot, TheFirstWholeRunFitsUnlessTheUserZoomedFirst) {
  Plotter p(MillIni());
  p.Load("G0 X0. Y0.\nG1 X100. Y50. F100.\n");
  p.RunAll();
  EXPECT_NEAR(p.bench.plot.Current().scale_x, 7.2, 1e-9);
  // Later runs leave the view alone.
  ZoomCommand(p.bench, ZoomMode::kHalf);
  p.RunAll();
  EXPECT_NEAR(p.bench.plot.Current().scale_x, 3.6, 1e-9);
  // After Reset NC the next run fits again, unless the view is zoomed by hand before it ends.
  StartRun(p.bench, RunCommand::kResetNc);
  p.RunAll();
  EXPECT_NEAR(p.bench.plot.Current().scale_x, 7.2, 1e-9);
  StartRun(p.bench, RunCommand::kResetNc);
  ZoomCommand(p.bench, ZoomMode::kHalf);
  p.RunAll();
  EXPECT_NEAR(p.bench.plot.Current().scale_x, 3.6, 1e-9);
  // A single step is not a whole run: it does not fit.
  StartRun(p.bench, RunCommand::kResetNc);
  p.GoToLineOne();
  StartRun(p.bench, RunCommand::kPlotCurrentLine);
  EXPECT_NEAR(p.bench.plot.Current().scale_x, 3.6, 1e-9);
  EXPECT_TRUE(p.bench.plot.fit_pending);
}

TEST(Backplot, APixelFindsTheMoveAndLineUnderIt) {
  Plotter p(MillIni());
  p.Load("G0 X0. Y0.\nG1 X10. F100.\nY10.\nG3 X0. Y20. I-10. J0.\n");
  p.bench.plot.fit_pending = false;
  p.RunAll();
  const auto hit = [&](PixelPoint at) {
    const auto item = HitBackplot(p.bench.plot, p.bench.settings, at);
    return item ? item->tag.line : 0;
  };
  PixelPoint on_y = p.Pixel(10, 5);
  EXPECT_EQ(hit(on_y), 3);
  EXPECT_EQ(hit({on_y.x + 3, on_y.y}), 3);
  EXPECT_EQ(hit({on_y.x + 12, on_y.y}), 0);
  EXPECT_EQ(hit(p.Pixel(5, 0)), 2);
  // The arc's middle, away from its chord.
  const double half = 10 / std::sqrt(2.0);
  EXPECT_EQ(hit(p.Pixel(half, 10 + half)), 4);
  EXPECT_EQ(hit(p.Pixel(5, 15)), 0);
  const auto item = HitBackplot(p.bench.plot, p.bench.settings, p.Pixel(half, 10 + half));
  ASSERT_TRUE(item);
  EXPECT_EQ(item->to, (Point{0, 20, 0}));
  EXPECT_EQ(item->tag.pane, 1);
}

TEST(Backplot, TheSecondTurretsMovesBelongToPaneTwo) {
  Plotter p(test::SourceDataDir() + "/machines/twin_lathe.ini");
  p.Load("G00 X40. Z5.\nG01 X30. F.1\nM30\n", "G00 X60. Z2.\nG01 X44. F.2\nM30\n");
  p.RunAll();
  std::vector<int> panes;
  p.bench.plot.backplot.ForEach([&](const ListedItem& item) {
    panes.push_back(item.tag.pane);
    EXPECT_EQ(item.tag.pane, item.tag.turret);
  });
  EXPECT_NE(std::find(panes.begin(), panes.end(), 2), panes.end());
  EXPECT_NE(std::find(panes.begin(), panes.end(), 1), panes.end());
}

TEST(Backplot, WheelZoomKeepsThePointUnderTheCursor) {
  Plotter p(MillIni());
  const PixelPoint cursor{613, 122};
  for (double factor : {0.8, 0.8, 0.8, 1.25, 3.0, 0.01}) {
    const ViewPoint held = ScreenToWorld(p.bench.plot, kTopSlot, cursor);
    const double height = p.bench.plot.Current().plot_height;
    ZoomAboutCommand(p.bench, cursor, factor);
    EXPECT_NEAR(p.bench.plot.Current().plot_height, height * factor, 1e-9);
    const PixelPoint now = p.Pixel(held.x, held.y);
    EXPECT_LE(std::abs(now.x - cursor.x), 1);
    EXPECT_LE(std::abs(now.y - cursor.y), 1);
  }
  EXPECT_FALSE(p.bench.plot.fit_pending);
}

}  // namespace
}  // namespace vormak
