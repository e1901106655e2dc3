#pragma once
// A drawing, a plot window at 10 pixels per unit and a host with scripted dialog answers, for
// driving the CAD commands by their menu paths and picks.

#include <gtest/gtest.h>

#include <cmath>

#include "cad/cad_command_menu.h"
#include "fake_cad_view.h"
#include "support/fake_host.h"

namespace vormak {

class CommandTest : public ::testing::Test {
 protected:
  CadElement* Add(ElementKind kind, std::array<double, 6> d,
                  ElementState state = ElementState::kNormal) {
    return MakeElement(table, host, NextFreeSlot(table), kind, palette::kWhite, d, 0, 1, state, 1);
  }
  CadElement* Line(double x1, double y1, double x2, double y2) {
    return Add(ElementKind::kLine, {x1, y1, 0, x2, y2, 0});
  }
  CadElement* Circle(double x, double y, double r, double start = 0, double end = 360) {
    return Add(ElementKind::kArc, {x, y, 0, r, start, end});
  }
  void Run(const std::string& path) {
    auto command = MakeCadCommand(path);
    ASSERT_NE(command, nullptr) << path;
    runner.Start(context, std::move(command));
  }
  void Pick(double x, double y) {
    runner.Pick(context, {static_cast<int>(std::lround(400 + 10 * x)),
                          static_cast<int>(std::lround(300 - 10 * y))});
  }
  // The live elements in slot order.
  std::vector<CadElement*> Live() {
    std::vector<CadElement*> out;
    ForEachElement(table, [&](int, CadElement& e) {
      if (!e.deleted) out.push_back(&e);
    });
    return out;
  }
  CadElement* Last() { return table.At(table.high_water); }

  FakeHost host;
  ElementTable table;
  FakeCadView view;
  CadContext context{table, view, host};
  CommandRunner runner;
};

inline void ExpectData(const CadElement* e, std::array<double, 6> expected,
                       double tolerance = 1e-6) {
  ASSERT_NE(e, nullptr);
  for (size_t i = 0; i < 6; ++i) EXPECT_NEAR(e->d[i], expected[i], tolerance) << "d" << i + 1;
}

}  // namespace vormak
