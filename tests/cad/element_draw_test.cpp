#include <gtest/gtest.h>

#include "cad/element_commands.h"
#include "cad/element_edit.h"
#include "fake_cad_view.h"
#include "plot/element_draw.h"
#include "plot/plot_window.h"
#include "support/fake_host.h"
#include "support/recording_canvas.h"
#include "workbench/workbench.h"

namespace vormak {
namespace {

using Kind = RecordingCanvas::Kind;

// An 800 x 600 window showing 10 units either side of the origin vertically: 30 pixels a unit,
// the origin at (400, 300).
class ElementDrawTest : public ::testing::Test {
 protected:
  ElementDrawTest() {
    bench.settings.system_type = SystemType::kMill;
    bench.plot.canvas = &canvas;
    ResizePlotWindow(bench, 800, 600);
  }
  CadElement* Make(ElementKind kind, std::array<double, 6> d, int view = 1, int layer = 1,
                   ElementState state = ElementState::kNormal, std::string_view text = {}) {
    ElementTable& table = bench.cad.table;
    return MakeElement(table, host, NextFreeSlot(table), kind, palette::kGreen, d, 0, layer, state,
                       view, text);
  }

  FakeHost host;
  Workbench bench{host};
  RecordingCanvas canvas;
};

TEST_F(ElementDrawTest, FiltersPickWhatIsDrawn) {
  Make(ElementKind::kLine, {0, 0, 0, 1, 0, 0});
  Make(ElementKind::kLine, {0, 1, 0, 1, 1, 0}, 1, 1, ElementState::kGroup);
  Make(ElementKind::kLine, {0, 2, 0, 1, 2, 0}, 1, 1, ElementState::kResult);
  Make(ElementKind::kLine, {0, 3, 0, 1, 3, 0}, 1, 9);
  bench.cad.table.SetLayerVisible(9, false);
  const auto lines = [&](int filter) {
    canvas.Forget();
    EXPECT_TRUE(DrawElements(bench, 1, filter));
    return canvas.Count(Kind::kLine);
  };
  EXPECT_EQ(lines(kDrawAll), 4u);
  EXPECT_EQ(lines(kDrawVisibleLayers), 3u);
  EXPECT_EQ(lines(kDrawGroup), 1u);
  EXPECT_EQ(lines(kDrawResult), 1u);
  bench.cad.table.At(2)->deleted = true;
  EXPECT_EQ(lines(kDrawGroup), 0u);
}

TEST_F(ElementDrawTest, OnlyTheFirst199SlotsWithFilterFour) {
  for (int i = 0; i < 201; ++i) Make(ElementKind::kPoint, {0, 0, 0, 0, 0, 0});
  DrawElements(bench, 1, kDrawFirstSlots);
  EXPECT_EQ(canvas.Count(Kind::kLine), 2u * 199);  // a marker is two strokes
}

TEST_F(ElementDrawTest, StateColoursAndTheMetafile) {
  CadElement* line = Make(ElementKind::kLine, {0, 0, 0, 1, 0, 0});
  const auto pen_rgb = [&] {
    canvas.Forget();
    DrawElement(bench, 1, *line);
    EXPECT_EQ(canvas.Count(Kind::kLine), 1u);
    return canvas.primitives.empty() ? 0u : canvas.primitives.back().pen.rgb;
  };
  EXPECT_EQ(pen_rgb(), CanvasRgb(palette::kGreen));
  line->state = ElementState::kSelected;
  EXPECT_EQ(pen_rgb(), CanvasRgb(palette::kYellow));
  line->state = ElementState::kGroup;
  EXPECT_EQ(pen_rgb(), CanvasRgb(palette::kRed));
  line->state = ElementState::kResult;
  EXPECT_EQ(pen_rgb(), CanvasRgb(palette::kMagenta));
  line->state = ElementState::kToolpath;
  EXPECT_EQ(pen_rgb(), CanvasRgb(palette::kGreen));
  bench.plot.background = palette::kWhite;
  line->state = ElementState::kErasing;
  EXPECT_EQ(pen_rgb(), CanvasRgb(palette::kWhite));
  line->state = ElementState::kSelected;
  bench.cad.metafile = true;
  EXPECT_EQ(pen_rgb(), CanvasRgb(palette::kGreen));
}

TEST_F(ElementDrawTest, LinesArcsAndPointsInPixels) {
  Make(ElementKind::kLine, {0, 0, 0, 2, 1, 0});
  DrawElements(bench, 1, kDrawAll);
  ASSERT_EQ(canvas.Count(Kind::kLine), 1u);
  EXPECT_EQ(canvas.Of(Kind::kLine)[0].points[0], (PixelPoint{400, 300}));
  EXPECT_EQ(canvas.Of(Kind::kLine)[0].points[1], (PixelPoint{460, 270}));
  canvas.Forget();
  ClearDrawing(bench.cad.table);
  // A quarter arc counter-clockwise from 0 to 90 about the origin, radius 2.
  Make(ElementKind::kArc, {0, 0, 0, 2, 0, 90});
  DrawElements(bench, 1, kDrawAll);
  ASSERT_EQ(canvas.Count(Kind::kArc), 1u);
  const auto arc = canvas.Of(Kind::kArc)[0];
  EXPECT_EQ(arc.left, 340);
  EXPECT_EQ(arc.right, 460);
  // Screen-counter-clockwise from the 0-degree end to the 90-degree end.
  EXPECT_EQ(arc.points[0], (PixelPoint{460, 300}));
  EXPECT_EQ(arc.points[1], (PixelPoint{400, 240}));
}

TEST_F(ElementDrawTest, AnnotationsOnlyInTheirView) {
  Make(ElementKind::kText, {1, 1, 0, 0, 0, 0}, 1, 1, ElementState::kNormal, "HOLE 1");
  Make(ElementKind::kArrow, {0, 0, 0, 90, 0, 0}, 1);
  Make(ElementKind::kWitness, {0, 0, 0, 3, 0, 0}, 2);
  Make(ElementKind::kLeader, {0, 0, 3, 0, 0, 0}, 1);
  DrawElements(bench, 1, kDrawAll);
  ASSERT_EQ(canvas.Count(Kind::kText), 1u);
  EXPECT_EQ(canvas.Of(Kind::kText)[0].text, "HOLE 1");
  EXPECT_EQ(canvas.Of(Kind::kText)[0].points[0], (PixelPoint{430, 270}));
  // The arrow and the leader's head; the witness belongs to the front view.
  const auto heads = canvas.Of(Kind::kPolygon);
  ASSERT_EQ(heads.size(), 2u);
  EXPECT_EQ(heads[0].points[0], (PixelPoint{400, 300}));
  EXPECT_GT(heads[0].points[1].y, 300);      // pointing up: the head trails below the tip
  EXPECT_GT(heads[1].points[1].x, 400);      // leader toward +X: its head lies along the shaft
  EXPECT_EQ(canvas.Count(Kind::kLine), 1u);  // the leader's shaft
}

TEST_F(ElementDrawTest, MirroredLatheDrawingDrawsTwice) {
  bench.settings.system_type = SystemType::kLathe;
  bench.settings.mirror_lathe_cad = true;
  ResizePlotWindow(bench, 800, 600);
  Make(ElementKind::kLine, {0, 1, 0, 2, 1, 0});
  Make(ElementKind::kText, {1, 1, 0, 0, 0, 0}, 1, 1, ElementState::kNormal, "T");
  DrawElements(bench, 1, kDrawAll);
  const auto lines = canvas.Of(Kind::kLine);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].points[0].y + lines[1].points[0].y, 600);  // mirrored about Y = 0
  EXPECT_EQ(canvas.Count(Kind::kText), 1u);
  bench.settings.mirror_lathe_cad = false;
  canvas.Forget();
  DrawElements(bench, 1, kDrawAll);
  EXPECT_EQ(canvas.Count(Kind::kLine), 1u);
}

TEST_F(ElementDrawTest, SolidPolygonFromTheSolidLayer) {
  const int solid = bench.settings.solid_layer;
  for (int i = 0; i < 60; ++i)
    Make(ElementKind::kPoint, {double(i % 5), double(i / 5), 0, 0, 0, 0}, 1, solid);
  bench.cad.table.At(1)->deleted = true;
  DrawElements(bench, 1, kDrawVisibleLayers);
  EXPECT_EQ(canvas.Count(Kind::kPolygon), 0u);  // solid view off
  bench.interp.motion.solid_view = true;
  canvas.Forget();
  DrawElements(bench, 1, kDrawVisibleLayers);
  ASSERT_EQ(canvas.Count(Kind::kPolygon), 1u);
  const auto stock = canvas.Of(Kind::kPolygon)[0];
  EXPECT_EQ(stock.points.size(), 50u);
  EXPECT_TRUE(stock.filled);
  EXPECT_EQ(stock.rgb, CanvasRgb(palette::kSilver));
  EXPECT_EQ(stock.points[0], (PixelPoint{430, 300}));  // slot 2: the deleted slot 1 is skipped
  EXPECT_EQ(canvas.primitives.front().kind, Kind::kPolygon);  // under the elements
  bench.settings.twin_turrets = true;
  canvas.Forget();
  DrawSolidPolygon(bench, 1);
  ASSERT_EQ(canvas.Count(Kind::kPolygon), 2u);
  EXPECT_EQ(canvas.Of(Kind::kPolygon)[1].points[5].y, 600 - stock.points[5].y);
}

TEST_F(ElementDrawTest, EscapeStopsTheDrawingAndTheCommand) {
  for (int i = 0; i < 10; ++i) Make(ElementKind::kLine, {0, 0, 0, 1, double(i), 0});
  FakeCadView view;
  CadContext context{bench.cad.table, view, host};
  bench.cad.commands.Start(context, MakeElementCommand(ElementAction::kDelete));
  host.QueueEscape(3);
  EXPECT_FALSE(DrawElements(bench, 1, kDrawAll));
  EXPECT_EQ(canvas.Count(Kind::kLine), 3u);
  EXPECT_FALSE(bench.cad.commands.Running());
  EXPECT_EQ(host.command_panel, "");
  host.right_button = true;
  canvas.Forget();
  EXPECT_FALSE(DrawElements(bench, 1, kDrawAll));
  EXPECT_EQ(canvas.Count(Kind::kLine), 0u);
}

}  // namespace
}  // namespace vormak
