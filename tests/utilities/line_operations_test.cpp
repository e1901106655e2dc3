// Comment, blanks, blank lines, reverse and time comments over the lines of a pane.
#include "utilities/line_operations.h"

#include "nctext/edit_control.h"
#include "utilities/utilities_fixture.h"

namespace vormak {
namespace {

class LineOperationsTest : public UtilitiesTest {
 protected:
  void SetUp() override {
    UtilitiesTest::SetUp();
    bench.settings.ignore_char = "%";
  }
  void Select(int first, int last) {
    bench.Pane(1)->SetSelection({{first, 0}, {last, PaneLineLength(bench, 1, last)}});
  }
  // One run is one undo step: undo gives the program back whole.
  void ExpectOneUndo(const Text& before) {
    bench.Pane(1)->Undo();
    EXPECT_EQ(Lines(), before);
  }
};

TEST_F(LineOperationsTest, CommentAndUncommentLines) {
  const Text before{"G01 X10.", "(SETUP)", "M", "", "G01 (A", "%"};
  Program(before);
  CommentLines(bench, 1, All(), CommentMode::kComment);
  EXPECT_EQ(Lines(), (Text{"(G01 X10.)", "(SETUP)", "M", "", "(G01 (A)", "%"}));
  ExpectOneUndo(before);

  Program({"(G01 X10.)", "G01 (A)", "(SETUP", "", ")"});
  CommentLines(bench, 1, All(), CommentMode::kUncomment);
  // Only the trailing end character goes when the line does not begin with a comment.
  EXPECT_EQ(Lines(), (Text{"G01 X10.", "G01 (A", "SETUP", "", ""}));
}

TEST_F(LineOperationsTest, CommentUsesTheMachinesCommentCharacters) {
  EXPECT_EQ(CommentLine("G01 X1.", CommentMode::kComment, ';', 0), ";G01 X1.");
  EXPECT_EQ(CommentLine(";G01 X1.", CommentMode::kUncomment, ';', 0), "G01 X1.");
  EXPECT_EQ(CommentLine("G01 X\xE9", CommentMode::kComment, '(', ')'), "(G01 X\xE9)");
}

TEST_F(LineOperationsTest, RemoveSpacesKeepsCommentsAndIgnoredLines) {
  Program({"G01 X10. Y5. (CUT A)", "% A B", "G01X1.", "N10 (A) (B)", "X1. Y2. (\xFC ber)"});
  RemoveSpaces(bench, 1, All());
  EXPECT_EQ(Lines(),
            (Text{"G01X10.Y5.(CUT A)", "% A B", "G01X1.", "N10 (A) (B)", "X1.Y2.(\xFC ber)"}));
}

TEST_F(LineOperationsTest, AddSpacesBeforeEveryWordButNotInsideKeywords) {
  Program({"G01X10.Y5.(CUT)", "g01x1.Y2.", "% G01X1.", "IF[#1NE0]GOTO10", "N5G0 X1.Y2."});
  AddSpaces(bench, 1, All());
  EXPECT_EQ(Lines(), (Text{"G01 X10. Y5.(CUT)", "g01x1. Y2.", "% G01X1.", "IF[#1 NE0] GOTO10",
                           "N5 G0 X1. Y2."}));
}

TEST_F(LineOperationsTest, RemoveBlankLinesStartsAtLineOne) {
  Program({"", "G00 X1.", " ", "G01 X2.", "", "G01 X3.", "", "M30", ""});
  Select(4, 6);
  RemoveBlankLines(bench, 1, SelectedLineRange(bench, 1));
  // Lines 1 to 6 lose their blanks; the blank lines after the range stay.
  EXPECT_EQ(Lines(), (Text{"G00 X1.", "G01 X2.", "G01 X3.", "", "M30", ""}));
}

TEST_F(LineOperationsTest, RemoveBlankLinesWholeProgramIsOneUndo) {
  const Text before{"", "G00 X1.", " ", "", "M30", ""};
  Program(before);
  RemoveBlankLines(bench, 1, All());
  // The text's final line break stays: the empty line after it is no blank block.
  EXPECT_EQ(Lines(), (Text{"G00 X1.", "M30", ""}));
  ExpectOneUndo(before);
}

TEST_F(LineOperationsTest, ReverseRangeAndItsEdgeCases) {
  Program({"N1", "A", "B", "C", "N5"});
  ReverseRange(bench, 1, 2, 4);
  EXPECT_EQ(Lines(), (Text{"N1", "C", "B", "A", "N5"}));
  ExpectOneUndo({"N1", "A", "B", "C", "N5"});

  // Two lines are left alone; line 1 alone means the whole text.
  ReverseRange(bench, 1, 2, 3);
  EXPECT_EQ(Lines(), (Text{"N1", "A", "B", "C", "N5"}));
  ReverseRange(bench, 1, 1, 1);
  EXPECT_EQ(Lines(), (Text{"N5", "C", "B", "A", "N1"}));
}

TEST_F(LineOperationsTest, ReverseLinesStoppedByEscapeLosesNothing) {
  const Text before{"A", "B", "C", "D"};
  Program(before);
  Select(1, 4);
  host.QueueEscape();
  ReverseLines(bench);
  EXPECT_EQ(Lines(), before);
  Select(1, 4);
  ReverseLines(bench);
  EXPECT_EQ(Lines(), (Text{"D", "C", "B", "A"}));
}

TEST_F(LineOperationsTest, RemoveTimeCommentsOnly) {
  Program({"G00 X0", "(* TOTAL TIME= 1 HOURS 5 MINS)", "(* .25)G01 X5.", "G01 X6. (CUT) (* .5)",
           "(NOTE)", "(* SEGMENT TIME= 0 HOURS 3 MINS)"});
  Caret(1);
  RemoveTimeComments(bench);
  EXPECT_EQ(Lines(), (Text{"G00 X0", "G01 X5.", "G01 X6. (CUT) ", "(NOTE)"}));
}

TEST_F(LineOperationsTest, EscapeStopsAfterTheCurrentLine) {
  Program({"G01 X1. Y1.", "G01 X2. Y2.", "G01 X3. Y3."});
  host.QueueEscape();
  RemoveSpaces(bench, 1, All());
  EXPECT_EQ(Lines(), (Text{"G01X1.Y1.", "G01 X2. Y2.", "G01 X3. Y3."}));
  EXPECT_TRUE(bench.stop_requested);
}

}  // namespace
}  // namespace vormak
