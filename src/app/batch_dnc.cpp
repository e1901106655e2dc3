// vormak-batch punch and read: a program to or from the machine tool over a serial device,
// through the same engine as the Punch - Reader dialog. Messages go to stderr.
#include <chrono>
#include <cstdio>
#include <fstream>
#include <optional>
#include <string>

#include "app/batch_commands.h"
#include "app/batch_host.h"
#include "dnc/comm_event_queue.h"
#include "dnc/comm_port.h"
#include "dnc/port_setup.h"
#include "dnc/punch.h"
#include "dnc/tape_reader.h"
#include "nctext/edit_control.h"
#include "workbench/machine_file.h"
#include "workbench/workbench.h"

namespace vormak::batch {

namespace {

constexpr const char* kPunchUsage =
    "punch FILE --port DEVICE [--machine M] [--code ascii|eia|iso] [--without-comments]";
constexpr const char* kTapeReadUsage =
    "read --port DEVICE -o OUT [--machine M] [--code ascii|eia|iso] [--idle-timeout SECONDS]";
constexpr int kDefaultIdleSeconds = 10;

struct DncOptions {
  std::string file;
  std::string port;
  std::string output;
  std::string machine;
  std::optional<TapeCode> code;
  bool without_comments = false;
  double idle_seconds = kDefaultIdleSeconds;
};

std::optional<TapeCode> ParseCode(const std::string& text) {
  if (text == "ascii") return TapeCode::kAscii;
  if (text == "eia") return TapeCode::kEia;
  if (text == "iso") return TapeCode::kIso;
  return std::nullopt;
}

std::optional<DncOptions> Parse(const Args& args, bool punch) {
  DncOptions o;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool has_value = i + 1 < args.size();
    if (a == "--port" && has_value) {
      o.port = args[++i];
    } else if (a == "--machine" && has_value) {
      o.machine = args[++i];
    } else if (a == "--code" && has_value) {
      o.code = ParseCode(args[++i]);
      if (!o.code) return std::nullopt;
    } else if (punch && a == "--without-comments") {
      o.without_comments = true;
    } else if (!punch && a == "-o" && has_value) {
      o.output = args[++i];
    } else if (!punch && a == "--idle-timeout" && has_value) {
      try {
        o.idle_seconds = std::stod(args[++i]);
      } catch (...) {
        return std::nullopt;
      }
      if (!(o.idle_seconds > 0)) return std::nullopt;
    } else if (punch && o.file.empty() && !a.empty() && a[0] != '-') {
      o.file = a;
    } else {
      return std::nullopt;
    }
  }
  if (o.port.empty() || (punch ? o.file.empty() : o.output.empty())) return std::nullopt;
  return o;
}

int Usage(const char* usage) {
  std::fprintf(stderr, "usage: vormak-batch %s\n", usage);
  return 2;
}

class ConsoleObserver : public TransferObserver {
 public:
  void Log(const std::string& text) override {
    if (!text.empty()) std::fprintf(stderr, "%s\n", text.c_str());
  }
  void Progress(int line, int) override { lines = line; }
  int lines = 0;
};

bool LoadMachine(Workbench& bench, const std::string& machine_file) {
  if (machine_file.empty()) return true;
  bench.locations = FindLocations("");
  bench.machines.Slot(1).path = machine_file;
  return LoadMachineSettings(bench, 1);  // the message is on stderr
}

// The machine's line settings on the named device, opened with the machine's handshake.
bool OpenPort(TComm& port, const Workbench& bench, const DncOptions& o, TapeCode code,
              TransferObserver& observer) {
  try {
    ConfigurePort(port, bench.settings);
    port.SetDeviceName(o.port);
    port.Open();
    observer.Log(kDeviceReady + port.DeviceName());
  } catch (const ECommError& e) {
    std::fprintf(stderr, "%s%s\n", kAsyncError, e.what());
    return false;
  }
  try {
    ApplyHandshake(port, bench.settings.comm_handshake);
  } catch (const ECommError& e) {
    observer.Log(e.what());
  }
  observer.Log(PortStatusLine(port, code));
  return true;
}

// The received lines as a file with "\n" line ends; a last line the far end did not end
// (an ASCII sender without a final line feed) is kept too.
bool WriteReceived(Workbench& bench, const TapeReader& reader, const std::string& path) {
  EditControl* pane = bench.Pane(1);
  if (!reader.PartialLine().empty()) pane->AppendLine(reader.PartialLine());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  int last = pane->LineCount();
  if (last >= 1 && pane->GetLine(last).empty()) --last;
  for (int n = 1; n <= last; ++n) out << pane->GetLine(n) << '\n';
  out.close();
  if (!out) std::fprintf(stderr, "Cannot write %s\n", path.c_str());
  return static_cast<bool>(out);
}

}  // namespace

int RunPunch(const Args& args) {
  const auto o = Parse(args, true);
  if (!o) return Usage(kPunchUsage);
  ConsoleHost host;
  Workbench bench(host);
  if (!LoadMachine(bench, o->machine)) return 1;
  try {
    bench.Pane(1)->LoadFile(o->file);
  } catch (const EditError&) {
    std::fprintf(stderr, "Cannot open %s\n", o->file.c_str());
    return 1;
  }
  PunchJob job = PunchJobFromSettings(bench.settings, o->without_comments);
  if (o->code) job.code = *o->code;
  ConsoleObserver observer;
  TComm port;
  port.SetMonitorEvents(0);  // nothing to report while punching: a lost line shows as a write error
  if (!OpenPort(port, bench, *o, job.code, observer)) return 1;
  const PunchResult result = Punch(bench, 1, port, job, observer);
  port.Close();
  if (result.outcome != PunchOutcome::kDone) return 1;
  std::fprintf(stderr, "%d lines punched\n", result.lines);
  return 0;
}

int RunTapeRead(const Args& args) {
  const auto o = Parse(args, false);
  if (!o) return Usage(kTapeReadUsage);
  ConsoleHost host;
  Workbench bench(host);
  if (!LoadMachine(bench, o->machine)) return 1;
  const TapeCode code = o->code.value_or(TapeCodeFromPunchType(bench.settings.punch_type));
  ConsoleObserver observer;
  bench.Pane(1)->SetText("");
  TComm port;
  CommEventQueue queue;
  ReadSession session(bench, 1, port, code, bench.settings.comm_port, observer);
  bool punch_off = false;
  bool hung_up = false;
  session.Reader().on_control = [&](int byte) {
    if (byte == kDC4) {
      punch_off = true;
    } else {
      std::fprintf(stderr, "#%d\n", byte);
    }
  };
  CommEventHandlers handlers =
      LoggingHandlers(port, observer, [&](int waiting) { session.OnReceived(waiting); });
  auto log_errors = handlers.on_error;
  handlers.on_error = [&, log_errors](unsigned errors) {
    log_errors(errors);
    if (errors & kCeIoError) hung_up = true;  // the far end went away
  };
  port.SetEventHandlers(handlers);
  port.SetDispatcher(queue.Dispatcher());
  port.SetMonitorEvents(kAllCommEvents & ~kEvTxEmpty);
  if (!OpenPort(port, bench, *o, code, observer)) return 1;
  try {
    session.Start();
  } catch (const ECommError& e) {
    std::fprintf(stderr, "%s%s\n", kAsyncError, e.what());
    return 1;
  }
  const int idle_ms = static_cast<int>(o->idle_seconds * 1000);
  while (!punch_off && !hung_up && !session.Reader().RawPunchOffSeen()) {
    if (queue.RunPending(idle_ms) == 0) break;  // nothing for the idle time: the sender is done
  }
  port.Close();
  if (!WriteReceived(bench, session.Reader(), o->output)) return 1;
  std::fprintf(stderr, "%d lines read\n", observer.lines);
  return 0;
}

// "read" also names the word reader: a --port makes it the tape reader.
int RunReadCommand(const Args& args) {
  for (const std::string& a : args) {
    if (a == "--port") return RunTapeRead(args);
  }
  return RunRead(args);
}

}  // namespace vormak::batch
