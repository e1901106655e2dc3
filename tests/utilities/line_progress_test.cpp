#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "nctext/line_batch.h"
#include "nctext/status_services.h"
#include "support/fake_host.h"
#include "utilities/word_transforms.h"
#include "workbench/workbench.h"

namespace vormak {
namespace {

class PromptRecordingHost : public FakeHost {
 public:
  void SetPromptPanel(const std::string& text) override {
    prompts.push_back(text);
    FakeHost::SetPromptPanel(text);
  }
  std::vector<std::string> prompts;
};

TEST(LineProgress, LongRunsShowHowFarTheyAreAndPutThePromptBack) {
  PromptRecordingHost host;
  host.tick_step = 1000;  // every look at the clock is a second later
  Workbench bench(host);
  std::string text;
  for (int n = 0; n < 70'000; ++n) text += "X1.\r\n";
  bench.Pane(1)->SetText(text);
  ShowPrompt(bench, "Offset NC");
  ShiftAddress(bench, 1, 'X', 1);
  ASSERT_GE(host.prompts.size(), 4u);
  EXPECT_EQ(host.prompts[1], " Offset NC 23%");
  EXPECT_EQ(host.prompts.back(), " Offset NC");
  EXPECT_EQ(PaneLine(bench, 1, 70'000), "X2.");
  bench.Pane(1)->Undo();
  EXPECT_EQ(PaneLine(bench, 1, 70'000), "X1.");
}

TEST(PaneLineBatch, WritesChangedSpansAndLeavesAnUntouchedPaneUnmodified) {
  FakeHost host;
  Workbench bench(host);
  bench.Pane(1)->SetText("A\r\nB\r\nC\r\nD");
  bench.Pane(1)->ClearModified();
  {
    PaneLineBatch batch(bench, 1);
    batch.Replace(2, "B");  // the same text: nothing to write
  }
  EXPECT_FALSE(bench.Pane(1)->IsModified());
  {
    PaneLineBatch batch(bench, 1);
    batch.Replace(3, "c");
    batch.Replace(1, "a");  // going back writes what is pending first
    EXPECT_EQ(PaneLine(bench, 1, 3), "c");
    EXPECT_EQ(batch.Line(1), "a");
    batch.Replace(4, "d");
  }
  EXPECT_EQ(bench.Pane(1)->GetText(), "a\r\nB\r\nc\r\nd");
  bench.Pane(1)->Undo();
  EXPECT_EQ(bench.Pane(1)->GetText(), "A\r\nB\r\nC\r\nD");
}

}  // namespace
}  // namespace vormak
