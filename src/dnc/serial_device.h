#pragma once
// The serial port as punch and read see it: open, line settings, timed reads and writes, modem
// lines, break, purge, and line events handed to the thread that owns the port.

#include <functional>
#include <stdexcept>
#include <string>

namespace vormak {

// A failure of the port. The message is the operation's text followed by " (Error: %d) " with
// the system's error number, or -1 when the system gave none.
class ECommError : public std::runtime_error {
 public:
  ECommError(const std::string& text, int code);
  int ErrorCode() const { return code_; }

 private:
  int code_;
};

inline constexpr const char* kCommPortOpen = "Port already assigned (open)";
inline constexpr const char* kCommAccessError = "Error accessing specified device";
inline constexpr const char* kCommInvalidHandle = "Invalid device handle, access denied";
inline constexpr const char* kCommTimeoutsError = "Error updating CommTimeouts";
inline constexpr const char* kCommDcbError = "Error updating DataControlBlock";
inline constexpr const char* kCommBuffersError = "Error initializing Read/Write Buffers";
inline constexpr const char* kCommReadError = "Read error";
inline constexpr const char* kCommWriteError = "Write error";
inline constexpr const char* kCommNotOpen = "Port not open, unable to complete operation";
inline constexpr const char* kCommEscapeError = "EscapeCommFunction failure";

enum class Parity { kNone, kOdd, kEven, kMark, kSpace };
enum class StopBits { kOne, kOneAndHalf, kTwo };
enum class FlowControl { kNone, kRtsCts, kDtrDsr, kXonXoff, kDefault };
enum class ModemSignal { kCts, kDsr, kRing, kRlsd };

// Line events, one bit each, listed in the order they are dispatched.
enum CommEvent : unsigned {
  kEvBreak = 1u << 0,
  kEvCts = 1u << 1,
  kEvDsr = 1u << 2,
  kEvError = 1u << 3,
  kEvRing = 1u << 4,
  kEvRlsd = 1u << 5,
  kEvRxChar = 1u << 6,
  kEvRxFlag = 1u << 7,
  kEvTxEmpty = 1u << 8,
};
inline constexpr unsigned kAllCommEvents = (1u << 9) - 1;

// Line-error flags handed to OnError.
enum CommLineError : unsigned {
  kCeBreak = 1u << 0,
  kCeFrame = 1u << 1,
  kCeIoError = 1u << 2,
  kCeMode = 1u << 3,
  kCeOverrun = 1u << 4,
  kCeRxOver = 1u << 5,
  kCeRxParity = 1u << 6,
  kCeTxFull = 1u << 7,
  kCeDns = 1u << 8,
  kCeOop = 1u << 9,
  kCePto = 1u << 10,
};

// Line options.
enum CommOption : unsigned {
  kOptParityCheck = 1u << 0,
  kOptDsrSensitivity = 1u << 1,
  kOptTxContinueOnXoff = 1u << 2,
  kOptErrorChar = 1u << 3,
  kOptNullStrip = 1u << 4,
};

struct EventChars {
  char xon = 17;
  char xoff = 19;
  char error = 0;
  char eof = 0;
  char event = 0;
};

// Handlers of the line events; each runs on the thread that owns the port, never concurrently
// with another or with that thread's own work. Unassigned handlers are skipped.
struct CommEventHandlers {
  std::function<void()> on_break;
  std::function<void()> on_cts;
  std::function<void()> on_dsr;
  std::function<void(unsigned line_errors)> on_error;
  std::function<void()> on_ring;
  std::function<void()> on_rlsd;
  std::function<void(int waiting)> on_rx_char;
  std::function<void()> on_rx_flag;
  std::function<void()> on_tx_empty;
};

// Runs a task on the thread that owns the port (the window's thread). The watcher waits until
// the task has run or the port closes, so the task may run after Close: it then does nothing.
using CommDispatcher = std::function<void(std::function<void()> task)>;

class SerialDevice {
 public:
  virtual ~SerialDevice() = default;

  // Raise ECommError on failure.
  virtual void Open() = 0;
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;

  // At most `count` bytes of what has arrived, waiting up to the read time-out for the first;
  // -1 when nothing arrived in time.
  virtual int Read(char* buffer, int count) = 0;
  // All `count` bytes, or -1 when the write time-out ran out first. Bytes not yet taken by the
  // driver then stay queued and go out ahead of the next write, so nothing is lost or repeated.
  virtual int Write(const char* buffer, int count) = 0;
  // Bytes still queued by a timed-out write.
  virtual int PendingOutput() const = 0;

  virtual void PurgeIn() = 0;
  virtual void SetDTR(bool on) = 0;
  virtual void SetRTS(bool on) = 0;
  // Output behaves as if XON (on) or XOFF (off) had been received.
  virtual void SetXonXoff(bool on) = 0;
  virtual void SetBreak(bool on) = 0;
  virtual bool ModemLine(ModemSignal signal) = 0;

  virtual std::string DeviceName() const = 0;
  virtual void SetDeviceName(const std::string& name) = 0;
  virtual int BaudRate() const = 0;
  virtual void SetBaudRate(int rate) = 0;
  virtual Parity GetParity() const = 0;
  virtual void SetParity(Parity parity) = 0;
  virtual StopBits Stopbits() const = 0;
  virtual void SetStopbits(StopBits bits) = 0;
  virtual int Databits() const = 0;
  virtual void SetDatabits(int bits) = 0;
  virtual FlowControl GetFlowControl() const = 0;
  virtual void SetFlowControl(FlowControl flow) = 0;
  virtual unsigned MonitorEvents() const = 0;
  virtual void SetMonitorEvents(unsigned events) = 0;

  virtual void SetEventHandlers(CommEventHandlers handlers) = 0;
  virtual void SetDispatcher(CommDispatcher dispatcher) = 0;
};

// The device behind a port number 1..4 ("Comm1".."Comm4"): /dev/ttyS0..3, unless the machine
// names its own device (USB adapters are /dev/ttyUSB*, /dev/ttyACM*).
std::string CommDevicePath(int comm_port, const std::string& comm_device);

}  // namespace vormak
