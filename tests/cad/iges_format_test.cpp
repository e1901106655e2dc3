#include "cad/iges_format.h"
#include "cad/drawing_text.h"
#include "drawing_fixture.h"

namespace vormak::test {
namespace {

using IgesTest = DrawingTest;

std::vector<std::string> Records(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  EXPECT_EQ(start, text.size());  // every record ends with CR LF
  return lines;
}

TEST_F(IgesTest, OneRedLineExactly) {
  Add(ElementKind::kLine, {0, 0, 0, 1, 2.5, 0}, palette::kRed, 1);
  const auto r = Records(IgesText(bench, "C:\\PARTS\\A.IGS"));
  const std::vector<std::string> expected = {
      "C:\\PARTS\\A.IGS" + std::string(58, ' ') + "S0000001",
      "1H,,1H;,,,6HVORMAK,1H1,16,8,24,8,56,,1.,1,4HINCH,1,0.01," + std::string(16, ' ') +
          "G0000001",
      "13H850101.010000,1.000000000E-04,100.,,;" + std::string(32, ' ') + "G0000002",
      "     124       1       1       1       1               0        00000000D0000001",
      "     124       0       3       1" + std::string(40, ' ') + "D0000002",
      "     110       2       1       1       1               0        00000000D0000003",
      "     110       0       1       1" + std::string(40, ' ') + "D0000004",
      "124,1.,0.,0.,0.,0.,1.,0.,0.,0.,0.,1.,0.;" + std::string(31, ' ') + "1P0000001",
      "110,.0,.0,.0,1.0,2.5,.0;" + std::string(47, ' ') + "3P0000002",
      "S0000001G0000002D0000004P0000002" + std::string(40, ' ') + "T0000001",
  };
  ASSERT_EQ(r.size(), expected.size());
  for (size_t i = 0; i < r.size(); ++i) {
    EXPECT_EQ(r[i], expected[i]) << i;
    EXPECT_EQ(r[i].size(), kIgesColumns) << i;
  }
}

TEST_F(IgesTest, ArcPointAndColourRoundTrip) {
  Add(ElementKind::kArc, {1, 2, 0.5, 3, 0, 90}, palette::kAqua, 6);
  Add(ElementKind::kPoint, {1, 2, 3, 0, 0, 0}, palette::kPurple, 2);
  Add(ElementKind::kArc, {-1, -2, 0, 1, 0, 360}, palette::kGreen, 3);
  Add(ElementKind::kLine, {0, 0, 0, 1, 1, 0})->deleted = true;  // left out
  const std::string file = folder.File("a.igs");
  ASSERT_TRUE(WriteIges(bench, file));
  const auto r = Records(folder.Read("a.igs"));
  EXPECT_EQ(r[6].substr(0, 24), "     100       0      11");
  EXPECT_EQ(r[12].substr(0, 31), "100,.5,1.0,2.0,4.0,2.0,1.0,5.0;");
  ASSERT_TRUE(ReadIges(bench, file, ReadMode::kLoad));
  EXPECT_EQ(bench.cad_file_name, file);
  const auto e = Elements();
  ASSERT_EQ(e.size(), 3u);
  ExpectGeometry(e[0], ElementKind::kArc, {1, 2, 0.5, 3, 0, 90});
  EXPECT_EQ(e[0].colour, palette::kAqua);
  EXPECT_EQ(e[0].layer, 6);
  EXPECT_EQ(e[0].state, ElementState::kNormal);
  EXPECT_EQ(e[1].colour, palette::kPurple);
  ExpectGeometry(e[2], ElementKind::kArc, {-1, -2, 0, 1, 0, 360});
  EXPECT_FALSE(table.modified);
}

TEST_F(IgesTest, LinesFillTheSlotsTheirPointersName) {
  for (int i = 0; i < 5; ++i) Add(ElementKind::kLine, {0, 0, 0, 1, double(i), 0});
  const std::string file = folder.File("n.igs");
  ASSERT_TRUE(WriteIges(bench, file));
  ASSERT_TRUE(ReadIges(bench, file, ReadMode::kLoad));
  EXPECT_EQ(table.At(1), nullptr);
  for (int slot = 2; slot <= 6; ++slot) ASSERT_NE(table.At(slot), nullptr) << slot;
  EXPECT_EQ(table.high_water, 6);
  EXPECT_EQ(table.At(6)->d[4], 4);
  // A merge puts the same entities in free slots beside them.
  ASSERT_TRUE(ReadIges(bench, file, ReadMode::kMerge));
  EXPECT_EQ(Elements().size(), 10u);
  EXPECT_NE(table.At(1), nullptr);
}

TEST_F(IgesTest, AFullTableWritesValidPointersAndLongParameters) {
  for (int i = 0; i < kTableSlots; ++i) {
    Add(ElementKind::kArc, {-9999.12345 + i, 9876.54321, -1234.5678, 1234.5678, 12.3456, 300});
  }
  const std::string file = folder.File("big.igs");
  ASSERT_TRUE(WriteIges(bench, file));
  const auto r = Records(folder.Read("big.igs"));
  for (const auto& record : r) ASSERT_EQ(record.size(), kIgesColumns) << record;
  // Each arc's parameters take two records: pointers run past 1000 and 4000.
  EXPECT_EQ(r.back(), "S0000001G0000002D0004002P0004001" + std::string(40, ' ') + "T0000001");
  EXPECT_EQ(r[3 + 2 * kTableSlots].substr(0, 16), "     100    4000");
  ASSERT_TRUE(ReadIges(bench, file, ReadMode::kLoad));
  EXPECT_EQ(Elements().size(), static_cast<size_t>(kTableSlots));
  EXPECT_FALSE(table.full);
  const CadElement last = Elements().back();
  // Pointers above 2000 take the free slots below, so slot 2000 holds the 1000th arc.
  const std::array<double, 6> expected{-9000.12345, 9876.54321, -1234.5678,
                                       1234.5678,   12.3456,    300};
  for (size_t i = 0; i < 6; ++i) EXPECT_NEAR(last.d[i], expected[i], 1e-3) << i;
}

TEST_F(IgesTest, CoincidentEndsMakeAFullCircleAndOtherWritersAreRead) {
  // Blank-padded sequence numbers, a colour pointer, an entity without parameters and one
  // whose parameters run over a continuation record.
  auto de = [](const char* first, const char* second, int seq) {
    return IgesRecord(first, "00000000D" + std::string(6, ' ') + std::to_string(seq)) +
           IgesRecord(second, "       0D" + std::string(6, ' ') + std::to_string(seq + 1));
  };
  auto p = [](const char* data, int de, int seq) {
    return IgesRecord(data, std::to_string(de) + "P      " + std::to_string(seq));
  };
  const std::string file =
      folder.Write("o.igs", IgesRecord("", "S      1") +
                                de("     100       1       0       0       0       0       0",
                                   "     100       0     -24       1       0", 1) +
                                de("     110       2       0       0       4       0       0",
                                   "     110       0       2       2       0", 3) +
                                de("     116       9       0       0       0       0       0",
                                   "     116       0       2       1       0", 5) +
                                p("100,0.,1.,1.,3.,1.,3.,1.;", 1, 1) +
                                p("110,1.0D0,2.0,0.0,", 3, 2) + p("4.,5.,6.;", 3, 3) +
                                IgesRecord("S      1G      4D      6P      3", "T      1"));
  ASSERT_TRUE(ReadIges(bench, file, ReadMode::kLoad));
  const auto e = Elements();
  ASSERT_EQ(e.size(), 2u);
  ExpectGeometry(e[0], ElementKind::kArc, {1, 1, 0, 2, 0, 360});
  EXPECT_EQ(e[0].colour, palette::kLime);
  ExpectGeometry(e[1], ElementKind::kLine, {1, 2, 0, 4, 5, 6});
  EXPECT_EQ(e[1].colour, palette::kYellow);
  EXPECT_EQ(e[1].layer, 4);
}

TEST_F(IgesTest, PlacementsThroughAMatrixAreApplied) {
  // A quarter arc about the origin, moved to (1, 2) and turned a quarter turn.
  const std::string file = folder.Write(
      "t.igs",
      IgesRecord("     124       1       0       0       0       0       0", "00000000D0000001") +
          IgesRecord("     124       0       0       1       0", "D0000002") +
          IgesRecord("     100       2       0       0       0       0       1",
                     "00000000D0000003") +
          IgesRecord("     100       0       5       1       0", "D0000004") +
          IgesRecord("124,0.,-1.,0.,1.,1.,0.,0.,2.,0.,0.,1.,0.;", "1P0000001") +
          IgesRecord("100,0.,0.,0.,2.,0.,0.,2.;", "3P0000002"));
  ASSERT_TRUE(ReadIges(bench, file, ReadMode::kLoad));
  const auto e = Elements();
  ASSERT_EQ(e.size(), 1u);
  ExpectGeometry(e[0], ElementKind::kArc, {1, 2, 0, 2, 90, 180});
  EXPECT_EQ(e[0].colour, palette::kBlue);
}

TEST_F(IgesTest, FailedOpen) {
  const std::string missing = folder.File("gone.igs");
  EXPECT_FALSE(ReadIges(bench, missing, ReadMode::kLoad));
  EXPECT_EQ(host.prompt_panel, "Error; cannot open file " + missing);
}

}  // namespace
}  // namespace vormak::test
