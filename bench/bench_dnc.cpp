// Punch and read of a 1 MB program through a pseudo-terminal, in each tape code: throughput
// (bytes_per_second, wall clock) and the process CPU per megabyte of program. The read case
// also proves the round trip: the lines read back must be the lines punched.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <ctime>
#include <string>
#include <thread>

#include "dnc/comm_event_queue.h"
#include "dnc/comm_port.h"
#include "dnc/punch.h"
#include "dnc/tape_reader.h"
#include "nctext/edit_control.h"
#include "nctext/quiet_host.h"
#include "workbench/workbench.h"

namespace vormak {
namespace {

// Titles and headers carry the date and time: fixed, so every run punches the same bytes.
class DatedHost : public QuietHost {
 public:
  std::string DateText() override { return "12/09/26"; }
  std::string TimeText() override { return "10:30"; }
};

class NullObserver : public TransferObserver {
 public:
  void Log(const std::string&) override {}
  void Progress(int, int) override {}
};

// About 1 MB of blocks every tape code can carry.
std::string Program() {
  std::string text = "%\n:1000 (BENCH PART)\n";
  for (int n = 1; text.size() < (1u << 20); ++n) {
    text += "N" + std::to_string(n * 5) + "G1X" + std::to_string(n % 97) + ".125Y-" +
            std::to_string(n % 13) + ".5Z0.1F12.\n";
  }
  return text + "M30\n%\n";
}

struct Pty {
  Pty() {
    int slave = -1;
    char name[256] = {};
    if (::openpty(&master, &slave, name, nullptr, nullptr) != 0) return;
    slave_name = name;
    slave_fd = slave;
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
  }
  ~Pty() {
    if (slave_fd >= 0) ::close(slave_fd);
    if (master >= 0) ::close(master);
  }
  int master = -1;
  int slave_fd = -1;
  std::string slave_name;
};

double CpuSeconds() {
  return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

void Open(TComm& port, Pty& pty) {
  port.SetDeviceName(pty.slave_name);
  port.SetFlowControl(FlowControl::kNone);
  port.Open();
  ::close(pty.slave_fd);
  pty.slave_fd = -1;
}

std::string Punched(const std::string& program, TapeCode code, size_t* bytes) {
  DatedHost host;
  Workbench bench(host);
  bench.Pane(1)->SetText(program);
  Pty pty;
  TComm port;
  Open(port, pty);
  std::string tape;
  std::thread far_end([&] {
    char buffer[65536];
    for (;;) {
      pollfd p{pty.master, POLLIN, 0};
      if (::poll(&p, 1, 2000) <= 0) break;
      const ssize_t n = ::read(pty.master, buffer, sizeof buffer);
      if (n <= 0) break;
      tape.append(buffer, static_cast<size_t>(n));
    }
  });
  PunchJob job;
  job.code = code;
  NullObserver log;
  Punch(bench, 1, port, job, log);
  port.Close();
  far_end.join();
  *bytes = tape.size();
  return tape;
}

void BM_Punch(benchmark::State& state) {
  const TapeCode code = static_cast<TapeCode>(state.range(0));
  const std::string program = Program();
  const double cpu_start = CpuSeconds();
  size_t tape_bytes = 0;
  for (auto _ : state) benchmark::DoNotOptimize(Punched(program, code, &tape_bytes));
  const double megabytes = static_cast<double>(program.size()) * state.iterations() / (1 << 20);
  state.SetBytesProcessed(static_cast<int64_t>(program.size()) * state.iterations());
  state.counters["cpu_ms_per_MB"] = (CpuSeconds() - cpu_start) * 1000 / megabytes;
  state.counters["tape_bytes"] = static_cast<double>(tape_bytes);
  state.SetLabel(TapeCodeName(code));
}

void BM_Read(benchmark::State& state) {
  const TapeCode code = static_cast<TapeCode>(state.range(0));
  const std::string program = Program();
  size_t ignored = 0;
  const std::string tape = Punched(program, code, &ignored);
  std::string expected;
  for (const char c : program) expected += c == '\n' ? std::string("\r\n") : std::string(1, c);
  const double cpu_start = CpuSeconds();
  for (auto _ : state) {
    DatedHost host;
    Workbench bench(host);
    bench.Pane(1)->SetText("");
    Pty pty;
    TComm port;
    CommEventQueue queue;
    port.SetDispatcher(queue.Dispatcher());
    NullObserver log;
    ReadSession session(bench, 1, port, code, 2, log);
    bool ended = false;
    session.Reader().on_control = [&](int byte) { ended = ended || byte == kDC4; };
    CommEventHandlers h;
    h.on_rx_char = [&](int waiting) { session.OnReceived(waiting); };
    port.SetEventHandlers(h);
    Open(port, pty);
    std::thread sender([&] {
      size_t sent = 0;
      while (sent < tape.size()) {
        const ssize_t n = ::write(pty.master, tape.data() + sent, tape.size() - sent);
        if (n > 0) {
          sent += static_cast<size_t>(n);
        } else {
          pollfd p{pty.master, POLLOUT, 0};
          if (::poll(&p, 1, 2000) <= 0) break;
        }
      }
    });
    while (!ended && !session.Reader().RawPunchOffSeen()) {
      if (queue.RunPending(2000) == 0) break;
    }
    sender.join();
    port.Close();
    if (bench.Pane(1)->GetText() != expected) {
      state.SkipWithError("the program read back differs from the one punched");
      break;
    }
  }
  const double megabytes = static_cast<double>(program.size()) * state.iterations() / (1 << 20);
  state.SetBytesProcessed(static_cast<int64_t>(program.size()) * state.iterations());
  state.counters["cpu_ms_per_MB"] = (CpuSeconds() - cpu_start) * 1000 / megabytes;
  state.SetLabel(TapeCodeName(code));
}

BENCHMARK(BM_Punch)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Read)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace vormak

BENCHMARK_MAIN();
