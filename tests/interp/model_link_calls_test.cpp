// The places of a plot that tell a linked CAD model where the machine is: rotary words, a
// block's own move and each leg of a drilling cycle.
#include "interp/model_link_calls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "interp/apt_output.h"
#include "interp_fixture.h"
#include "settings/temp_folder.h"
#include "solidlink/recording_link.h"

namespace vormak::test {
namespace {

constexpr double kRadian = 57.2957795131;

// One send of the three slides: the X, Y and Z values in inches.
struct Slides {
  double x, y, z;
};

class ModelLinkCalls : public InterpFixture {
 protected:
  ModelLinkCalls() {
    bench.settings.sldwrks = {"SX", "SY", "SZ", "SA", "SB", "SC"};
    bench.settings.use.Set(kUseSolidworks, true);
    bench.interp.model_link = &link;
  }

  // The slide positions sent, in order, back in program inches.
  std::vector<Slides> SlidesSent() const {
    std::vector<Slides> sent;
    const auto inches = [](double metres) { return metres * 39.37 - 15; };
    for (size_t i = 0; i + 2 < link.events.size(); ++i) {
      if (link.events[i].name != "D1@Xaxis@SX.Part") continue;
      sent.push_back({inches(link.events[i].value), inches(link.events[i + 1].value),
                      inches(link.events[i + 2].value)});
    }
    return sent;
  }

  // The angles sent for one rotary dimension, in degrees.
  std::vector<double> AnglesSent(const std::string& name) const {
    std::vector<double> sent;
    for (const auto& e : link.events) {
      if (e.name == name) sent.push_back(e.value * kRadian);
    }
    return sent;
  }

  RecordingLink link;
};

void ExpectSlides(const std::vector<Slides>& sent, const std::vector<Slides>& expected) {
  ASSERT_EQ(sent.size(), expected.size());
  for (size_t i = 0; i < sent.size(); ++i) {
    EXPECT_NEAR(sent[i].x, expected[i].x, 1e-9) << "send " << i;
    EXPECT_NEAR(sent[i].y, expected[i].y, 1e-9) << "send " << i;
    EXPECT_NEAR(sent[i].z, expected[i].z, 1e-9) << "send " << i;
  }
}

TEST_F(ModelLinkCalls, EachBlockMoveSendsItsEndPoint) {
  Lines({"G00 X1. Y2. Z3.", "G01 X4. F10.", "G01 X4.", "G02 X5. Y1. I0 J-1."});
  // The block that does not move sends nothing.
  ExpectSlides(SlidesSent(), {{1, 2, 3}, {4, 2, 3}, {5, 1, 3}});
  EXPECT_EQ(link.Names().back(), "rebuild");
}

TEST_F(ModelLinkCalls, DrillingLegsWhileNoAptFileIsWritten) {
  Lines({"G00 X0 Y0 Z1.", "G99 G81 X1. Y1. Z-.5 R.1 F5.", "G98 X2."});
  ExpectSlides(SlidesSent(), {{0, 0, 1},
                              // over the hole, R level, bottom, back to R (G99)
                              {1, 1, 1},
                              {1, 1, .1},
                              {1, 1, -.5},
                              {1, 1, .1},
                              // G98: the next hole starts from R, its initial level now
                              {2, 1, .1},
                              {2, 1, .1},
                              {2, 1, -.5},
                              {2, 1, .1}});
  link.events.clear();
  TempFolder folder;
  ASSERT_TRUE(OpenAptOutput(bench, folder.File("p.apt")));
  Lines({"G80", "G00 X0 Y0 Z1.", "G99 G81 X1. Y1. Z-.5 R.1 F5."});
  CloseAptOutput(bench);
  ExpectSlides(SlidesSent(), {{0, 0, 1}, {1, 1, 1}});
}

TEST_F(ModelLinkCalls, RotaryAnglesAfterTheWords) {
  bench.settings.use.Set(kUseRotary, true);
  Lines({"G00 B90.", "G00 B90.", "G00 C370.", "G00 C370."});
  // B is sent when it changes or is 0, C likewise.
  const auto b = AnglesSent("D1@Baxis@SB.Part");
  ASSERT_FALSE(b.empty());
  EXPECT_NEAR(b.front(), 90, 1e-9);
  for (double angle : b) EXPECT_NEAR(angle, 90, 1e-9);
  const auto c = AnglesSent("D1@Caxis@SC.Part");
  ASSERT_GE(c.size(), 3u);
  EXPECT_NEAR(c[0], 0.001, 1e-9);  // the first two blocks: C still 0
  EXPECT_NEAR(c.back(), 10, 1e-9);
}

TEST_F(ModelLinkCalls, LatheAndOptionOffSendNothing) {
  bench.settings.use.Set(kUseSolidworks, false);
  Lines({"G00 X1. Y2. Z3.", "G81 X1. Y1. Z-.5 R.1 F5."});
  EXPECT_TRUE(link.events.empty());
  bench.settings.use.Set(kUseSolidworks, true);
  Lathe();
  Lines({"G80", "G00 X2. Z3."});
  EXPECT_TRUE(link.events.empty());
}

}  // namespace
}  // namespace vormak::test
