#include "cad/drawing_text.h"
#include "drawing_fixture.h"

namespace vormak::test {
namespace {

using DxfTest = DrawingTest;

std::string Lines(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) text += std::string(line) + "\r\n";
  return text;
}

TEST_F(DxfTest, OneRedLineExactly) {
  Add(ElementKind::kLine, {0, 0, 0, 1, 2.5, 0}, palette::kRed, 1);
  EXPECT_EQ(DxfText(bench),
            Lines({"  0", "SECTION", "  2", "ENTITIES", "  0", "LINE",   "8",   "1",  "10",
                   ".0",  "20",      ".0",  "30",       ".0",  "11",     "1.0", "21", "2.5",
                   "31",  ".0",      "62",  "1",        "0",   "ENDSEC", "0",   "EOF"}));
}

TEST_F(DxfTest, ArcsPointsAndWhatIsNotWritten) {
  Add(ElementKind::kArc, {1, 2, 0, 3, 10, 80}, palette::kAqua, 4);
  Add(ElementKind::kPoint, {1, 2, 3, 0, 0, 0}, Rgb(7, 7, 7), 2);
  Add(ElementKind::kText, {1, 2, 0, 0, 0, 0}, palette::kRed, 1, 0, 1, "X");
  Add(ElementKind::kLine, {0, 0, 0, 1, 1, 0})->deleted = true;
  EXPECT_EQ(DxfText(bench),
            Lines({"  0", "SECTION", "  2", "ENTITIES", "  0", "ARC",    "8",  "4",    "10", "1.0",
                   "20",  "2.0",     "30",  ".0",       "40",  "3.0",    "50", "10.0", "51", "80.0",
                   "62",  "11",      "0",   "POINT",    "8",   "2",      "10", "1.0",  "20", "2.0",
                   "30",  "3.0",     "62",  "3",        "0",   "ENDSEC", "0",  "EOF"}));
}

TEST_F(DxfTest, RoundTripOfEveryKindAndPlane) {
  AddEveryKind();
  const std::string file = folder.File("part.dxf");
  ASSERT_TRUE(WriteDxf(bench, file));
  EXPECT_EQ(bench.cad_file_name, file);
  std::vector<CadElement> written;
  for (const auto& e : Elements()) {
    const bool exchanged = e.kind == ElementKind::kLine || e.kind == ElementKind::kArc ||
                           e.kind == ElementKind::kPoint;
    if (exchanged) written.push_back(e);
  }
  table.modified = true;
  ASSERT_TRUE(ReadDxf(bench, file, ReadMode::kLoad));
  const auto read = Elements();
  ASSERT_EQ(read.size(), written.size());
  for (size_t i = 0; i < read.size(); ++i) {
    SCOPED_TRACE(i);
    ExpectSameGeometry(read[i], written[i]);
    EXPECT_EQ(read[i].colour, written[i].colour);
    EXPECT_EQ(read[i].layer, written[i].layer);
    if (read[i].kind == ElementKind::kArc) {
      EXPECT_EQ(read[i].view, 1);  // planes are not kept
    }
  }
  EXPECT_FALSE(table.modified);
  EXPECT_EQ(DxfText(bench), folder.Read("part.dxf").substr(0));
}

TEST_F(DxfTest, EntityDefaultsLayersAndColours) {
  const std::string file = folder.Write(
      "d.dxf",
      Lines({"  0", "SECTION", "  2", "TABLES",   "  0", "LAYER",  "  2", "LINE",   "  0", "ENDSEC",
             "  0", "SECTION", "  2", "ENTITIES", "  0", "CIRCLE", "  8", "0",      " 10", "1.5",
             " 20", "2",       " 40", "2",        " 62", "256",    "  0", "TEXT",   "  1", "ARC",
             "  0", "ARC",     "  8", "CUTS",     "  6", "DASHED", " 10", "0",      " 20", "0",
             " 40", "1",       " 50", "90",       " 51", "180",    " 62", "0",      "  0", "POINT",
             "  8", "300",     " 10", "4",        " 62", "16",     "  0", "ENDSEC", "  0", "EOF"}));
  ASSERT_TRUE(ReadDxf(bench, file, ReadMode::kLoad));
  const auto e = Elements();
  ASSERT_EQ(e.size(), 3u);
  ExpectGeometry(e[0], ElementKind::kArc, {1.5, 2, 0, 2, 0, 360});
  EXPECT_EQ(e[0].view, 1);
  EXPECT_EQ(e[0].layer, 1);
  EXPECT_EQ(e[0].colour, palette::kLime);
  EXPECT_EQ(e[0].style, 1);
  ExpectGeometry(e[1], ElementKind::kArc, {0, 0, 0, 1, 90, 180});
  EXPECT_EQ(e[1].layer, 1);
  EXPECT_EQ(e[1].style, 1);
  EXPECT_EQ(e[1].colour, palette::kSilver);  // 0 on a black screen
  EXPECT_EQ(e[2].kind, ElementKind::kPoint);
  EXPECT_EQ(e[2].layer, kStrayLayer);
  EXPECT_EQ(e[2].colour, palette::kWhite);
  EXPECT_EQ(e[2].style, 0);
}

std::string Polyline(bool closed, int vertices) {
  std::string text = Lines({"  0", "POLYLINE", "  8", "3", " 66", "1"});
  if (closed) text += Lines({" 70", "1"});
  const char* xs[] = {"0", "4", "4"};
  const char* ys[] = {"0", "0", "3"};
  for (int i = 0; i < vertices; ++i) {
    text += Lines({"  0", "VERTEX", " 10", xs[i], " 20", ys[i], " 62", "5"});
  }
  return text + Lines({"  0", "SEQEND", " 62", "1", "  0", "EOF"});
}

TEST_F(DxfTest, PolylinesBecomeLines) {
  for (const auto& [closed, vertices, lines] :
       {std::tuple{true, 3, 3u}, std::tuple{false, 3, 2u}, std::tuple{true, 1, 0u}}) {
    SCOPED_TRACE(vertices + (closed ? 10 : 0));
    const std::string file = folder.Write("p.dxf", Polyline(closed, vertices));
    ASSERT_TRUE(ReadDxf(bench, file, ReadMode::kLoad));
    const auto e = Elements();
    ASSERT_EQ(e.size(), lines);
    if (lines == 3) {
      ExpectGeometry(e[0], ElementKind::kLine, {0, 0, 0, 4, 0, 0});
      ExpectGeometry(e[2], ElementKind::kLine, {4, 3, 0, 0, 0, 0});
      EXPECT_EQ(e[0].colour, palette::kBlue);  // the vertex's colour
      EXPECT_EQ(e[2].colour, palette::kRed);   // the closing line takes the SEQEND's
    }
  }
}

TEST_F(DxfTest, TruncatedEntityGivesNothing) {
  const std::string file =
      folder.Write("t.dxf", Lines({"  0", "LINE", " 10", "1", " 20", "2", " 11", "5"}));
  ASSERT_TRUE(ReadDxf(bench, file, ReadMode::kLoad));
  EXPECT_TRUE(Elements().empty());
}

TEST_F(DxfTest, FailedOpen) {
  Add(ElementKind::kPoint, {1, 1, 0, 0, 0, 0});
  bench.cad_file_name = "shown.cdl";
  const std::string missing = folder.File("gone.dxf");
  EXPECT_FALSE(ReadDxf(bench, missing, ReadMode::kLoad));
  EXPECT_EQ(host.prompt_panel, "Error; cannot open file " + missing);
  EXPECT_EQ(Elements().size(), 1u);
  EXPECT_EQ(bench.cad_file_name, "shown.cdl");
}

}  // namespace
}  // namespace vormak::test
