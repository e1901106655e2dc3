#include "dnc/punch.h"

#include <algorithm>

#include "dnc/tape_title_font.h"
#include "dnc/transfer_fixture.h"
#include "nctext/edit_control.h"

namespace vormak {
namespace {

using test::TransferTest;

std::string Leader(int inches) {
  return std::string(static_cast<size_t>(inches) * 10, '\0');
}
const std::string kDC2s(1, '\x12');
const std::string kDC4s(1, '\x14');

class PunchTest : public TransferTest {
 protected:
  PunchResult PunchText(const std::string& text, TapeCode code, bool without_comments = false) {
    bench.Pane(1)->SetText(text);
    job.code = code;
    job.without_comments = without_comments;
    OpenPort();
    StartCollecting();
    const PunchResult result = Punch(bench, 1, port, job, log);
    StopCollecting();
    return result;
  }
  PunchJob job;
};

TEST_F(PunchTest, EiaBlockBetweenLeaderAndPunchOff) {
  job.inches_leader = 2;
  const PunchResult r = PunchText("N10G1X1.5\n", TapeCode::kEia);
  EXPECT_EQ(r.outcome, PunchOutcome::kDone);
  EXPECT_EQ(received, kDC2s + Leader(2) + "\x45\x01\x20\x67\x01\x37\x01\x6B\x15\x80" + kDC4s);
  EXPECT_EQ(log.last_line, 1);
  EXPECT_EQ(log.last_count, 1);
}

TEST_F(PunchTest, IsoBlocksCarryParityAndEndInCrLf) {
  job.inches_leader = 1;
  PunchText("/1\nB", TapeCode::kIso);
  EXPECT_EQ(received, kDC2s + Leader(1) + "\xAF\xB1\x8D\x0A" + "\x42\x8D\x0A" + kDC4s);
}

TEST_F(PunchTest, AsciiSendsCommentKeysAsTextWithoutLeader) {
  PunchText("(TPL )\n(TMR PART)\nG0X1\n", TapeCode::kAscii);
  EXPECT_EQ(received, kDC2s + "(TPL )\r\n(TMR PART)\r\nG0X1\r\n" + kDC4s);
}

TEST_F(PunchTest, TitleDateAndLeaderKeysPunchTapeInsteadOfText) {
  job.inches_leader = 1;
  host.date_text = "12/09/26";
  host.time_text = "10:30";
  PunchText("(TMR AB-1)\nN1 (TPD )\n(TPL )\nG0\n", TapeCode::kIso);
  const std::string expected = kDC2s + Leader(1) + TitleBytes(" AB-1") + Leader(1) +
                               TitleBytes("12/09/26 10:30") + Leader(1) + Leader(1) + "G0\x8D\x0A" +
                               kDC4s;
  EXPECT_EQ(received, expected);
  // A character outside the font leaves only its leader byte.
  EXPECT_EQ(TitleBytes("a"), std::string(1, '\0'));
  EXPECT_EQ(TitleText("(TMR OP 10)", 1, ")"), " OP 10");
  EXPECT_EQ(TitleText("(TMR", 1, ")"), "");
}

TEST_F(PunchTest, WithoutCommentsSkipsEveryLineHoldingTheCommentCharacter) {
  job.comment_char = ";";
  PunchText("G0X1 ;fast\nG1X2\n;(TPL )\nM30\n", TapeCode::kAscii, true);
  EXPECT_EQ(received, kDC2s + "G1X2\r\nM30\r\n" + kDC4s);
}

TEST_F(PunchTest, EscapeStopsBetweenLinesAndStillEndsThePunch) {
  host.QueueEscape(1);  // the check before line 2 sees it
  const PunchResult r = PunchText("G0X1\nG0X2\nG0X3\n", TapeCode::kAscii);
  EXPECT_EQ(r.outcome, PunchOutcome::kStopped);
  EXPECT_EQ(received, kDC2s + "G0X1\r\n" + kDC4s);
}

TEST_F(PunchTest, EscapeDuringATitleAbandonsTheTape) {
  job.inches_leader = 0;
  host.QueueEscape(2);  // line 1's check, the title's first character, then Escape
  const PunchResult r = PunchText("(TMR ABC)\nG0\n", TapeCode::kIso);
  EXPECT_EQ(r.outcome, PunchOutcome::kTitleAborted);
  EXPECT_EQ(received, kDC2s + TitleBytes(" "));
}

TEST_F(PunchTest, FarEndClosingMidPunchEndsWithAMessage) {
  bench.Pane(1)->SetText(test::GeneratedProgram(20000));
  job.code = TapeCode::kAscii;
  OpenPort();
  std::thread far_end([this] {
    received = peer.Receive(2000, 5000);
    peer.CloseMaster();
  });
  const PunchResult r = Punch(bench, 1, port, job, log);
  far_end.join();
  EXPECT_EQ(r.outcome, PunchOutcome::kFailed);
  EXPECT_NE(r.error.find("Write error"), std::string::npos);
  EXPECT_TRUE(log.Logged("Error writing to: " + peer.SlaveName()));
  EXPECT_LT(r.lines, 20000);
  EXPECT_EQ(received.substr(0, 11), kDC2s + "%\r\n:1000 (");
}

// The far end pauses every 64 KB with DC3 and resumes with DC1, as a control's buffer does.
TEST_F(PunchTest, XonXoffPausesAndResumesWithNothingLostOrRepeated) {
  const std::string program = test::GeneratedProgram(12000);  // about 400 KB
  bench.Pane(1)->SetText(program);
  port.SetFlowControl(FlowControl::kXonXoff);
  job.code = TapeCode::kAscii;
  OpenPort();
  size_t largest_spill = 0;
  int pauses = 0;
  std::thread far_end([&] {
    for (;;) {
      const std::string chunk = peer.Receive(500, 65536);
      received += chunk;
      if (chunk.size() < 65536) break;  // the punch has ended
      peer.Send("");
      // What was on its way when DC3 came; then the line stays quiet until DC1.
      const std::string spill = peer.Receive(150);
      largest_spill = std::max(largest_spill, spill.size());
      received += spill;
      ++pauses;
      peer.Send("");
    }
  });
  const PunchResult r = Punch(bench, 1, port, job, log);
  far_end.join();
  EXPECT_EQ(r.outcome, PunchOutcome::kDone);
  EXPECT_GE(pauses, 3);
  EXPECT_LT(largest_spill, 128u * 1024) << "the punch did not stop for DC3";
  RecordProperty("largest_spill", static_cast<int>(largest_spill));
  std::string expected = kDC2s;
  for (const char c : program) expected += c == '\n' ? std::string("\r\n") : std::string(1, c);
  expected += kDC4s;
  EXPECT_EQ(received.size(), expected.size());
  EXPECT_TRUE(received == expected);
}

TEST(PunchPause, GrowsWithTheCubeAndIsBounded) {
  EXPECT_EQ(PunchPauseMilliseconds(0), 0);
  EXPECT_EQ(PunchPauseMilliseconds(-3), 0);
  EXPECT_EQ(PunchPauseMilliseconds(2), 8);
  EXPECT_EQ(PunchPauseMilliseconds(10), 1000);
  EXPECT_EQ(PunchPauseMilliseconds(13), 2000);
  EXPECT_EQ(PunchPauseMilliseconds(2000000000), 2000);
}

}  // namespace
}  // namespace vormak
