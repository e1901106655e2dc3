#include "ncfiles/sequence_outline.h"

#include <gtest/gtest.h>

#include "nctext/edit_control.h"
#include "support/fake_host.h"
#include "workbench/workbench.h"

namespace vormak {
namespace {

class SequenceOutline : public ::testing::Test {
 protected:
  FakeHost host;
  Workbench bench{host};
};

TEST_F(SequenceOutline, ToolCommentsAndSectionsWithTheirSyncBlocks) {
  bench.settings.twin_turrets = true;
  bench.Pane(1)->SetText(
      "O100\r\nG13\r\n(TL OD_ROUGH)\r\nN10 P10\r\nG1 X1. (P5 NOT SYNC)\r\nN20 P20");
  bench.Pane(2)->SetText("\r\nG14\r\nP10\r\nX1.");
  const OutlineNode root = BuildSequenceOutline(bench);
  EXPECT_EQ(root.text, kOutlineNewFile);
  ASSERT_EQ(root.children.size(), 3u);
  EXPECT_EQ(root.children[0].text, "G13");
  EXPECT_EQ(root.children[1].text, "(TL OD_ROUGH)");
  // Sync blocks stay under the last section even past a tool comment.
  ASSERT_EQ(root.children[0].children.size(), 2u);
  EXPECT_EQ(root.children[0].children[1].text, "N20 P20");
  EXPECT_EQ(root.children[2].text, "G14");
  EXPECT_EQ(root.children[2].pane, 2);
  ASSERT_EQ(root.children[2].children.size(), 1u);
  EXPECT_EQ(root.children[2].children[0].line, 3);

  bench.settings.twin_turrets = false;
  bench.nc_file_name = "/nc/PART.MIN";
  EXPECT_EQ(BuildSequenceOutline(bench).children.size(), 2u);
  EXPECT_EQ(BuildSequenceOutline(bench).text, "/nc/PART.MIN");
}

TEST_F(SequenceOutline, AMovedLineIsSearchedForAndAGoneOneIsReported) {
  bench.Pane(1)->SetText("G13\r\nX1.\r\nN10 P10\r\nX2.");
  const OutlineNode root = BuildSequenceOutline(bench);
  const OutlineNode& sync = root.children[0].children[0];
  bench.Pane(1)->InsertLine(0, "%");
  EXPECT_TRUE(GoToOutlineNode(bench, sync));
  EXPECT_EQ(bench.Pane(1)->GetSelection().start.line, 4);

  bench.Pane(1)->ReplaceLine(4, "N10 P11");
  EXPECT_FALSE(GoToOutlineNode(bench, sync));
  EXPECT_TRUE(host.Showed("N10 P10\r\nNot Found"));
}

}  // namespace
}  // namespace vormak
