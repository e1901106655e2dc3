#include <gtest/gtest.h>

#include "cad/cad_session.h"
#include "cad/element_commands.h"
#include "fake_cad_view.h"
#include "plot/element_draw.h"
#include "support/fake_host.h"
#include "support/recording_canvas.h"

namespace vormak {
namespace {

TEST(CadSession, PicksReachOnlyARunningCommand) {
  FakeHost host;
  Workbench bench(host);
  FakeCadView view;
  MakeElement(bench.cad.table, host, 1, ElementKind::kPoint, 0, {}, 0, 1, ElementState::kNormal, 1);
  EXPECT_FALSE(CadPick(bench, view, {400, 300}));
  StartCadCommand(bench, view, MakeElementCommand(ElementAction::kGroupAdd));
  EXPECT_EQ(host.command_panel, "ADD ELEMENT TO GROUP");
  EXPECT_TRUE(CadPick(bench, view, {400, 300}));
  EXPECT_EQ(bench.cad.table.At(1)->state, ElementState::kGroup);
  bench.cad.pick_mode = PickMode::kInsideWindow;
  StartCadCommand(bench, view, MakeElementCommand(ElementAction::kGroupRemove));
  EXPECT_TRUE(CadWindow(bench, view, {390, 290}, {410, 310}));
  EXPECT_EQ(bench.cad.table.At(1)->state, ElementState::kNormal);
  CadEscape(bench);
  EXPECT_FALSE(CadWindow(bench, view, {390, 290}, {410, 310}));
  EXPECT_EQ(host.prompt_panel, "");
}

TEST(CadSession, NewDrawingEmptiesTableNameAndWindow) {
  FakeHost host;
  Workbench bench(host);
  RecordingCanvas canvas;
  bench.plot.canvas = &canvas;
  ElementTable& table = bench.cad.table;
  for (int i = 0; i <= kTableSlots; ++i) {
    MakeElement(table, host, NextFreeSlot(table), ElementKind::kPoint, 0, {}, 0, 1,
                ElementState::kNormal, 1);
  }
  ASSERT_TRUE(table.full);
  bench.cad_file_name = "part.cdl";
  NewDrawing(bench);
  EXPECT_FALSE(table.full);
  EXPECT_FALSE(table.modified);
  EXPECT_EQ(table.high_water, 0);
  EXPECT_EQ(table.At(1), nullptr);
  EXPECT_EQ(bench.cad_file_name, "");
  EXPECT_EQ(canvas.Count(RecordingCanvas::Kind::kClear), 1u);
}

}  // namespace
}  // namespace vormak
