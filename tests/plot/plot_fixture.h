#pragma once
// A workbench whose plot window is an 800 x 600 recording canvas on a mill, at the start-up
// view: PlotHeight 10 about the origin, so 30 pixels per unit with the origin at (400, 300).

#include <gtest/gtest.h>

#include "plot/draw_primitives.h"
#include "plot/plot_window.h"
#include "plot/view_transform.h"
#include "support/fake_host.h"
#include "support/recording_canvas.h"
#include "workbench/workbench.h"

namespace vormak {

class PlotTest : public ::testing::Test {
 protected:
  using Kind = RecordingCanvas::Kind;

  PlotTest() : bench(host), canvas(800, 600) {
    bench.settings.system_type = SystemType::kMill;
    bench.plot.canvas = &canvas;
    ResizePlotWindow(bench, 800, 600);
  }

  PlotState& plot() { return bench.plot; }
  ViewState& view() { return bench.plot.Current(); }
  MachineSettings& settings() { return bench.settings; }
  PixelPoint Screen(double x, double y, double z = 0, int turret = 1) {
    return WorldToScreen(bench.plot, bench.settings, bench.plot.current, x, y, z, turret);
  }
  void Arc(int plane, double first, double second, double radius, Point centre, int turret = 1) {
    DrawArc(bench.plot, bench.settings, turret, 0, 0, plane, first, second, radius, centre);
  }
  CadElement* Line(double x1, double y1, double x2, double y2) {
    return MakeElement(bench.cad.table, host, NextFreeSlot(bench.cad.table), ElementKind::kLine,
                       palette::kWhite, {x1, y1, 0, x2, y2, 0}, 0, 1, ElementState::kNormal, 0);
  }

  FakeHost host;
  Workbench bench;
  RecordingCanvas canvas;
};

}  // namespace vormak
