#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "support/edit_control_conformance.h"
#include "ui/sci_edit_control.h"

namespace vormak {

template <>
struct EditControlMaker<SciEditControl> {
  std::unique_ptr<SciEditControl> Make() {
    auto pane = std::make_unique<SciEditControl>();
    pane->resize(480, 320);
    pane->show();
    return pane;
  }
};

INSTANTIATE_TYPED_TEST_SUITE_P(SciEditControl, EditControlConformance,
                               ::testing::Types<SciEditControl>);

namespace {

class SciEditControlTest : public ::testing::Test {
 protected:
  SciEditControlTest() {
    pane.resize(480, 320);
    pane.show();
  }
  SciEditControl pane;
};

TEST_F(SciEditControlTest, SignalsChangeAndScroll) {
  QSignalSpy changed(&pane, &SciEditControl::Changed);
  QSignalSpy scrolled(&pane, &SciEditControl::VerticallyScrolled);
  std::string text;
  for (int n = 1; n <= 200; ++n) text += "N" + std::to_string(n) + "\r\n";
  pane.SetText(text);
  EXPECT_GE(changed.count(), 1);
  pane.SetTopLine(50);
  QApplication::processEvents();
  ASSERT_GE(scrolled.count(), 1);
  EXPECT_EQ(scrolled.last().at(0).toInt(), 50);
}

TEST_F(SciEditControlTest, AGroupTellsOfOneChange) {
  pane.SetText("N10\r\nN20");
  QSignalSpy changed(&pane, &SciEditControl::Changed);
  pane.BeginUndoGroup();
  pane.ReplaceLine(1, "N11");
  pane.ReplaceLine(2, "N21");
  pane.AppendLine("N30");
  EXPECT_EQ(changed.count(), 0);
  pane.EndUndoGroup();
  EXPECT_EQ(changed.count(), 1);
  pane.DeleteLine(3);
  EXPECT_EQ(changed.count(), 2);
}

TEST_F(SciEditControlTest, TypingIsUndoneByTheSameCount) {
  pane.SetText("N10");
  pane.EmptyUndoBuffer();
  pane.SetSelection({{1, 3}, {1, 3}});
  pane.setFocus();
  QTest::keyClicks(&pane, " G1");
  EXPECT_EQ(pane.GetText(), "N10 G1");
  ASSERT_TRUE(pane.CanUndo());
  pane.Undo();
  EXPECT_EQ(pane.GetText(), "N10");
  EXPECT_FALSE(pane.CanUndo());
  pane.Redo();
  EXPECT_EQ(pane.GetText(), "N10 G1");
}

TEST_F(SciEditControlTest, MarginToggleNumbersBookmarks) {
  pane.SetText("A\r\nB\r\nC\r\nD");
  pane.ToggleBookmark(2);
  pane.ToggleBookmark(4);
  EXPECT_EQ(pane.BookmarkLine(0), 2);
  EXPECT_EQ(pane.BookmarkLine(1), 4);
  pane.ToggleBookmark(2);
  EXPECT_EQ(pane.BookmarkLine(0), 0);
  pane.ToggleBookmark(3);
  EXPECT_EQ(pane.BookmarkLine(0), 3);
  EXPECT_EQ(pane.BookmarkLine(1), 4);
}

TEST_F(SciEditControlTest, NulBytesSurviveLineEdits) {
  const std::string line("G1\0X\xFF", 5);
  pane.SetText("N1");
  pane.AppendLine(line);
  pane.InsertLine(0, line);
  EXPECT_EQ(pane.GetLine(1), line);
  EXPECT_EQ(pane.GetLine(3), line);
  EXPECT_EQ(pane.LineLength(3), 5);
  pane.SetSelection({{3, 0}, {3, 5}});
  EXPECT_EQ(pane.SelectedText(), line);
  pane.SetSelection({{1, 0}, {1, 0}});
  ASSERT_TRUE(pane.FindText(std::string("\0X", 2)));
  EXPECT_EQ(pane.GetSelection(), (TextSelection{{1, 2}, {1, 4}}));
}

}  // namespace
}  // namespace vormak

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
