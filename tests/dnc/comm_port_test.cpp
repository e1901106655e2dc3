#include "dnc/comm_port.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "dnc/comm_event_queue.h"
#include "dnc/port_setup.h"
#include "dnc/pty_peer.h"
#include "settings/machine_settings.h"

namespace vormak {
namespace {

using test::PtyPeer;

std::string ErrorText(const std::function<void()>& action) {
  try {
    action();
  } catch (const ECommError& e) {
    return e.what();
  }
  return "no error";
}

class CommPortTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(peer.ok());
    comm.SetDeviceName(peer.SlaveName());
    comm.SetFlowControl(FlowControl::kNone);
  }
  void OpenPort() {
    comm.Open();
    peer.CloseSlave();
  }
  PtyPeer peer;
  TComm comm;
};

TEST(CommPortProperties, DefaultsAndDeviceNames) {
  TComm comm;
  EXPECT_EQ(comm.DeviceName(), "Com2");
  EXPECT_EQ(comm.DevicePath(), "/dev/ttyS1");
  EXPECT_EQ(comm.ReadTimeout(), 1000);
  EXPECT_EQ(comm.WriteTimeout(), 1000);
  EXPECT_EQ(comm.ReadBufSize(), 4096);
  EXPECT_EQ(comm.WriteBufSize(), 2048);
  EXPECT_EQ(comm.MonitorEvents(), kAllCommEvents);
  EXPECT_EQ(comm.BaudRate(), 9600);
  EXPECT_EQ(comm.GetParity(), Parity::kNone);
  EXPECT_EQ(comm.Stopbits(), StopBits::kOne);
  EXPECT_EQ(comm.Databits(), 8);
  EXPECT_EQ(comm.Options(), 0u);
  EXPECT_EQ(comm.GetFlowControl(), FlowControl::kDefault);
  EXPECT_EQ(comm.GetEventChars().xon, 17);
  EXPECT_EQ(comm.GetEventChars().xoff, 19);
  EXPECT_FALSE(comm.IsOpen());
  EXPECT_FALSE(comm.ModemLine(ModemSignal::kCts));
  comm.SetDeviceName("COM4");
  EXPECT_EQ(comm.DevicePath(), "/dev/ttyS3");
  comm.SetDeviceName("/dev/ttyUSB0");
  EXPECT_EQ(comm.DevicePath(), "/dev/ttyUSB0");
  comm.SetDeviceName("Comx");
  EXPECT_EQ(comm.DevicePath(), "Comx");
  EXPECT_EQ(CommDevicePath(1, ""), "/dev/ttyS0");
  EXPECT_EQ(CommDevicePath(4, ""), "/dev/ttyS3");
  EXPECT_EQ(CommDevicePath(2, "/dev/ttyACM0"), "/dev/ttyACM0");
}

// The Punch page's rates reach the port up to 115200; a rate outside the page's list leaves
// the port's own.
TEST(CommPortProperties, MachineRatesUpTo115200) {
  MachineSettings s;
  s.comm_device = "/dev/serial/by-id/usb-FTDI_FT232R-if00-port0";
  for (int rate : {19200, 38400, 57600, 115200}) {
    TComm comm;
    s.comm_baud_rate = rate;
    ConfigurePort(comm, s);
    EXPECT_EQ(comm.BaudRate(), rate);
    EXPECT_EQ(comm.DevicePath(), s.comm_device);
  }
  TComm comm;
  s.comm_baud_rate = 12345;
  ConfigurePort(comm, s);
  EXPECT_EQ(comm.BaudRate(), 9600);
}

TEST(CommPortOpen, RefusesWhatIsNoTerminalAndKeepsNothingOpen) {
  TComm comm;
  comm.SetDeviceName("/dev/null");
  EXPECT_EQ(ErrorText([&] { comm.Open(); }), "Invalid device handle, access denied (Error: -1) ");
  EXPECT_FALSE(comm.IsOpen());
  comm.SetDeviceName("/nonexistent/ttyS9");
  EXPECT_EQ(ErrorText([&] { comm.Open(); }), "Error accessing specified device (Error: 2) ");
  EXPECT_EQ(ErrorText([&] { comm.SetDTR(true); }),
            "Port not open, unable to complete operation (Error: -1) ");
  EXPECT_EQ(ErrorText([&] { comm.SetBreak(true); }),
            "Port not open, unable to complete operation (Error: -1) ");
}

TEST_F(CommPortTest, OpenIsExclusiveAndLocksItsSettings) {
  OpenPort();
  EXPECT_TRUE(comm.IsOpen());
  EXPECT_EQ(ErrorText([&] { comm.Open(); }), "Port already assigned (open) (Error: -1) ");
  EXPECT_EQ(ErrorText([&] { comm.SetDeviceName("/dev/ttyS0"); }),
            "Port already assigned (open) (Error: -1) ");
  EXPECT_EQ(ErrorText([&] { comm.SetReadBufSize(100); }),
            "Port already assigned (open) (Error: -1) ");
  TComm second;
  second.SetDeviceName(peer.SlaveName());
  EXPECT_EQ(ErrorText([&] { second.Open(); }).rfind("Error accessing specified device", 0), 0u);
  EXPECT_FALSE(second.IsOpen());
  comm.Close();
  EXPECT_FALSE(comm.IsOpen());
  EXPECT_NO_THROW(second.Open());
}

TEST_F(CommPortTest, SpeedsTheTerminalCannotSetAreErrors) {
  comm.SetBaudRate(14400);
  EXPECT_EQ(ErrorText([&] { OpenPort(); }), "Error updating DataControlBlock (Error: 22) ");
  EXPECT_FALSE(comm.IsOpen());
  comm.SetBaudRate(19200);
  OpenPort();
  for (int rate : {110, 300, 600, 1200, 2400, 4800, 9600, 38400, 57600, 115200}) {
    EXPECT_NO_THROW(comm.SetBaudRate(rate)) << rate;
  }
  for (int rate : {56000, 128000, 256000}) {
    EXPECT_EQ(ErrorText([&] { comm.SetBaudRate(rate); }),
              "Error updating DataControlBlock (Error: 22) ")
        << rate;
  }
  EXPECT_ANY_THROW(comm.SetDatabits(4));
  // A pseudo-terminal has no framing: the machine's 7 data bits and even parity do not stop it.
  EXPECT_NO_THROW(comm.SetDatabits(7));
  EXPECT_NO_THROW(comm.SetParity(Parity::kEven));
  EXPECT_ANY_THROW(comm.SetFlowControl(FlowControl::kDtrDsr));
  EXPECT_NO_THROW(comm.SetFlowControl(FlowControl::kRtsCts));
  EXPECT_NO_THROW(comm.SetParity(Parity::kMark));
  // A pseudo-terminal has no modem lines: driving them is no failure, reading them is false.
  EXPECT_NO_THROW(comm.SetDTR(true));
  EXPECT_NO_THROW(comm.SetRTS(false));
  EXPECT_NO_THROW(comm.SetBreak(false));
  EXPECT_FALSE(comm.ModemLine(ModemSignal::kDsr));
}

TEST_F(CommPortTest, EveryByteValuePassesBothWays) {
  OpenPort();
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(comm.Write(all.data(), 256), 256);
  EXPECT_EQ(peer.Receive(200, 256), all);
  peer.Send(all);
  std::string got;
  char buffer[300];
  while (got.size() < 256) {
    const int n = comm.Read(buffer, 300);
    ASSERT_GT(n, 0);
    got.append(buffer, static_cast<size_t>(n));
  }
  EXPECT_EQ(got, all);
}

TEST_F(CommPortTest, TimeOutsReturnMinusOneAndLoseNothing) {
  OpenPort();
  comm.SetReadTimeout(30);
  comm.SetWriteTimeout(30);
  char buffer[16];
  EXPECT_EQ(comm.Read(buffer, 16), -1);

  // The transmitter held as by XOFF: the write runs out of time, the rest stays queued.
  comm.SetXonXoff(false);
  std::string data;
  for (int i = 0; data.size() < 200000; ++i) data += "N" + std::to_string(i) + "G1X1.\n";
  EXPECT_EQ(comm.Write(data.data(), static_cast<int>(data.size())), -1);
  EXPECT_GT(comm.PendingOutput(), 0);
  std::string got = peer.Receive(20);
  comm.SetXonXoff(true);
  std::thread drain([&] { got += peer.Receive(300); });
  comm.SetWriteTimeout(5000);
  EXPECT_EQ(comm.Write("END", 3), 3);
  drain.join();
  EXPECT_EQ(comm.PendingOutput(), 0);
  EXPECT_EQ(got, data + "END");
}

TEST_F(CommPortTest, WatcherHandsOverReceivedBytesAndHangUp) {
  CommEventQueue queue;
  comm.SetDispatcher(queue.Dispatcher());
  std::vector<std::string> seen;
  CommEventHandlers h;
  h.on_rx_char = [&](int waiting) {
    std::vector<char> buffer(static_cast<size_t>(waiting));
    const int n = comm.Read(buffer.data(), waiting);
    seen.push_back("rx " + std::string(buffer.data(), static_cast<size_t>(n)));
  };
  h.on_error = [&](unsigned errors) { seen.push_back("error " + std::to_string(errors)); };
  comm.SetEventHandlers(h);
  OpenPort();
  peer.Send("N10");
  for (int i = 0; i < 200 && seen.empty(); ++i) queue.RunPending(20);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0], "rx N10");
  peer.CloseMaster();
  for (int i = 0; i < 200 && seen.size() < 2; ++i) queue.RunPending(20);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[1], "error " + std::to_string(kCeIoError));
  char buffer[4];
  EXPECT_ANY_THROW(comm.Read(buffer, 4));
}

TEST_F(CommPortTest, EventsAreDispatchedInTheirOrder) {
  std::vector<std::string> order;
  CommEventHandlers h;
  h.on_break = [&] { order.push_back("break"); };
  h.on_cts = [&] { order.push_back("cts"); };
  h.on_dsr = [&] { order.push_back("dsr"); };
  h.on_error = [&](unsigned e) { order.push_back("error " + std::to_string(e)); };
  h.on_ring = [&] { order.push_back("ring"); };
  h.on_rlsd = [&] { order.push_back("rlsd"); };
  h.on_rx_char = [&](int n) { order.push_back("rx " + std::to_string(n)); };
  h.on_rx_flag = [&] { order.push_back("flag"); };
  h.on_tx_empty = [&] { order.push_back("txempty"); };
  comm.SetEventHandlers(h);
  comm.SetMonitorEvents(0);  // no watcher hand-overs to race the direct calls
  OpenPort();
  peer.Send("ABC");
  for (int i = 0; i < 100; ++i) {
    order.clear();
    comm.DispatchEvents(kAllCommEvents, kCeFrame);
    if (order.size() == 9) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));  // bytes still on their way
  }
  EXPECT_EQ(order, (std::vector<std::string>{"break", "cts", "dsr", "error 2", "ring", "rlsd",
                                             "rx 3", "flag", "txempty"}));
  // Received bytes are announced only while some wait; a handler that closes ends the round.
  char buffer[8];
  ASSERT_EQ(comm.Read(buffer, 8), 3);
  order.clear();
  h.on_cts = [&] {
    order.push_back("cts");
    comm.Close();
  };
  comm.SetEventHandlers(h);
  comm.DispatchEvents(kEvRxChar | kEvCts | kEvTxEmpty, 0);
  EXPECT_EQ(order, std::vector<std::string>{"cts"});
}

TEST_F(CommPortTest, CloseFromInsideAHandlerDoesNotHang) {
  CommEventQueue queue;
  comm.SetDispatcher(queue.Dispatcher());
  bool closed = false;
  CommEventHandlers h;
  h.on_rx_char = [&](int) {
    comm.Close();
    closed = true;
  };
  comm.SetEventHandlers(h);
  OpenPort();
  peer.Send("X");
  for (int i = 0; i < 200 && !closed; ++i) queue.RunPending(20);
  EXPECT_TRUE(closed);
  EXPECT_FALSE(comm.IsOpen());
}

}  // namespace
}  // namespace vormak
