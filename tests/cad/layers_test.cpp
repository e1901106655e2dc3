#include <gtest/gtest.h>

#include "cad/layers.h"

namespace vormak {
namespace {

TEST(Layers, CurrentLayerField) {
  EXPECT_EQ(CurrentLayerFromField("S", 254), 254);
  EXPECT_EQ(CurrentLayerFromField("1S", 200), 200);
  EXPECT_EQ(CurrentLayerFromField("17", 254), 17);
  EXPECT_EQ(CurrentLayerFromField(" 254 ", 200), 254);
  for (const char* bad : {"0", "255", "-3", "1000", "", "abc", "2.5"}) {
    EXPECT_EQ(CurrentLayerFromField(bad, 254), 1) << bad;
  }
  EXPECT_EQ(LayerPanelText(12), "L 12");
}

TEST(Layers, ChecksRoundTrip) {
  ElementTable table;
  table.SetLayerVisible(3, false);
  LayerChecks checks = LayerChecksOf(table);
  EXPECT_FALSE(checks[2]);
  EXPECT_TRUE(checks[0]);
  checks[2] = true;
  checks[253] = false;
  ApplyLayerChoice(table, 9, checks);
  EXPECT_TRUE(table.LayerVisible(3));
  EXPECT_FALSE(table.LayerVisible(254));
  EXPECT_EQ(table.current_layer, 9);
}

}  // namespace
}  // namespace vormak
