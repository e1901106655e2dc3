#include "dnc/tape_reader.h"

#include <algorithm>

#include "dnc/punch.h"
#include "dnc/transfer_fixture.h"
#include "nctext/edit_control.h"

namespace vormak {
namespace {

using test::TransferTest;

class ReadTest : public TransferTest {
 protected:
  void StartReading(TapeCode code) {
    bench.Pane(1)->SetText("");
    session = std::make_unique<ReadSession>(bench, 1, port, code, 2, log);
    CommEventHandlers h;
    h.on_rx_char = [this](int waiting) { stopped = !session->OnReceived(waiting); };
    h.on_error = [this](unsigned errors) {
      for (const auto& t : LineErrorTexts(errors)) log.Log(t);
    };
    port.SetEventHandlers(h);
    OpenPort();
    session->Start();
  }
  // Runs the hand-overs until `done` (or a few seconds of nothing).
  template <typename Done>
  void RunUntil(Done done) {
    for (int idle = 0; idle < 300 && !stopped && !done();) {
      idle = queue.RunPending(10) ? 0 : idle + 1;
    }
  }
  void RunUntilLines(int lines) {
    RunUntil([&] { return session->Reader().LinesRead() >= lines; });
  }
  std::string PaneText() { return bench.Pane(1)->GetText(); }

  std::unique_ptr<ReadSession> session;
  bool stopped = false;
};

TEST_F(ReadTest, StartsTheFarReaderAndTakesIsoLines) {
  StartReading(TapeCode::kIso);
  EXPECT_EQ(peer.Receive(100, 2), "\x11\x11");
  EXPECT_EQ(log.lines, (std::vector<std::string>{"", "Reading from Comm 2"}));
  peer.Send("\xB1\x0A");
  RunUntilLines(1);
  EXPECT_EQ(PaneText(), "1\r\n");
  EXPECT_EQ(log.last_line, 1);
}

TEST_F(ReadTest, OnlyLineFeedEndsALineAndNulAndCrAreDropped) {
  StartReading(TapeCode::kAscii);
  peer.Send(std::string("G0\rX1\0\0Y2\r\n\r\nN2", 15));
  RunUntil([&] { return session->Reader().PartialLine() == "N2"; });
  EXPECT_EQ(PaneText(), "G0X1Y2\r\n\r\n");
  EXPECT_EQ(session->Reader().PartialLine(), "N2");
}

TEST_F(ReadTest, EiaIsTranslatedBackAndUnknownCodesDropped) {
  StartReading(TapeCode::kEia);
  // N10G1X1.5, end of block; 0x03 and 0xFF are no EIA codes; leader bytes are blank tape.
  peer.Send(std::string("\0\0\x45\x01\x20\x03\x67\x01\x37\xFF\x01\x6B\x15\x80", 14));
  RunUntilLines(1);
  EXPECT_EQ(PaneText(), "N10G1X1.5\r\n");
}

TEST_F(ReadTest, ControlBytesAreShownAndNotAddedToTheLine) {
  StartReading(TapeCode::kAscii);
  peer.Send(
      "A\x11"
      "B\x12"
      "C\x13"
      "D\x14"
      "E\n");
  RunUntilLines(1);
  EXPECT_EQ(PaneText(), "ABCDE\r\n");
  EXPECT_EQ(host.Texts(), (std::vector<std::string>{"#17", "#18", "#19", "#20"}));
}

TEST_F(ReadTest, EscapeStopsTheReadAndPurgesTheInput) {
  StartReading(TapeCode::kAscii);
  host.QueueEscape(1);  // after the second line
  peer.Send("N1\nN2\nN3\nN4\n");
  RunUntilLines(4);
  EXPECT_TRUE(stopped);
  EXPECT_EQ(PaneText(), "N1\r\nN2\r\n");
}

TEST_F(ReadTest, FarEndClosingKeepsWhatArrivedAndSaysSo) {
  StartReading(TapeCode::kAscii);
  peer.Send("N1\nN2\n");
  RunUntilLines(2);
  peer.Send("N3");
  peer.CloseMaster();
  for (int i = 0; i < 100 && !log.Logged("I/O error"); ++i) queue.RunPending(20);
  EXPECT_TRUE(log.Logged("An I/O error occurred during communications with the device."));
  EXPECT_EQ(PaneText(), "N1\r\nN2\r\n");
}

// Punched in each code through one pty, read back through another: the same lines.
TEST(RoundTrip, EveryCodeReproducesTheProgram) {
  const std::string program = test::GeneratedProgram(3000);  // about 100 KB
  for (TapeCode code : {TapeCode::kAscii, TapeCode::kEia, TapeCode::kIso}) {
    SCOPED_TRACE(TapeCodeName(code));
    std::string tape;
    {
      test::PtyPeer peer;
      FakeHost host;
      Workbench bench(host);
      bench.Pane(1)->SetText(program);
      TComm port;
      port.SetDeviceName(peer.SlaveName());
      port.SetFlowControl(FlowControl::kNone);
      port.Open();
      peer.CloseSlave();
      std::thread collect([&] { tape = peer.Receive(2000); });
      test::LogObserver log;
      PunchJob job;
      job.code = code;
      EXPECT_EQ(Punch(bench, 1, port, job, log).outcome, PunchOutcome::kDone);
      port.Close();
      collect.join();
    }
    test::PtyPeer peer;
    FakeHost host;
    Workbench bench(host);
    bench.Pane(1)->SetText("");
    TComm port;
    CommEventQueue queue;
    port.SetDeviceName(peer.SlaveName());
    port.SetFlowControl(FlowControl::kNone);
    port.SetDispatcher(queue.Dispatcher());
    test::LogObserver log;
    ReadSession session(bench, 1, port, code, 2, log);
    CommEventHandlers h;
    h.on_rx_char = [&](int waiting) { session.OnReceived(waiting); };
    port.SetEventHandlers(h);
    port.Open();
    peer.CloseSlave();
    session.Start();
    std::thread sender([&] { peer.Send(tape); });
    // Until the punch-off: DC4 itself, or on an EIA line the raw DC4 that is no EIA code.
    auto ended = [&] {
      return code == TapeCode::kEia ? session.Reader().RawPunchOffSeen() : host.Showed("#20");
    };
    for (int idle = 0; idle < 300 && !ended();) idle = queue.RunPending(10) ? 0 : idle + 1;
    sender.join();
    std::string text = bench.Pane(1)->GetText();
    std::string expected;
    for (const char c : program) expected += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(text.size(), expected.size());
    const auto differ = std::mismatch(text.begin(), text.end(), expected.begin(), expected.end());
    EXPECT_TRUE(text == expected) << "first difference at " << (differ.first - text.begin()) << ": "
                                  << text.substr(
                                         std::max<long>(0, differ.first - text.begin() - 40), 80);
    // DC2 and DC4 of the punch, which EIA does not translate.
    const std::vector<std::string> controls = {"#18", "#20"};
    EXPECT_EQ(host.Texts(), code == TapeCode::kEia ? std::vector<std::string>{} : controls);
  }
}

}  // namespace
}  // namespace vormak
