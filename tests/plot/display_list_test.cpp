#include "plot/display_list.h"

#include <gtest/gtest.h>

#include <vector>

namespace vormak {
namespace {

std::vector<ListedItem> Items(const DisplayList& list) {
  std::vector<ListedItem> items;
  list.ForEach([&](const ListedItem& item) { items.push_back(item); });
  return items;
}

void ExpectSame(const ListedItem& a, const ListedItem& b) {
  EXPECT_EQ(a.kind, b.kind);
  EXPECT_EQ(a.tag.turret, b.tag.turret);
  EXPECT_EQ(a.tag.pane, b.tag.pane);
  EXPECT_EQ(a.tag.line, b.tag.line);
  EXPECT_EQ(a.colour, b.colour);
  EXPECT_EQ(a.style, b.style);
  EXPECT_EQ(a.to, b.to);
  if (a.kind == ListedKind::kMarker) return;
  EXPECT_EQ(a.from, b.from);
  if (a.kind != ListedKind::kArc) return;
  EXPECT_EQ(a.plane, b.plane);
  EXPECT_EQ(a.centre, b.centre);
  EXPECT_EQ(a.radius, b.radius);
  EXPECT_EQ(a.first, b.first);
  EXPECT_EQ(a.second, b.second);
}

TEST(DisplayList, GivesBackWhatWasDrawnInOrderWithItsLineTurretAndPen) {
  DisplayList list;
  std::vector<ListedItem> added;
  added.push_back(list.AddSegment({1, 1, 3}, 0x00FFFF, 2, {0, 0, 5}, {10.1234, -4.5, 5}));
  added.push_back(list.AddSegment({1, 1, 4}, 0x00FF00, 1, {10.1234, -4.5, 5}, {10.1234, -4.5, -2}));
  // A jump: the next leg starts away from where the last ended.
  added.push_back(list.AddSegment({1, 1, 5}, 0x00FF00, 1, {3, 3, 0}, {4, 3, 0}));
  added.push_back(list.AddMarker({1, 1, 5}, 0x0000FF, {4, 3.25, 0}));
  added.push_back(list.AddArc({1, 4, 6}, 0x00FF00, 1, 1, true, 1, {4, 2, 0}, {4, 3, 0}, {5, 2, 0}));
  // The second turret keeps its own pen: its leg is not joined to the first turret's.
  added.push_back(list.AddSegment({2, 2, 6}, 0xFFFFFF, 1, {-1, -1, 0}, {-2, -1, 0}));
  added.push_back(list.AddSegment({1, 1, 7}, 0x00FF00, 1, {5, 2, 0}, {6, 2, 0}));
  added.push_back(list.AddSegment({2, 2, 7}, 0xFFFFFF, 1, {-2, -1, 0}, {-3, -1, 0}));

  const std::vector<ListedItem> read = Items(list);
  ASSERT_EQ(read.size(), added.size());
  for (size_t i = 0; i < read.size(); ++i) {
    SCOPED_TRACE(i);
    ExpectSame(read[i], added[i]);
  }
  EXPECT_EQ(list.MoveCount(), 7u);
  // Values written with four decimals come back as the program wrote them.
  EXPECT_EQ(read[0].to.x, 10.1234);
  EXPECT_EQ(read[0].to.y, -4.5);
  EXPECT_EQ(read[6].from, (Point{5, 2, 0}));
  EXPECT_EQ(read[7].from, (Point{-2, -1, 0}));
  EXPECT_EQ(read[4].tag.pane, 4);
}

TEST(DisplayList, ArcAnglesFollowTheDrawnSense) {
  DisplayList list;
  // A quarter from 90 to 0 degrees about the origin.
  const ListedItem cw = list.AddArc({}, 0, 1, 1, true, 10, {0, 0, 0}, {0, 10, 0}, {10, 0, 0});
  EXPECT_NEAR(cw.first, 90, 1e-5);
  EXPECT_NEAR(cw.second, 0, 1e-5);
  const ListedItem ccw = list.AddArc({}, 0, 1, 1, false, 10, {0, 0, 0}, {10, 0, 0}, {0, 10, 0});
  EXPECT_NEAR(ccw.first, 90, 1e-5);
  EXPECT_NEAR(ccw.second, 0, 1e-5);
  // An X-Z arc takes its angles in X and Z.
  const ListedItem xz = list.AddArc({}, 0, 1, 2, true, 2, {0, 7, 0}, {0, 7, 2}, {2, 7, 0});
  EXPECT_EQ(xz.plane, 2);
  EXPECT_NEAR(xz.first, 90, 1e-5);
  EXPECT_NEAR(xz.second, 0, 1e-5);
  // A whole circle starts and ends at the same point.
  const ListedItem full = list.AddArc({}, 0, 1, 1, true, 3, {0, 0, 0}, {3, 0, 0}, {3, 0, 0});
  EXPECT_EQ(full.first, full.second);
}

TEST(DisplayList, FarPointsAndLinesAreKeptWithinRange) {
  DisplayList list;
  const ListedItem far = list.AddSegment({1, 1, 123456789}, 0, 1, {0, 0, 0}, {1e12, -1e12, 0});
  EXPECT_GT(far.to.x, 200000);
  EXPECT_LT(far.to.y, -200000);
  const ListedItem nan = list.AddSegment({}, 0, 1, {0, 0, 0}, {0.0 / 0.0, 1, 0});
  EXPECT_EQ(nan.to.x, 0);
  // Line numbers beyond what a record holds are kept at the largest one.
  EXPECT_GT(Items(list)[0].tag.line, 100'000'000);
}

TEST(DisplayList, JumpsAcrossTheWholeRangeAndBackwardLinesComeBackExactly) {
  // Enough items to fill several storage blocks, with differences from the smallest to the
  // largest there are: the far ends of the kept range, loops going back in the program,
  // Z changing and staying, both turrets, arcs seen from every plane.
  DisplayList list;
  std::vector<ListedItem> added;
  const double far = 214748.3647;
  for (int i = 0; i < 30000; ++i) {
    const double sign = i % 2 == 0 ? 1 : -1;
    const Point from{i % 5 == 0 ? far * sign : i * 0.0001, -i * 0.25, i % 4 == 0 ? 0 : -i * 1.5};
    const Point to{i % 5 == 0 ? -far * sign : i * 0.0001 + 0.3, far * sign, from.z};
    const MoveTag tag{i % 7 == 0 ? 2 : 1, i % 7 == 0 ? 2 : 1, i % 11 == 0 ? 134217727 - i : i / 3};
    switch (i % 3) {
      case 0:
        added.push_back(list.AddSegment(tag, i % 13, i % 3, from, to));
        break;
      case 1:
        added.push_back(list.AddArc(tag, 0x00FF00, 1, 1 + (i / 3) % 3, i % 2 == 0, 1.5 + i,
                                    {-to.x, -to.y, to.z + 1}, from, to));
        break;
      default:
        added.push_back(list.AddMarker(tag, 0x0000FF, to));
    }
  }
  const std::vector<ListedItem> read = Items(list);
  ASSERT_EQ(read.size(), added.size());
  for (size_t i = 0; i < read.size(); ++i) {
    SCOPED_TRACE(i);
    ExpectSame(read[i], added[i]);
  }
  EXPECT_EQ(read[5].to.x, far);
  EXPECT_EQ(read[11].tag.line, 134217727 - 11);
}

TEST(DisplayList, AContinuousPathTakesAtMostTwentyFourBytesAMove) {
  DisplayList list;
  Point at{0, 0, 0};
  for (int i = 0; i < 100000; ++i) {
    const Point next{at.x + 0.5, (i % 7) * 0.25, -1};
    if (i % 3 == 0) {
      list.AddArc({1, 1, i}, 0x00FF00, 1, 1, i % 2 == 0, 1, {at.x, next.y, -1}, at, next);
    } else {
      list.AddSegment({1, 1, i}, i % 10 == 1 ? 0x00FFFF : 0x00FF00, i % 10 == 1 ? 2 : 1, at, next);
    }
    at = next;
  }
  EXPECT_EQ(list.MoveCount(), 100000u);
  EXPECT_LE(list.Bytes(), 24u * list.MoveCount());
  list.Clear();
  EXPECT_TRUE(list.Empty());
  EXPECT_EQ(list.MoveCount(), 0u);
  EXPECT_TRUE(Items(list).empty());
}

}  // namespace
}  // namespace vormak
