#include <cmath>

#include "drawing_fixture.h"

namespace vormak::test {
namespace {

using T4gTest = DrawingTest;

TEST_F(T4gTest, LineBlockInInches) {
  bench.cad_file_name = "kept.cdl";
  const std::string file = folder.Write("l.t4g",
                                        "Drawing & Dimension\nOBJ Line\n"  // skipped with its line
                                        "OBJ Line\nheader\n0,1,0,0,0,0,\n0,1,0,0,25.4,50.8,\n");
  ASSERT_TRUE(ReadT4g(bench, file, ReadMode::kLoad));
  const auto e = Elements();
  ASSERT_EQ(e.size(), 1u);
  ExpectGeometry(e[0], ElementKind::kLine, {0, 0, 0, 1, 2, 0});
  EXPECT_EQ(e[0].colour, palette::kLime);
  EXPECT_EQ(e[0].layer, 1);
  EXPECT_EQ(bench.cad_file_name, "kept.cdl");
  EXPECT_TRUE(table.modified);
}

TEST_F(T4gTest, TwoSurfacesBothAppear) {
  const std::string surface =
      "OBJ Surface\n"
      "0,1,0,0,0,0,\n0,9,0,0,0,0,\n0,2,0,0,25.4,0,\n0,9,0,0,25.4,0,\n0,2,0,0,25.4,25.4,\n"
      "0,9,0,0,25.4,25.4,\n0,999,0,0,0,0,\n";
  const std::string file = folder.Write("s.t4g", surface + surface);
  ASSERT_TRUE(ReadT4g(bench, file, ReadMode::kLoad));
  const auto e = Elements();
  ASSERT_EQ(e.size(), 6u);
  ExpectGeometry(e[2], ElementKind::kLine, {1, 1, 0, 0, 0, 0});
  ExpectSameGeometry(e[5], e[2]);
}

TEST_F(T4gTest, ArcsCirclesAndCurves) {
  const std::string file = folder.Write(
      "a.t4g",
      "OBJ CircArc\nh\n0,0,0,0,0,0,\n0,0,0,0,25.4,0,\n0,0,0,0,25.4,0,\n0,0,0,0,0,25.4,\n"
      "0,0,0,0,-1,0,\n"  // negative: start and end exchanged
      "OBJ Circle\nh\n0,0,0,0,25.4,25.4,\n0,0,0,0,50.8,25.4,\n"
      "OBJ "
      "Curve\n0,1,0,0,0,0,\n0,9,0,0,50.8,0,\n0,102,0,0,0,0,\n0,2,0,0,50.8,50.8,\n0,999,0,0,0,0,\n");
  ASSERT_TRUE(ReadT4g(bench, file, ReadMode::kLoad));
  const auto e = Elements();
  ASSERT_EQ(e.size(), 4u);
  ExpectGeometry(e[0], ElementKind::kArc, {0, 0, 0, 1, 90, 0});
  ExpectGeometry(e[1], ElementKind::kArc, {1, 1, 0, 1, 0, 360});
  // k = 0: the centre is the chord's middle, a half circle from (0,0) to (2,0).
  ExpectGeometry(e[2], ElementKind::kArc, {1, 0, 0, 1, 180, 0});
  // The curve's LINE starts at the start, which the arc moved to its end.
  ExpectGeometry(e[3], ElementKind::kLine, {2, 0, 0, 2, 2, 0});
}

TEST_F(T4gTest, FailedOpen) {
  const std::string missing = folder.File("gone.t4g");
  EXPECT_FALSE(ReadT4g(bench, missing, ReadMode::kLoad));
  EXPECT_EQ(host.prompt_panel, "Cannot open file " + missing);
}

}  // namespace
}  // namespace vormak::test
