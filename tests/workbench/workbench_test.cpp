#include "workbench/workbench.h"

#include <gtest/gtest.h>

#include "nctext/text_buffer.h"
#include "support/fake_host.h"

namespace vormak {
namespace {

TEST(Workbench, PanesAreIndependentAndReplaceable) {
  FakeHost host;
  Workbench bench(host);
  ASSERT_NE(bench.Pane(1), nullptr);
  ASSERT_NE(bench.Pane(4), nullptr);
  EXPECT_EQ(bench.Pane(0), nullptr);
  EXPECT_EQ(bench.Pane(5), nullptr);
  bench.Pane(1)->SetText("G0X1");
  EXPECT_EQ(bench.Pane(2)->GetText(), "");
  EXPECT_EQ(bench.Pane(3)->CaretWidth(), 2);
  EXPECT_EQ(bench.Pane(1)->CaretWidth(), 3);

  TextBuffer other;
  bench.SetPane(2, &other);
  EXPECT_EQ(bench.Pane(2), &other);
  bench.SetPane(2, nullptr);
  EXPECT_NE(bench.Pane(2), &other);
}

TEST(Workbench, TwoWorkbenchesDoNotShareState) {
  FakeHost host_a, host_b;
  Workbench a(host_a), b(host_b);
  a.settings.comment_char = ";";
  a.Pane(1)->SetText("X1");
  EXPECT_EQ(b.settings.comment_char, "(");
  EXPECT_EQ(b.Pane(1)->GetText(), "");
}

}  // namespace
}  // namespace vormak
