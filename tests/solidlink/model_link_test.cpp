#include "solidlink/model_link.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "solidlink/recording_link.h"

namespace vormak::test {
namespace {

using Names = std::vector<std::string>;

constexpr double kRadian = 57.2957795131;

TEST(ModelLinkValues, SlidesInMetresFifteenInchesOut) {
  EXPECT_NEAR(ModelLinearValue(0), 0.381, 1e-4);
  EXPECT_DOUBLE_EQ(ModelLinearValue(0), 15 / 39.37);
  EXPECT_NEAR(ModelLinearValue(25), 40 / 39.37, 1e-12);
  EXPECT_DOUBLE_EQ(ModelLinearValue(-15), 0.001);
  EXPECT_DOUBLE_EQ(ModelLinearValue(-100), 0.001);
}

TEST(ModelLinkValues, AnglesBroughtIntoOneTurnInRadians) {
  EXPECT_NEAR(ModelAngularValue(370), 10 / kRadian, 1e-12);
  EXPECT_NEAR(ModelAngularValue(359.5), 359.01 / kRadian, 1e-12);
  EXPECT_NEAR(ModelAngularValue(-30), 330 / kRadian, 1e-12);
  EXPECT_NEAR(ModelAngularValue(0), 0.001 / kRadian, 1e-15);
  EXPECT_NEAR(ModelAngularValue(360), 359.01 / kRadian, 1e-12);
  EXPECT_NEAR(ModelAngularValue(1000), 280 / kRadian, 1e-12);
  // Two turns at most: what is left over is held at the ends of the range.
  EXPECT_NEAR(ModelAngularValue(1200), 359.01 / kRadian, 1e-12);
  EXPECT_NEAR(ModelAngularValue(-1000), 0.001 / kRadian, 1e-15);
}

TEST(ModelLinkValues, DimensionNames) {
  EXPECT_EQ(ModelDimensionName('X', "Slide1"), "D1@Xaxis@Slide1.Part");
  EXPECT_EQ(ModelDimensionName('C', "Table"), "D1@Caxis@Table.Part");
}

class ModelLinkSend : public ::testing::Test {
 protected:
  ModelLinkSend() {
    settings.sldwrks = {"SX", "SY", "SZ", "SA", "SB", "SC"};
    settings.use.Set(kUseSolidworks, true);
  }
  MachineSettings settings;
  RecordingLink link;
};

TEST_F(ModelLinkSend, SlidesThenRebuild) {
  SendLinearAxes(settings, &link, 1, 2, 3);
  EXPECT_EQ(link.Names(),
            (Names{"D1@Xaxis@SX.Part", "D1@Yaxis@SY.Part", "D1@Zaxis@SZ.Part", "rebuild"}));
  EXPECT_DOUBLE_EQ(link.events[1].value, ModelLinearValue(2));
}

TEST_F(ModelLinkSend, NothingWithoutTheOptionTheModelOrTheLink) {
  SendLinearAxes(settings, nullptr, 1, 2, 3);
  link.attached = false;
  SendLinearAxes(settings, &link, 1, 2, 3);
  link.attached = true;
  settings.use.Set(kUseSolidworks, false);
  SendLinearAxes(settings, &link, 1, 2, 3);
  EXPECT_TRUE(link.events.empty());
}

TEST_F(ModelLinkSend, RotaryAnglesOnlyWithRotaryOn) {
  SendAxisB(settings, &link, 90);
  EXPECT_TRUE(link.events.empty());
  settings.use.Set(kUseRotary, true);
  SendAxisB(settings, &link, 90);
  SendAxisC(settings, &link, 370);
  EXPECT_EQ(link.Names(), (Names{"D1@Baxis@SB.Part", "rebuild", "D1@Caxis@SC.Part", "rebuild"}));
  EXPECT_NEAR(link.events[0].value, 90 / kRadian, 1e-12);
  EXPECT_NEAR(link.events[2].value, 10 / kRadian, 1e-12);
}

TEST_F(ModelLinkSend, RefusedDimensionSkipsTheRestButStillRebuilds) {
  link.refused = "D1@Yaxis@SY.Part";
  SendLinearAxes(settings, &link, 1, 2, 3);
  EXPECT_EQ(link.Names(), (Names{"D1@Xaxis@SX.Part", "D1@Yaxis@SY.Part", "rebuild"}));
}

TEST_F(ModelLinkSend, FileLinesForAnotherCadProgram) {
  std::FILE* file = std::tmpfile();
  ASSERT_NE(file, nullptr);
  ModelLinkFile out(file);
  SendLinearAxes(settings, &out, 0, -15, 25);
  settings.use.Set(kUseRotary, true);
  SendAxisC(settings, &out, 370);
  std::rewind(file);
  std::string text;
  for (int c; (c = std::fgetc(file)) != EOF;) text += static_cast<char>(c);
  std::fclose(file);
  EXPECT_EQ(text,
            "D1@Xaxis@SX.Part=0.381000762\nD1@Yaxis@SY.Part=0.001\n"
            "D1@Zaxis@SZ.Part=1.016002032\nrebuild\nD1@Caxis@SC.Part=0.1745329252\nrebuild\n");
  EXPECT_TRUE(out.Good());
}

}  // namespace
}  // namespace vormak::test
