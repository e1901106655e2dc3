#include "interp/syntax_check.h"

#include <gtest/gtest.h>

#include "nctext/edit_control.h"
#include "support/fake_host.h"
#include "workbench/workbench.h"

namespace vormak {
namespace {

class SyntaxCheck : public ::testing::Test {
 protected:
  // The first message the block gave, "" when none.
  std::string FirstMessage(const std::string& block, int* result = nullptr) {
    host.messages.clear();
    const int r = CheckLine(bench, block);
    if (result != nullptr) *result = r;
    return host.messages.empty() ? std::string() : host.messages.front().text;
  }
  void NoDecimalPoint(char letter) { bench.word_formats.Get(1, letter).decimal_point = false; }

  FakeHost host;
  Workbench bench{host};
};

TEST_F(SyntaxCheck, FaultsOfOneBlock) {
  const std::pair<const char*, std::string> cases[] = {
      {"G300X1", std::string(kSyntaxBadGCode) + "G300X1"},
      {"G01 G-1", std::string(kSyntaxBadGCode) + "G01 G-1"},
      {"M400", std::string(kSyntaxBadMCode) + "M400"},
      {"N10G1XY2", std::string(kAddressWithoutValue) + "N10G1XY2"},
      {"X1 (CUT", std::string(kMismatchedComment) + "X1 (CUT"},
      {"X1 ) (CUT", std::string(kMismatchedComment) + "X1 ) (CUT"},
      {"N10 O20 X1", std::string(kLetterONotAllowed) + "N10 O20 X1"},
      {"#1=[#2+[3]", std::string(kMismatchedSquare) + "#1=[#2+[3]"},
      {"G01 X1 X2 Y123456789012345678901234567890",
       std::string(kDoubleAddresses) + "G01 X1 X2 Y1234567890123456789"},
  };
  for (const auto& [block, message] : cases) {
    int result = -1;
    EXPECT_EQ(FirstMessage(block, &result), message) << block;
    // The double-address warning answered OK is no fault.
    EXPECT_EQ(result, message.starts_with(kDoubleAddresses) ? kSyntaxClean : kSyntaxFault) << block;
  }
}

TEST_F(SyntaxCheck, BlocksThatPass) {
  for (const char* block :
       {"", "G01 G90 X1 Y2", "M30", "G225", "O1000", "N10 G0 X1 (O RING)", "G01 X1 X2 (CUT)",
        "IF [#1 GT 2] GOTO 5", "WHILE [#1 LT 3] DO1", "END1", "G1X1.0Y2.0"}) {
    int result = -1;
    EXPECT_EQ(FirstMessage(block, &result), "") << block;
    EXPECT_EQ(result, kSyntaxClean) << block;
  }
  EXPECT_EQ(CheckLine(bench, "%"), kSyntaxPercentLine);
  bench.settings.ignore_char = "/;";
  EXPECT_EQ(FirstMessage("/G300 XY O1 X1 X2"), "");
  bench.settings.multi_address = "X";
  EXPECT_EQ(FirstMessage("G01 X1 X2"), "");
}

TEST_F(SyntaxCheck, DecimalPointOnAnAddressWithoutOne) {
  NoDecimalPoint('Y');
  const std::string block = "G01X1.0Y2.0 F100 S2000 T0101 M03 N12345678901234567890";
  EXPECT_EQ(FirstMessage(block), kIllegalDecimalPoint + block);  // the whole block
  EXPECT_EQ(FirstMessage("G01X1.0Y2"), "");
  EXPECT_EQ(FirstMessage("G01X1.0Y 2 . 5"), kIllegalDecimalPoint + std::string("G01X1.0Y 2 . 5"));
}

TEST_F(SyntaxCheck, LowerCaseLettersOutsideAComment) {
  for (const char* block : {"g1 X10. Y5.", "G1 x10. (CUT)", "#1=[sin[30]]", "N10 G1 X1 y2"}) {
    int result = -1;
    EXPECT_EQ(FirstMessage(block, &result), kLowerCaseAddress + std::string(block)) << block;
    EXPECT_EQ(result, kSyntaxFault) << block;
  }
  // In a comment, a DPRNT text or an exempt line, lower case is only text.
  for (const char* block : {"G1 X10. (rough pass)", "DPRNT[hole*count#1[33]]", "%g1"}) {
    EXPECT_EQ(FirstMessage(block), "") << block;
  }
  bench.settings.ignore_char = "/";
  EXPECT_EQ(FirstMessage("/g1 x1"), "");
  // Before the first delimiter fault: an open comment is reported as such.
  EXPECT_EQ(FirstMessage("g1 X1 (CUT"), kMismatchedComment + std::string("g1 X1 (CUT"));
}

TEST_F(SyntaxCheck, CancelStopsAndMakesTheDoubleAddressAFault) {
  host.QueueAnswer(Answer::kCancel);
  EXPECT_EQ(CheckLine(bench, "G01 X1 X2"), kSyntaxFault);
  EXPECT_TRUE(bench.stop_requested);
  // With a comment delimiter but no end delimiter set, the comment runs to the end.
  bench.stop_requested = false;
  bench.settings.comment_char = ";";
  bench.settings.end_comment_char = "";
  EXPECT_EQ(FirstMessage("G0 X1 ;CUT XY"), "");
}

TEST_F(SyntaxCheck, CommandOverThePane) {
  EditControl& pane = *bench.Pane(1);
  pane.SetText("%\r\nO1000\r\nG0X1\r\nM30\r\n%");
  pane.SetSelection({{1, 0}, {1, 0}});
  CheckSyntaxCommand(bench);
  EXPECT_EQ(host.Texts(), std::vector<std::string>{kNoSyntaxErrors});
  EXPECT_EQ(host.command_panel, " ");
  EXPECT_EQ(pane.GetSelection().start, (TextPosition{1, 0}));
  EXPECT_EQ(pane.GetSelection().end.line, 4);  // checked lines, the last limited

  pane.SetText("G0X1\r\nG300\r\nM400\r\nXY");
  pane.SetSelection({{1, 0}, {1, 0}});
  host.messages.clear();
  host.QueueAnswer(Answer::kOk);
  host.QueueAnswer(Answer::kCancel);  // stops after the M code
  EXPECT_TRUE(CheckSyntax(bench, 1));
  EXPECT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(pane.GetSelection().end.line, 3);

  // Escape ends the check at once, and no "No Syntax Errors Found" is claimed.
  pane.SetText("G0\r\nG1\r\nG2");
  pane.SetSelection({{1, 0}, {1, 0}});
  host.messages.clear();
  host.QueueEscape(1);
  CheckSyntaxCommand(bench);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(SyntaxCheck, RangeReporterLearnsTheLines) {
  bench.Pane(1)->SetText("G0\r\nG300\r\nG0 X1 X2\r\nM1000 (" + std::string(80, 'A') + ")");
  std::vector<std::pair<int, bool>> seen;
  const bool found = CheckSyntax(bench, 1, {1, 4}, [&](int line, const std::string&, bool warn) {
    seen.emplace_back(line, warn);
    return Answer::kOk;
  });
  EXPECT_TRUE(found);
  // Line 4 is cut to 80 characters, losing its ")".
  EXPECT_EQ(seen, (std::vector<std::pair<int, bool>>{{2, false}, {3, true}, {4, false}}));
}

TEST_F(SyntaxCheck, TurretsMustCallTheSameMCodeAtASyncPoint) {
  bench.Pane(1)->SetText("P10 M100\r\nP20 M200\r\n(P30)\r\nP40 M1");
  bench.Pane(2)->SetText("P20 M200\r\nP10 M101\r\nP40\r\nP30 M5");
  CheckTurretMCodes(bench);
  EXPECT_EQ(host.Texts(),
            (std::vector<std::string>{kMNumbersDoNotMatch + std::string("P10 M100\r\nP10 M101"),
                                      kMNumbersDoNotMatch + std::string("P40 M1\r\nP40")}));
}

}  // namespace
}  // namespace vormak
