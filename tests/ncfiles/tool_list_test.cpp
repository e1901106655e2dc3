#include "ncfiles/tool_list.h"

#include <gtest/gtest.h>

#include "nctext/edit_control.h"
#include "support/fake_host.h"
#include "workbench/workbench.h"

namespace vormak {
namespace {

class ToolList : public ::testing::Test {
 protected:
  FakeHost host;
  Workbench bench{host};
};

TEST_F(ToolList, ToolCommentsWithTheirNotes) {
  std::string text = "%\r\n(TL OD_ROUGH:80 DEG CNMG)\r\nG0 X1.\r\n(TL C:\\TOOLS\\GROOVE)\r\n";
  text += "(TM DRILL_10)\r\n(TOOL LIST)\r\n";
  bench.Pane(1)->SetText(text);
  const auto entries = BuildToolList(bench);
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].text, "(TL OD_ROUGH:80 DEG CNMG)");
  EXPECT_EQ(entries[0].hint, "80 DEG CNMG");
  // A drive letter's colon is no note.
  EXPECT_EQ(entries[1].hint, "");
  EXPECT_EQ(entries[2].text, "(TM DRILL_10)");

  EXPECT_EQ(ToolPictureName(bench, entries[0].text), "OD_ROUGH");
  EXPECT_EQ(ToolPictureName(bench, "(TL FACE_R  )"), "FACE_R");
  EXPECT_EQ(ToolPictureName(bench, entries[2].text), "");
  bench.settings.system_type = SystemType::kMill;
  EXPECT_EQ(ToolPictureName(bench, entries[0].text), "");
}

TEST_F(ToolList, FiftyEntriesAtMostAndTheJumpShowsTheLine) {
  std::string text;
  for (int n = 1; n <= 60; ++n)
    text += "(TL T" + std::to_string(n) + ")\r\nX" + std::to_string(n) + ".\r\n";
  bench.Pane(1)->SetText(text);
  const auto entries = BuildToolList(bench);
  ASSERT_EQ(entries.size(), 50u);
  EXPECT_EQ(entries[49].text, "(TL T50)");
  ASSERT_TRUE(GoToToolLine(bench, entries[29]));
  EXPECT_EQ(bench.Pane(1)->GetSelection().end.line, 59);
  bench.Pane(1)->ReplaceLine(59, "(TL CHANGED)");
  EXPECT_FALSE(GoToToolLine(bench, entries[29]));
}

}  // namespace
}  // namespace vormak
