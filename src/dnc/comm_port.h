#pragma once
// The serial port over POSIX terminals (termios): a real port, a USB adapter or a pseudo-
// terminal. One watcher thread per open port notices line events and hands each to the owning
// thread through the dispatcher; reads and writes are serialised by one lock.

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "dnc/serial_device.h"

namespace vormak {

class TCustomComm : public SerialDevice {
 public:
  TCustomComm();
  ~TCustomComm() override;
  TCustomComm(const TCustomComm&) = delete;
  TCustomComm& operator=(const TCustomComm&) = delete;

  void Open() override;
  void Close() override;
  bool IsOpen() const override { return fd_ >= 0; }

  int Read(char* buffer, int count) override;
  int Write(const char* buffer, int count) override;
  int PendingOutput() const override;

  void PurgeIn() override;
  void SetDTR(bool on) override;
  void SetRTS(bool on) override;
  void SetXonXoff(bool on) override;
  void SetBreak(bool on) override;
  bool ModemLine(ModemSignal signal) override;

  std::string DeviceName() const override { return device_name_; }
  void SetDeviceName(const std::string& name) override;
  int BaudRate() const override { return baud_rate_; }
  void SetBaudRate(int rate) override;
  Parity GetParity() const override { return parity_; }
  void SetParity(Parity parity) override;
  StopBits Stopbits() const override { return stop_bits_; }
  void SetStopbits(StopBits bits) override;
  int Databits() const override { return data_bits_; }
  void SetDatabits(int bits) override;
  FlowControl GetFlowControl() const override { return flow_control_; }
  void SetFlowControl(FlowControl flow) override;
  unsigned MonitorEvents() const override { return monitor_events_; }
  void SetMonitorEvents(unsigned events) override;
  void SetEventHandlers(CommEventHandlers handlers) override { handlers_ = std::move(handlers); }
  void SetDispatcher(CommDispatcher dispatcher) override { dispatcher_ = std::move(dispatcher); }

  int ReadTimeout() const { return read_timeout_; }
  void SetReadTimeout(int ms) { read_timeout_ = ms; }
  int WriteTimeout() const { return write_timeout_; }
  void SetWriteTimeout(int ms) { write_timeout_ = ms; }
  // Kept for the settings they stand for; a terminal's queues are the driver's own size.
  int ReadBufSize() const { return read_buf_size_; }
  void SetReadBufSize(int bytes);
  int WriteBufSize() const { return write_buf_size_; }
  void SetWriteBufSize(int bytes);
  unsigned Options() const { return options_; }
  void SetOptions(unsigned options);
  EventChars GetEventChars() const { return event_chars_; }
  void SetEventChars(const EventChars& chars);

  // What the watcher hands over, run on the owning thread: takes the queue status, then calls
  // the assigned handlers of `events` in the order of CommEvent.
  void DispatchEvents(unsigned events, unsigned line_errors);

  // The path opened for DeviceName: "Com1".."Com4" (any case) are /dev/ttyS0..3.
  std::string DevicePath() const;

 private:
  struct Watch;  // shared with the watcher thread and its posted tasks

  void ApplyLineSettings();
  void StartWatcher();
  void StopWatcher();
  void WatchLoop(std::shared_ptr<Watch> watch);
  int FlushPending(int deadline_ms);
  template <typename T>
  void ChangeSetting(T& member, const T& value);
  void RequireOpen() const;
  void RequireClosed() const;
  void ModemControl(int request, int bits);

  std::string device_name_ = "Com2";
  int read_timeout_ = 1000;
  int write_timeout_ = 1000;
  int read_buf_size_ = 4096;
  int write_buf_size_ = 2048;
  unsigned monitor_events_ = kAllCommEvents;
  int baud_rate_ = 9600;
  Parity parity_ = Parity::kNone;
  StopBits stop_bits_ = StopBits::kOne;
  int data_bits_ = 8;
  unsigned options_ = 0;
  FlowControl flow_control_ = FlowControl::kDefault;
  EventChars event_chars_;
  CommEventHandlers handlers_;
  CommDispatcher dispatcher_;

  int fd_ = -1;
  bool pseudo_terminal_ = false;
  mutable std::mutex io_lock_;  // one read or write at a time
  std::string pending_out_;     // accepted by Write, not yet taken by the driver
  std::shared_ptr<Watch> watch_;
  std::thread watcher_;
};

// The component the punch/read dialog places on its form.
class TComm : public TCustomComm {};

}  // namespace vormak
