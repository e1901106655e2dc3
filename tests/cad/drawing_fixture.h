#pragma once
// A workbench with a scripted host and a scratch folder for the drawing-file tests, and a few
// helpers that put elements in the table and compare them.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../settings/temp_folder.h"
#include "cad/drawing_files.h"
#include "cad/element_table.h"
#include "support/fake_host.h"
#include "workbench/workbench.h"

namespace vormak::test {

class DrawingTest : public ::testing::Test {
 protected:
  FakeHost host;
  Workbench bench{host};
  TempFolder folder;
  ElementTable& table = bench.cad.table;

  CadElement* Add(ElementKind kind, std::array<double, 6> d, std::int32_t colour = palette::kRed,
                  int layer = 1, int style = 0, int view = 0, const std::string& text = {}) {
    return MakeElement(table, host, NextFreeSlot(table), kind, colour, d, style, layer,
                       ElementState::kNormal, view, text);
  }
  // Live elements in slot order.
  std::vector<CadElement> Elements() const {
    std::vector<CadElement> out;
    for (int slot = 1; slot <= table.high_water; ++slot) {
      const CadElement* e = table.At(slot);
      if (e != nullptr && !e->deleted) out.push_back(*e);
    }
    return out;
  }
  // One of each kind, arcs in all three planes.
  void AddEveryKind() {
    Add(ElementKind::kLine, {0, 0, 0, 1, 2.5, 0}, palette::kRed, 1, 0);
    Add(ElementKind::kLine, {-3.25, 4, 1, 7, -8, 2}, palette::kBlue, 7, 2);
    Add(ElementKind::kArc, {1, 2, 3, 4, 10, 100}, palette::kAqua, 3, 0, 1);
    Add(ElementKind::kArc, {1, 2, 3, 1.5, 30, 200}, palette::kYellow, 4, 0, 2);
    Add(ElementKind::kArc, {-1, 5, -2, 2, 45, 315}, palette::kMagenta, 5, 3, 3);
    Add(ElementKind::kArc, {0, 0, 0, 5, 0, 360}, palette::kWhite, 254, 0, 1);
    Add(ElementKind::kPoint, {2, 3, 4, 0, 0, 0}, palette::kGreen, 9, 0);
    Add(ElementKind::kText, {1, 2, 0, 0, 0, 0}, palette::kYellow, 2, 0, 1, "HOLE A");
    Add(ElementKind::kArrow, {1, 1, 0, 45, 0, 0}, palette::kLime, 2, 0, 2);
    Add(ElementKind::kLeader, {0, 0, 3, 4, 0.927295218, 0}, palette::kLime, 2, 0, 1);
    Add(ElementKind::kWitness, {0, 0, 0, 5, 0, 0}, palette::kLime, 2, 0, 3);
  }
};

inline void ExpectSameGeometry(const CadElement& a, const CadElement& b) {
  EXPECT_EQ(a.kind, b.kind);
  for (size_t i = 0; i < 6; ++i) EXPECT_NEAR(a.d[i], b.d[i], 1e-4) << "d" << i + 1;
}

}  // namespace vormak::test

namespace vormak::test {

inline void ExpectGeometry(const CadElement& e, ElementKind kind, std::array<double, 6> d) {
  EXPECT_EQ(e.kind, kind);
  for (size_t i = 0; i < 6; ++i) EXPECT_NEAR(e.d[i], d[i], 1e-4) << "d" << i + 1;
}

}  // namespace vormak::test
