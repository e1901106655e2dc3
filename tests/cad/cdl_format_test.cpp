#include <cmath>

#include "cad/drawing_text.h"
#include "drawing_fixture.h"

namespace vormak::test {
namespace {

using CdlTest = DrawingTest;

constexpr const char* kViewHeader =
    "VIEW   1,1.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,1.0\r\n"
    "VIEW   2,1.0,0.0,0.0,0.0,0.0,-1.0,0.0,1.0,0.0\r\n"
    "VIEW   3,0.0,0.0,1.0,1.0,0.0,0.0,0.0,1.0,0.0\r\n";

TEST_F(CdlTest, WritesEveryRecordByteForByte) {
  AddEveryKind();
  Add(ElementKind::kLine, {9, 9, 9, 9, 9, 9})->deleted = true;  // deleted: not written
  Add(ElementKind::kLine, {0, 0, 0, 1, 1, 0}, Rgb(1, 2, 3));    // not in the palette: Lime
  EXPECT_EQ(CdlText(bench, false), std::string(kViewHeader) +
                                       "LINE   .0,.0,.0,1.0,2.5,.0,12,1,0,1\r\n"
                                       "LINE   -3.25,4.0,1.0,7.0,-8.0,2.0,9,7,2,1\r\n"
                                       "ARC    1.0,2.0,3.0,4.0,10.0,100.0,1,11,3,0,1\r\n"
                                       "ARC    1.0,3.0,-2.0,1.5,30.0,200.0,2,4,4,0,1\r\n"
                                       "ARC    5.0,-2.0,-1.0,2.0,45.0,315.0,3,13,5,3,1\r\n"
                                       "ARC    .0,.0,.0,5.0,.0,360.0,1,15,254,0,1\r\n"
                                       "POINT  2.0,3.0,4.0,1,9,0\r\n"
                                       "TEXT  1.0,2.0,`HOLE A`,0,1,1,1,4,2,0,0,0,0\r\n"
                                       "ARROW  1.0,1.0,.0,45.0,2,10,2\r\n"
                                       "LEADER  3.0,4.0,.0,.0,.1,0,1,10,2\r\n"
                                       "WITNESS  .0,.0,5.0,.0,3,10,2\r\n"
                                       "LINE   .0,.0,.0,1.0,1.0,.0,10,1,0,1\r\n");
}

// A witness line shorter than the file's last decimal writes as zero length, and an arc whose
// radius is below it as radius .0: either opens as nothing, so neither is written, and saving
// the opened drawing again gives the same file.
TEST_F(CdlTest, ElementsTooSmallToWriteAreLeftOut) {
  Add(ElementKind::kWitness, {2e-150, 0, 0, 0, 0, 0})->view = 1;
  Add(ElementKind::kWitness, {0.1, 0, 0, 0, 0, 0})->view = 1;
  Add(ElementKind::kWitness, {0, -1e-9, 0, 0, 0, 0})->view = 1;  // "-.0" reads as ".0"
  Add(ElementKind::kArc, {1, 2, 0, 2e-6, 0, 360});
  Add(ElementKind::kArc, {1, 2, 0, 0.5, 0, 90});
  const std::string text = CdlText(bench, false);
  EXPECT_EQ(text.find("WITNESS  .0,.0,.0,.0"), std::string::npos);
  EXPECT_EQ(text.find("WITNESS  .0,-.0,.0,.0"), std::string::npos);
  EXPECT_NE(text.find("WITNESS  .1,.0,.0,.0"), std::string::npos);
  EXPECT_EQ(text.find("ARC    1.0,2.0,.0,.0,"), std::string::npos);
  EXPECT_NE(text.find("ARC    1.0,2.0,.0,.5,.0,90.0"), std::string::npos);
  const std::string file = folder.File("small.cdl");
  ASSERT_TRUE(WriteCdl(bench, file, false));
  ASSERT_TRUE(ReadDrawing(bench, file, DrawingFileType::kCdl, ReadMode::kLoad));
  EXPECT_EQ(CdlText(bench, false), text);
}

TEST_F(CdlTest, EveryKindAndPlaneComesBack) {
  AddEveryKind();
  const auto written = Elements();
  const std::string file = folder.File("part.cdl");
  ASSERT_TRUE(WriteCdl(bench, file, false));
  EXPECT_EQ(bench.cad_file_name, file);
  ClearDrawing(table);
  ASSERT_TRUE(ReadCdl(bench, file, ReadMode::kLoad));
  const auto read = Elements();
  ASSERT_EQ(read.size(), written.size());
  for (size_t i = 0; i < read.size(); ++i) {
    SCOPED_TRACE(i);
    ExpectSameGeometry(read[i], written[i]);
    EXPECT_EQ(read[i].colour, written[i].colour);
    EXPECT_EQ(read[i].layer, written[i].layer);
    EXPECT_EQ(read[i].text, written[i].text);
    EXPECT_EQ(read[i].state, ElementState::kNormal);
  }
  EXPECT_EQ(read[3].view, 2);  // the arc planes
  EXPECT_EQ(read[4].view, 3);
  EXPECT_EQ(read[1].style, 2);
  EXPECT_FALSE(table.modified);
  // The saved file reads back into the same file.
  EXPECT_EQ(CdlText(bench, false), folder.Read("part.cdl"));
}

TEST_F(CdlTest, ArcViewsWithoutViewRecords) {
  const std::string file =
      folder.Write("v.cdl",
                   "ARC    1.0,2.0,3.0,1.0,10.0,20.0,5,12,1,0,1\r\n"  // code 5: (w, u, v), plane 3
                   "ARC    1.0,2.0,3.0,1.0,10.0,20.0,3,12,1,0,1\r\n"  // code 3: (-u, w, v), 180 - a
                   "ARC    1.0,2.0,3.0,1.0,10.0,20.0,4,12,1,0,1\r\n"  // code 4: (u, -v, -w), -a
                   "ARC    1.0,2.0,3.0,1.0,300.0,.00001,1,12,1,0,1\r\n"  // end 0 becomes 360
                   "ARC    1.0,2.0,3.0,1.0,10.0,20.0,44,12,1,0,1\r\n"    // outside 1..10: view 1
                   "ARC    1.0,2.0,3.0,.0,10.0,20.0,1,12,1,0,1\r\n");    // radius 0: skipped
  ASSERT_TRUE(ReadCdl(bench, file, ReadMode::kLoad));
  const auto e = Elements();
  ASSERT_EQ(e.size(), 5u);
  ExpectGeometry(e[0], ElementKind::kArc, {3, 1, 2, 1, 10, 20});
  EXPECT_EQ(e[0].view, 3);
  ExpectGeometry(e[1], ElementKind::kArc, {-1, 3, 2, 1, 160, 170});
  EXPECT_EQ(e[1].view, 2);
  ExpectGeometry(e[2], ElementKind::kArc, {1, -2, -3, 1, 340, 350});
  ExpectGeometry(e[3], ElementKind::kArc, {1, 2, 3, 1, 300, 360});
  ExpectGeometry(e[4], ElementKind::kArc, {1, 2, 3, 1, 10, 20});
  EXPECT_EQ(e[0].colour, palette::kRed);
}

TEST_F(CdlTest, ViewRecordsRebindNumbers) {
  const std::string file =
      folder.Write("m.cdl",
                   "VIEW   7,-1.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,-1.0\r\n"  // mirrored top: code 44
                   "VIEW   2,2.0,0.0,0.0,0.0,2.0,0.0,0.0,0.0,2.0\r\n"    // no pattern: stays code 2
                   "ARC    1.0,2.0,3.0,1.0,10.0,20.0,7,12,1,0,1\r\n"
                   "ARC    1.0,2.0,3.0,1.0,10.0,20.0,2,12,1,0,1\r\n"
                   "CIRCLE 1.0,2.0,3.0,2.0,4,12,1,0\r\n"
                   "CIRCLE 1.0,2.0,3.0,2.0,3,12,1,0\r\n");
  ASSERT_TRUE(ReadCdl(bench, file, ReadMode::kLoad));
  const auto e = Elements();
  ASSERT_EQ(e.size(), 4u);
  ExpectGeometry(e[0], ElementKind::kArc, {-1, 2, 3, 1, 160, 170});
  ExpectGeometry(e[1], ElementKind::kArc, {1, -3, 2, 1, 10, 20});
  ExpectGeometry(e[2], ElementKind::kArc, {1, -2, -3, 2, 0, 360});
  EXPECT_EQ(e[3].view, 2);
  ExpectGeometry(e[3], ElementKind::kArc, {1, 2, 3, 2, 0, 360});
}

// A mirrored top view turns an arc over without taking an end below its start a turn further;
// the top view the arc is saved in does. Saved as the drawing holds it, such an arc would open
// a turn further and save differently the next time, so it is saved as it will open.
TEST_F(CdlTest, ArcsFromMirroredViewsSaveAsTheyOpen) {
  const std::string file =
      folder.Write("mirrored.cdl",
                   "VIEW   7,-1.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,-1.0\r\n"
                   "ARC    .0,.0,.0,5.0,-10.0,-300.0,4,12,1,0,1\r\n"    // 300 to 10
                   "ARC    .0,.0,.0,5.0,.0,-345.95,4,12,1,0,1\r\n"      // 345.95 to -0
                   "ARC    .0,.0,.0,5.0,170.0,-120.0,7,12,1,0,1\r\n");  // 300 to 10
  ASSERT_TRUE(ReadCdl(bench, file, ReadMode::kLoad));
  const std::string text = CdlText(bench, false);
  EXPECT_EQ(text, std::string(kViewHeader) +
                      "ARC    .0,-.0,-.0,5.0,300.0,370.0,1,12,1,0,1\r\n"
                      "ARC    .0,-.0,-.0,5.0,345.95,360.0,1,12,1,0,1\r\n"
                      "ARC    -.0,.0,.0,5.0,300.0,370.0,1,12,1,0,1\r\n");
  const std::string saved = folder.File("saved.cdl");
  ASSERT_TRUE(WriteCdl(bench, saved, false));
  ASSERT_TRUE(ReadDrawing(bench, saved, DrawingFileType::kCdl, ReadMode::kLoad));
  EXPECT_EQ(CdlText(bench, false), text);
}

TEST_F(CdlTest, TextQuotingKeepsFieldsAndKeywordsApart) {
  const std::string file =
      folder.Write("t.cdl",
                   "TEXT  1.0,2.0,'A,B',0,1,1,2,12,5,0,0,0,0\r\n"
                   "TEXT  1.0,2.0,`ARC LINE`,0,1,1,1,0,5,0,0,0,0\r\n"
                   "TEXT  1.0,2.0,`DON'T`,0,1,1,1,12,5,0,0,0,0\r\n"
                   "TEXT  .0,.0,`ABCDEFGHIJKLMNOPQRSTUVW`,0,1,1,1,12,5,0,0,0,0\r\n"
                   "TEXT  .0,.0,`ABCDEFGHIJKLMNOPQRSTUVWX`,0,1,1,1,12,5,0,0,0,0\r\n"
                   "NNOTE 3.0,4.0,'NOTE\r\n");
  ASSERT_TRUE(ReadCdl(bench, file, ReadMode::kLoad));
  const auto e = Elements();
  ASSERT_EQ(e.size(), 6u);
  EXPECT_EQ(e[0].text, "A,B");
  EXPECT_EQ(e[0].view, 2);
  EXPECT_EQ(e[0].colour, palette::kRed);
  EXPECT_EQ(e[0].layer, 5);
  EXPECT_EQ(e[1].text, "ARC LINE");          // and no arc, no line
  EXPECT_EQ(e[1].colour, palette::kSilver);  // index 0 on a black screen
  EXPECT_EQ(e[2].text, "DON'T");
  EXPECT_EQ(e[3].text, "ABCDEFGHIJKLMNOPQRSTUVW");  // 23 characters stay whole
  EXPECT_EQ(e[4].text, "ABCDEFGHIJKLMNOPQRSTUV");   // 24 keep their first 22
  EXPECT_EQ(e[5].text, "NOTE");
  EXPECT_EQ(e[5].layer, 1);
  EXPECT_EQ(e[5].colour, palette::kWhite);
}

TEST_F(CdlTest, AnnotationRecords) {
  bench.plot.background = palette::kWhite;
  const std::string file =
      folder.Write("a.cdl",
                   "LEADER  3.0,4.0,.0,.0,.1,0,9,0,2\r\n"
                   "WITNESS  1.0,1.0,1.0,1.0,1,12,2\r\n"  // zero length: skipped
                   "ARROW  1.0,1.0,.0,45.0,2,15,0\r\n"
                   "VLINE  1,2,3,4,5,6,9,12,255,3\r\n"
                   "VPOINT 1,2,3,9,12,7\r\n"
                   "SPLINE 1,2,3,4\r\n");
  ASSERT_TRUE(ReadCdl(bench, file, ReadMode::kLoad));
  const auto e = Elements();
  ASSERT_EQ(e.size(), 4u);
  EXPECT_EQ(e[0].kind, ElementKind::kLeader);
  ExpectGeometry(e[0], ElementKind::kLeader, {0, 0, 3, 4, std::atan2(4.0, 3.0), 0});
  EXPECT_EQ(e[0].view, 1);                 // 9 is no view: 1
  EXPECT_EQ(e[0].colour, palette::kLime);  // Black becomes Lime
  EXPECT_EQ(e[1].kind, ElementKind::kArrow);
  EXPECT_EQ(e[1].colour, palette::kSilver);  // White on a white screen
  EXPECT_EQ(e[1].layer, kStrayLayer);
  EXPECT_EQ(e[2].kind, ElementKind::kLine);
  EXPECT_EQ(e[2].style, 3);
  EXPECT_EQ(e[2].layer, kStrayLayer);
  EXPECT_EQ(e[3].kind, ElementKind::kPoint);
  EXPECT_EQ(e[3].layer, 7);
}

TEST_F(CdlTest, ToolFileHeaderFillsTheCurrentTurret) {
  bench.tools.current_turret = 2;
  ToolNose& tool = bench.tools.Current();
  tool = {0.5, -1.25, 0.031, 35, 0.2, 3, "VNMG 332"};
  Add(ElementKind::kLine, {0, 0, 0, 1, 1, 0});
  const std::string text = CdlText(bench, true);
  EXPECT_EQ(text.substr(0, text.find("VIEW")),
            "CENTER_X=.5\r\nCENTER_Z=-1.25\r\nTOOLNOSE_RADIUS=.031\r\n$TOOL=\"VNMG 332\"\r\n"
            "ORIENTATION=3.0\r\nTOOLNOSE_WIDTH=.2\r\nTOOLNOSE_ANGLE=35.0\r\nSYSTEM_TYPE=0\r\n");
  const std::string file = folder.File("tool5.cdl");
  ASSERT_TRUE(WriteCdl(bench, file, true));
  EXPECT_EQ(bench.tools.tool_file_name, file);
  EXPECT_EQ(bench.cad_file_name, "");
  tool = {};
  ASSERT_TRUE(ReadCdl(bench, file, ReadMode::kTool));
  EXPECT_EQ(tool.centre_x, 0.5);
  EXPECT_EQ(tool.centre_z, -1.25);
  EXPECT_EQ(tool.nose_radius, 0.031);
  EXPECT_EQ(tool.angle, 35);
  EXPECT_EQ(tool.width, 0.2);
  EXPECT_EQ(tool.orientation, 3);
  EXPECT_EQ(tool.name, "VNMG 332");
  EXPECT_EQ(bench.tools.turret[0].name, "");
  EXPECT_EQ(Elements().size(), 1u);
  // A plain load of a tool file leaves the tool alone and draws its shape.
  tool = {};
  ASSERT_TRUE(ReadCdl(bench, file, ReadMode::kLoad));
  EXPECT_EQ(tool.name, "");
  EXPECT_EQ(Elements().size(), 1u);
}

TEST_F(CdlTest, ToolNamesAreCutAndNeverRecords) {
  const std::string file =
      folder.Write("t.cdl",
                   "$TOOL=\"ARC LINE TOOL 1234567890123456789012345678901234567890\"\r\n"
                   "ORIENTATION=2.6\r\n");
  ASSERT_TRUE(ReadCdl(bench, file, ReadMode::kTool));
  EXPECT_EQ(bench.tools.Current().name.size(), kToolNameLength);
  EXPECT_EQ(bench.tools.Current().orientation, 3);
  EXPECT_TRUE(Elements().empty());
}

TEST_F(CdlTest, MergeAddsAndKeepsTheName) {
  Add(ElementKind::kPoint, {1, 1, 0, 0, 0, 0});
  bench.cad_file_name = "first.cdl";
  const std::string file = folder.Write("m.cdl", "POINT  2.0,2.0,.0,12,1,0\r\n");
  ASSERT_TRUE(ReadCdl(bench, file, ReadMode::kMerge));
  EXPECT_EQ(Elements().size(), 2u);
  EXPECT_EQ(bench.cad_file_name, "first.cdl");
  EXPECT_TRUE(table.modified);
}

TEST_F(CdlTest, TooManyCommasReadZero) {
  const std::string file = folder.Write(
      "c.cdl", "LINE   1,2,3,4,5,6,12,1,0,1,,,,,,,,,,,,,,,,,,\r\nPOINT 5,5,0,12,1\r\n");
  ASSERT_TRUE(ReadCdl(bench, file, ReadMode::kLoad));
  const auto e = Elements();
  ASSERT_EQ(e.size(), 2u);
  ExpectGeometry(e[0], ElementKind::kLine, {0, 0, 0, 0, 0, 0});
  EXPECT_EQ(e[1].d[0], 5);
}

TEST_F(CdlTest, FailedOpenKeepsTheDrawingAndSaysSo) {
  Add(ElementKind::kPoint, {1, 1, 0, 0, 0, 0});
  bench.cad_file_name = "shown.cdl";
  const std::string missing = folder.File("missing.cdl");
  EXPECT_FALSE(ReadCdl(bench, missing, ReadMode::kLoad));
  EXPECT_EQ(Elements().size(), 1u);
  EXPECT_EQ(bench.cad_file_name, "shown.cdl");
  EXPECT_EQ(host.prompt_panel, "Cannot open file " + missing);
  EXPECT_TRUE(host.Showed("FILE NOT FOUND"));
  EXPECT_FALSE(ReadCdl(bench, folder.path(), ReadMode::kLoad));  // a folder
  EXPECT_EQ(Elements().size(), 1u);
}

TEST_F(CdlTest, FailedWriteLeavesTheOldFile) {
  Add(ElementKind::kPoint, {1, 1, 0, 0, 0, 0});
  const std::string bad = folder.File("no/such/dir/x.cdl");
  EXPECT_FALSE(WriteCdl(bench, bad, false));
  EXPECT_EQ(host.prompt_panel, "File Error; " + bad);
  EXPECT_EQ(bench.cad_file_name, "");
  EXPECT_FALSE(host.messages.empty());
}

TEST_F(CdlTest, FileNamesAreFoundWithoutRegardToCase) {
  folder.Write("TOOL5.CDL", "POINT  2.0,2.0,.0,12,1,0\r\n");
  EXPECT_TRUE(ReadCdl(bench, folder.File("tool5.cdl"), ReadMode::kLoad));
  EXPECT_EQ(Elements().size(), 1u);
}

TEST_F(CdlTest, CommentCodeLoadsFromTheDrawingFolder) {
  folder.Write("part7.cdl", "POINT  2.0,2.0,.0,12,1,0\r\n");
  bench.settings.cdl_path = folder.path();
  bench.settings.end_comment_char = ")";
  EXPECT_TRUE(LoadDrawingFromComment(bench, " part7  )"));
  EXPECT_EQ(Elements().size(), 1u);
  EXPECT_EQ(bench.cad_file_name, folder.File("part7.cdl"));
  EXPECT_FALSE(LoadDrawingFromComment(bench, " nothing)"));
  EXPECT_EQ(Elements().size(), 1u);
}

TEST_F(CdlTest, MirroredLatheExtents) {
  bench.settings.mirror_lathe_cad = true;
  const std::string file = folder.Write("l.cdl", "LINE   .0,1.0,.0,2.0,3.0,.0,12,1,0,1\r\n");
  ASSERT_TRUE(ReadCdl(bench, file, ReadMode::kLoad));
  EXPECT_EQ(table.extents.max_y, 3);
  EXPECT_EQ(table.extents.min_y, -3);
}

}  // namespace
}  // namespace vormak::test
