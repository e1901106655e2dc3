#pragma once
// A workbench with a drawing, a plot window at 100 pixels per unit, the moves its runs draw,
// and helpers to drive the tool-path commands by picks and to plot blocks back.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "cad/cad_session.h"
#include "cad/element_table.h"
#include "cad/fake_cad_view.h"
#include "cam/cam_commands.h"
#include "interp/interp_fixture.h"
#include "nctext/pane_services.h"
#include "settings/word_format.h"
#include "support/test_paths.h"
#include "workbench/machine_file.h"

namespace vormak::test {

class CamTest : public ::testing::Test, public InterpHarness {
 protected:
  CamTest() {
    view.scale = 100;
    Machine("mill");
  }
  // The shipped machine file, word formats and all.
  void Machine(const std::string& name) {
    bench.machines.Slot(1).path = SourceDataDir() + "/machines/" + name + ".ini";
    ASSERT_TRUE(LoadMachineSettings(bench, 1)) << name;
    FillFormatSet1(bench.word_formats, bench.settings);
    bench.settings.use.Set(kUseArcOutputR, false);
    bench.settings.use.Set(kUseCutterComp, false);
    bench.settings.use.Set(kUseSpindle, false);
    bench.settings.use.Set(kUseTools, false);
    for (TurretState& ts : bench.interp.turret) SetGDefaults(ts);
  }
  void LatheMachine(bool diameter = true) {
    Machine("lathe");
    bench.settings.x_radius = !diameter;
  }
  int Add(ElementKind kind, std::array<double, 6> d) {
    const int slot = NextFreeSlot(bench.cad.table);
    MakeElement(bench.cad.table, host, slot, kind, palette::kWhite, d, 0, 1, ElementState::kNormal,
                1);
    return slot;
  }
  int LineEl(double x1, double y1, double x2, double y2) {
    return Add(ElementKind::kLine, {x1, y1, 0, x2, y2, 0});
  }
  int ArcEl(double x, double y, double r, double a1, double a2) {
    return Add(ElementKind::kArc, {x, y, 0, r, a1, a2});
  }
  void Command(const std::string& code) {
    auto command = MakeCamCommand(bench, code);
    ASSERT_NE(command, nullptr) << code;
    StartCadCommand(bench, view, std::move(command));
  }
  void Pick(double x, double y) { CadPick(bench, view, view.WorldToPixel({x, y, 0})); }

  // The moves of `lines` run one after another from a fresh modal state.
  std::vector<DrawnMove> PlotBack(const std::vector<std::string>& lines) {
    moves.clear();
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    Load(text);
    RunProgram();
    return moves;
  }

  FakeCadView view;
};

// Points along a drawn move (both ends included).
inline std::vector<Xyz> Along(const DrawnMove& m, int steps = 16) {
  std::vector<Xyz> out;
  if (m.direction == 0) {
    for (int i = 0; i <= steps; ++i) {
      const double f = static_cast<double>(i) / steps;
      out.push_back(
          {m.start.x + f * (m.end.x - m.start.x), m.start.y + f * (m.end.y - m.start.y), 0});
    }
    return out;
  }
  const double a0 = std::atan2(m.start.y - m.centre.y, m.start.x - m.centre.x);
  const double r = std::hypot(m.start.x - m.centre.x, m.start.y - m.centre.y);
  for (int i = 0; i <= steps; ++i) {
    const double a = a0 + m.sweep * kPi / 180 * i / steps;
    out.push_back({m.centre.x + r * std::cos(a), m.centre.y + r * std::sin(a), 0});
  }
  return out;
}

}  // namespace vormak::test
