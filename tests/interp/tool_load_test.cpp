// Tools defined from the program: "TL " tool files and "TM " cutters.
#include <unistd.h>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "interp/interp_fixture.h"
#include "interp/tool_load.h"
#include "support/test_paths.h"

namespace vormak::test {
namespace {

namespace fs = std::filesystem;

class ToolLoadTest : public InterpFixture {
 protected:
  ToolLoadTest() {
    dir = fs::temp_directory_path() / ("vormak_tools_" + std::to_string(::getpid()) + "_" +
                                       std::to_string(reinterpret_cast<std::uintptr_t>(this)));
    fs::create_directories(dir);
    bench.settings.tool_path = dir.string();
    Lathe();
  }
  ~ToolLoadTest() override {
    std::error_code ignored;
    fs::remove_all(dir, ignored);
  }

  void Write(const std::string& name, const std::string& text) {
    fs::create_directories((dir / name).parent_path());
    std::ofstream(dir / name, std::ios::binary) << text;
  }
  const ToolShapes& tools() const { return bench.tools; }
  const ToolEntry& Entry(size_t i) const { return bench.tools.shape[0].entries[i]; }

  fs::path dir;
};

constexpr const char* kGroove =
    "CENTER_X=.1\r\nCENTER_Z=-.2\r\nTOOLNOSE_RADIUS=.008\r\n$TOOL=\"GROOVE ARC 35\"\r\n"
    "ORIENTATION=3.0\r\nTOOLNOSE_WIDTH=.125\r\nTOOLNOSE_ANGLE=5.0\r\nSYSTEM_TYPE=0\r\n"
    "VIEW   1,1.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,1.0\r\n"
    "LINE   .0,.0,.0,.125,.0,.0,15,1,0,1\r\n"
    "ARC    1.0,2.0,3.0,.5,.0,90.0,5,15,1,0,1\r\n"
    "CIRCLE  .0,.0,.0,.25,1,15,2,0\r\n"
    "POINT  .5,.5,.0,12,1,0\r\n"
    "POINT  .0,.0,.0,7,254,0\r\n"
    "ARC    .0,.0,.0,.3,.0,360.0,1,7,254,0,1\r\n"
    "ARC    .0,.0,.0,.3,.0,180.0,1,7,254,0,1\r\n"
    "CIRCLE  .1,.2,.0,.4,1,7,254,0\r\n";

TEST_F(ToolLoadTest, ToolFileGivesPictureSolidOutlineAndNoseRecord) {
  Write("groove.cdl", kGroove);  // written on another system: the program says GROOVE
  Lines({"(TL GROOVE)"});
  ASSERT_TRUE(tools().loaded[0]);
  EXPECT_EQ(tools().tool_name[0], "GROOVE");
  EXPECT_EQ(tools().tool_file_name, (dir / "groove.cdl").string());

  const ToolNose& nose = tools().turret[0];
  EXPECT_DOUBLE_EQ(nose.centre_x, .1);
  EXPECT_DOUBLE_EQ(nose.centre_z, -.2);
  EXPECT_DOUBLE_EQ(nose.nose_radius, .008);
  EXPECT_DOUBLE_EQ(nose.width, .125);  // reaches the grooving correction of compensation
  EXPECT_DOUBLE_EQ(nose.angle, 5);
  EXPECT_EQ(nose.orientation, 3);
  EXPECT_EQ(nose.name, "GROOVE ARC 35");  // a comment holding a keyword draws nothing

  EXPECT_EQ(Entry(0).d, (std::array<double, 9>{kToolLine, 0, 0, 0, .125, 0, 0, 0, 1}));
  // The arc's view 5 is stored as plane 3; its centre stays as written.
  EXPECT_EQ(Entry(1).d, (std::array<double, 9>{kToolArc, 1, 2, 3, .5, 0, 90, 3, 1}));
  EXPECT_EQ(Entry(2).d, (std::array<double, 9>{kToolCircle, 0, 0, 0, .25, 0, 0, 1, 2}));
  EXPECT_EQ(Entry(3).Kind(), kToolPoint);
  EXPECT_EQ(Entry(3).d[6], palette::kRed);
  EXPECT_EQ(Entry(4).Kind(), kToolEnd);

  // Solid layer: the point and the full circles; the half arc is no outline.
  const SolidOutline& solid = tools().solid[0];
  ASSERT_EQ(solid.points.size(), 1u);
  ASSERT_EQ(solid.circles.size(), 2u);
  EXPECT_DOUBLE_EQ(solid.circles[0].radius, .3);
  EXPECT_DOUBLE_EQ(solid.circles[1].x, .1);
  EXPECT_DOUBLE_EQ(solid.circles[1].radius, .4);
}

TEST_F(ToolLoadTest, ToolNamesFindFilesInFoldersAndAsGiven) {
  Write("sub/t1.cdl", "LINE   .0,.0,.0,1.0,.0,.0,15,1,0,1\r\n");
  Write("T2.TXT", "CIRCLE  .0,.0,.0,.25,1,15,1,0\r\n");
  EXPECT_TRUE(LoadToolShape(bench, 1, "(TL SUB\\T1)"));
  EXPECT_TRUE(LoadToolShape(bench, 1, "(TL sub/t1)"));
  EXPECT_TRUE(LoadToolShape(bench, 1, "(TL T2.TXT)"));  // an extension is kept
  EXPECT_EQ(Entry(0).Kind(), kToolCircle);
  // A full path stands as it is, whatever its case.
  EXPECT_TRUE(LoadToolShape(bench, 1, "(TL " + (dir / "sub" / "t1").string() + ")"));
  EXPECT_EQ(Entry(0).Kind(), kToolLine);
  // A drive-less colon ends the name.
  EXPECT_TRUE(LoadToolShape(bench, 1, "(TL SUB/T1:ROUGHING)"));
  EXPECT_EQ(tools().tool_name[0], "SUB/T1");
}

TEST_F(ToolLoadTest, MissingNamelessAndZeroToolsLeaveNoTool) {
  Write("a.cdl", kGroove);
  for (const char* line : {"(TL NOSUCH)", "(TL )", "(TL0)"}) {
    ASSERT_TRUE(LoadToolShape(bench, 1, "(TL A)"));
    EXPECT_FALSE(LoadToolShape(bench, 1, line)) << line;
    EXPECT_FALSE(tools().loaded[0]) << line;
    EXPECT_EQ(tools().turret[0].nose_radius, 0) << line;
    EXPECT_EQ(tools().turret[0].name, "") << line;
    EXPECT_EQ(tools().tool_name[0], "") << line;
  }
  LoadToolShape(bench, 1, "(TL NOSUCH)");
  EXPECT_EQ(host.prompt_panel, " Cannot open NOSUCH");
}

TEST_F(ToolLoadTest, LongAndDamagedFilesAreReadWithinBounds) {
  std::string many;
  for (int i = 0; i < 45; ++i)
    many += "LINE   .0,.0,.0," + std::to_string(i) + ",.0,.0,15,1,0,1\r\n";
  many += "CIRCLE  .0,.0,.0,1.0,1,7,254,0\r\n";
  Write("many.cdl", many);
  ASSERT_TRUE(LoadToolShape(bench, 1, "(TL MANY)"));
  EXPECT_EQ(bench.tools.shape[0].entries.back().d[4], 39);  // the 40th line, the rest unread
  EXPECT_TRUE(tools().solid[0].circles.empty());            // they came after the 40th

  std::string outline;
  for (int i = 0; i < 6; ++i) outline += "CIRCLE  .0,.0,.0,1.0,1,7,254,0\r\n";
  for (int i = 0; i < 12; ++i) outline += "POINT  .0,.0,.0,7,254,0\r\n";
  Write("outline.cdl", outline);
  ASSERT_TRUE(LoadToolShape(bench, 1, "(TL OUTLINE)"));
  EXPECT_EQ(tools().solid[0].circles.size(), 4u);
  EXPECT_EQ(tools().solid[0].points.size(), 10u);

  Write("bad.cdl", std::string("LINE   nan,inf,1e999,-1e300,.0,.0,15,1,0,1\r\n\0\x01\xff", 48) +
                       "TOOLNOSE_RADIUS=nan\r\nORIENTATION=1e300\r\n" + std::string(5000, 'A'));
  ASSERT_TRUE(LoadToolShape(bench, 1, "(TL BAD)"));
  for (double v : Entry(0).d) EXPECT_TRUE(std::isfinite(v));
  EXPECT_EQ(tools().turret[0].nose_radius, 0);

  Write("empty.cdl", "");
  EXPECT_TRUE(LoadToolShape(bench, 1, "(TL EMPTY)"));
  EXPECT_EQ(Entry(0).Kind(), kToolEnd);
}

TEST_F(ToolLoadTest, WidthOfTwiceTheRadiusIsNoWidth) {
  Write("round.cdl", "TOOLNOSE_RADIUS=.0625\r\nTOOLNOSE_WIDTH=.125\r\n");
  ASSERT_TRUE(LoadToolShape(bench, 1, "(TL ROUND)"));
  EXPECT_EQ(tools().turret[0].width, 0);
  // Read before the radius, the width stays.
  Write("order.cdl", "TOOLNOSE_WIDTH=.125\r\nTOOLNOSE_RADIUS=.0625\r\n");
  ASSERT_TRUE(LoadToolShape(bench, 1, "(TL ORDER)"));
  EXPECT_EQ(tools().turret[0].width, .125);
}

TEST_F(ToolLoadTest, MillCutterFromDiameterAndCornerRadius) {
  bench.settings.system_type = SystemType::kMill;
  Lines({"(TM 10)"});
  ASSERT_TRUE(tools().loaded[0]);
  EXPECT_EQ(Entry(0).d, (std::array<double, 9>{kToolCircle, 0, 0, 0, 5, 0, 0, 1, 0}));
  EXPECT_EQ(Entry(1).Kind(), kToolEnd);
  EXPECT_EQ(tools().turret[0].nose_radius, 5);
  EXPECT_EQ(tools().tool_name[0], "10.0x.0");

  Lines({"(TM 10,2)"});
  EXPECT_EQ(Entry(1).d, (std::array<double, 9>{kToolArc, 0, 0, 0, 5, 180, 360, 2, 0}));
  EXPECT_EQ(Entry(2).d, (std::array<double, 9>{kToolArc, 0, 0, 0, 5, 180, 360, 3, 0}));
  EXPECT_EQ(Entry(3).Kind(), kToolEnd);
  EXPECT_EQ(tools().mill_corner_radius, 2);
  ASSERT_EQ(tools().solid[0].circles.size(), 1u);
  EXPECT_EQ(tools().solid[0].circles[0].radius, 5);
  EXPECT_EQ(tools().tool_name[0], "10.0x2.0");
}

TEST_F(ToolLoadTest, StopOptionHaltsTheRunAfterAToolChange) {
  Write("a.cdl", kGroove);
  bench.settings.use.Set(kUseStopTlTm, true);
  Load("(TL A)\nG0 X1 Z1\n");
  RunProgram();
  EXPECT_TRUE(bench.stop_requested);
  EXPECT_TRUE(moves.empty());
}

TEST_F(ToolLoadTest, ShippedToolsAndCatalogueFilesLoad) {
  bench.settings.tool_path = SourceDataDir() + "/tools";
  for (const char* name : {"OD_ROUGH_R", "OD_ROUGH_L", "OD_FINISH_R", "OD_FINISH_L", "GROOVE_125",
                           "THREAD_60", "BORING_BAR", "EM_500", "BALL_250", "DRILL_250"}) {
    ASSERT_TRUE(LoadToolShape(bench, 1, std::string("(TL ") + name + ")")) << name;
    EXPECT_NE(Entry(0).Kind(), kToolEnd) << name;
    EXPECT_FALSE(tools().solid[0].Empty()) << name;
    EXPECT_FALSE(tools().turret[0].name.empty()) << name;
  }
  LoadToolShape(bench, 1, "(TL GROOVE_125)");
  EXPECT_EQ(tools().turret[0].width, .125);
}

}  // namespace
}  // namespace vormak::test
