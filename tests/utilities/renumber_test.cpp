#include "utilities/renumber.h"

#include "utilities_fixture.h"

namespace vormak {
namespace {

class Renumber : public UtilitiesTest {
 protected:
  void SetUp() override {
    UtilitiesTest::SetUp();
    Format('N', "0000,0,0,0");
  }
  RenumberOptions options;
};

TEST_F(Renumber, NumbersBlocksReplacesNumbersAndMovesComments) {
  Program({"G00 X1", "N10 G01 X2", "%", "(SETUP)", "G01 X1(CUT)Y2", "/G01 X1", " G01 X3",
           "$SPECIAL", ""});
  RenumberRange(bench, 1, options);
  EXPECT_EQ(Lines(), (Text{"N5G00 X1", "N10 G01 X2", "%", "(SETUP)", "N15G01 X1Y2(CUT)",
                           "/N20G01 X1", " G01 X3", "$SPECIAL", ""}));
  EXPECT_EQ(host.prompt_panel, " ");
  options.include_comments = true;
  options.start = 100;
  options.increment = 2;
  bench.Pane(1)->SetSelection({{4, 0}, {5, 3}});
  RenumberRange(bench, 1, options);
  EXPECT_EQ(PaneLine(bench, 1, 4), "N100(SETUP)");
  EXPECT_EQ(PaneLine(bench, 1, 5), "N102G01 X1Y2(CUT)");
  EXPECT_EQ(bench.Pane(1)->GetSelection(), (TextSelection{{4, 0}, {5, 17}}));
}

TEST_F(Renumber, MacroLinesGetANumberInFront) {
  Program({"IF [#1 NE 0] GOTO 10", "END1", "N7 WHILE [#2 NE 1] DO1", "#1=SIN[#2]",
           "IF [#1 EQ 1] THEN #2=1", "/END2"});
  RenumberRange(bench, 1, options);
  EXPECT_EQ(Lines(), (Text{"N5IF [#1 NE 0] GOTO 10", "N10END1", "N15 WHILE [#2 NE 1] DO1",
                           "N20#1=SIN[#2]", "N25IF [#1 EQ 1] THEN #2=1", "/N30END2"}));
  // Existing numbers only: a macro line is left alone entirely.
  options.existing_only = true;
  RenumberRange(bench, 1, options);
  EXPECT_EQ(PaneLine(bench, 1, 1), "N5IF [#1 NE 0] GOTO 10");
}

TEST_F(Renumber, ExistingOnlyAndProgramNumbers) {
  Program({"O1000", "G00 X1 (A)Y2", "N3 G01", "O2000 (PART)"});
  options.existing_only = true;
  RenumberRange(bench, 1, options);
  // Without the letter: not numbered, the number does not advance, the comment moves.
  EXPECT_EQ(Lines(), (Text{"O1000", "G00 X1 Y2(A)", "N5 G01", "O2000 (PART)"}));
  options.existing_only = false;
  options.include_o = true;
  Caret(1);
  RenumberRange(bench, 1, options);
  EXPECT_EQ(Lines(), (Text{"O5", "N10G00 X1 Y2(A)", "N15 G01", "O20 (PART)"}));
}

TEST_F(Renumber, OtherLettersAndLongLinesAreNotCut) {
  const std::string long_tail(150, '1');
  Program({"G01 X" + long_tail, "(NOTE)"});
  options.letter = RenumberLetter("");
  EXPECT_EQ(options.letter, 'N');
  RenumberRange(bench, 1, options);
  EXPECT_EQ(PaneLine(bench, 1, 1), "N5G01 X" + long_tail);
  options.letter = RenumberLetter("Q7");
  RenumberRange(bench, 1, options);
  // With a letter other than N a comment line is numbered too.
  EXPECT_EQ(PaneLine(bench, 1, 2), "Q10.(NOTE)");
}

TEST_F(Renumber, OneUndoStepAndEscapeKeepsWhatWasDone) {
  Program({"G00", "G01", "G02", "G03"});
  RenumberRange(bench, 1, options);
  bench.Pane(1)->Undo();
  EXPECT_EQ(Lines(), (Text{"G00", "G01", "G02", "G03"}));
  host.QueueEscape(1);  // pressed while the second line is done
  RenumberRange(bench, 1, options);
  EXPECT_EQ(Lines(), (Text{"N5G00", "N10G01", "G02", "G03"}));
  EXPECT_EQ(host.prompt_panel, std::string(" ") + kRenumberRunInterrupted);
  EXPECT_TRUE(bench.stop_requested);
}

TEST_F(Renumber, WholeTextStopsWithoutChangesAndRenumbersTheGivenPane) {
  bench.settings.twin_turrets = true;
  Program({"G00 X1"});
  bench.Pane(2)->SetText("G01 X1 (A)  \r\nG01 (B) X2");
  bench.Pane(2)->SetSelection({{1, 0}, {1, 0}});
  RenumberWhole(bench, 2, options);
  EXPECT_EQ(PaneLine(bench, 2, 1), "N5G01 X1 (A)");
  EXPECT_EQ(PaneLine(bench, 2, 2), "N10G01  X2(B)");
  EXPECT_EQ(PaneLine(bench, 1, 1), "G00 X1");
  host.QueueEscape(0);
  RenumberWhole(bench, 2, options);
  EXPECT_EQ(PaneLine(bench, 2, 1), "N5G01 X1 (A)");
  EXPECT_EQ(host.prompt_panel, std::string(" ") + kRenumberInterrupted);
  // A one-line pane: the range is line 1 to line 1, handed to the whole-text way.
  RenumberRange(bench, 1, options);
  EXPECT_EQ(PaneLine(bench, 1, 1), "N5G00 X1");
}

}  // namespace
}  // namespace vormak
