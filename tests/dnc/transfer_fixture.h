#pragma once
// Punch and read through a real pseudo-terminal, with a fake host and a logging observer.

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "dnc/comm_event_queue.h"
#include "dnc/comm_port.h"
#include "dnc/dnc_messages.h"
#include "dnc/pty_peer.h"
#include "support/fake_host.h"
#include "workbench/workbench.h"

namespace vormak::test {

class LogObserver : public TransferObserver {
 public:
  void Log(const std::string& text) override { lines.push_back(text); }
  void Progress(int line, int count) override {
    last_line = line;
    last_count = count;
  }
  bool Logged(const std::string& text) const {
    for (const auto& l : lines) {
      if (l.find(text) != std::string::npos) return true;
    }
    return false;
  }
  std::vector<std::string> lines;
  int last_line = 0;
  int last_count = -1;
};

// A program of `lines` blocks using only characters every tape code holds.
inline std::string GeneratedProgram(int lines) {
  std::string text = "%\n:1000 (ROUGH CONTOUR)\n";
  for (int n = 1; n <= lines; ++n) {
    text += "N" + std::to_string(n * 5);
    switch (n % 6) {
      case 0:
        text += "G1X" + std::to_string(n % 97) + ".125Y-" + std::to_string(n % 13) + ".5F12.";
        break;
      case 1:
        text += "G2X1.5Y2.25I-0.75J0.K0.";
        break;
      case 2:
        text += "G65P9010A#102*2.5+[#103/4]";
        break;
      case 3:
        text += "/M01 (CHECK TOOL " + std::to_string(n % 20) + ")";
        break;
      case 4:
        text += "T0101 M6, S1200 M3 $7 @ & ! ?";
        break;
      default:
        text += " G0 Z0.1";
        break;
    }
    text += "\n";
    if (n == lines / 2) text += "\n";  // an empty block in the middle
  }
  return text + "M30\n%\n";
}

class TransferTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(peer.ok());
    port.SetDeviceName(peer.SlaveName());
    port.SetFlowControl(FlowControl::kNone);
    port.SetDispatcher(queue.Dispatcher());
  }
  void OpenPort() {
    port.Open();
    peer.CloseSlave();
  }
  // Everything the far end receives until the port closes.
  void StartCollecting() {
    collector = std::thread([this] { received = peer.Receive(2000); });
  }
  void StopCollecting() {
    port.Close();
    if (collector.joinable()) collector.join();
  }

  FakeHost host;
  Workbench bench{host};
  PtyPeer peer;
  TComm port;
  CommEventQueue queue;
  LogObserver log;
  std::thread collector;
  std::string received;
};

}  // namespace vormak::test
