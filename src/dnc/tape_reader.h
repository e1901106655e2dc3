#pragma once
// Receiving a program from the machine into the active pane: the reader's byte rules and the
// session that starts the far end's reader and takes each received chunk.

#include <functional>
#include <string>

#include "dnc/dnc_messages.h"
#include "dnc/serial_device.h"
#include "dnc/tape_code.h"

namespace vormak {

class Workbench;

// Most bytes taken by one read.
inline constexpr int kReadChunk = 2000;

class TapeReader {
 public:
  TapeReader(Workbench& bench, int pane, TapeCode code);

  // EIA bytes are translated back (codes outside the table dropped), ISO bytes above 128 lose
  // their parity bit; then NUL and CR are dropped, LF appends the line so far as the pane's
  // new last line, DC1..DC4 go to on_control, and everything else joins the line. False when
  // Escape was pressed while lines were appended: the rest of the chunk is left unread.
  bool Feed(const char* data, size_t size);

  int LinesRead() const { return lines_; }
  const std::string& PartialLine() const { return line_; }
  // A raw DC4 arrived on an EIA line, where it is no EIA code: the far end's punch-off.
  bool RawPunchOffSeen() const { return raw_punch_off_; }

  // DC1 .. DC4 received (17 .. 20). Unset: "#17" .. "#20" in an information box.
  std::function<void(int byte)> on_control;
  // Each line appended.
  std::function<void(int lines)> on_line;

 private:
  void EndLine();

  Workbench& bench_;
  int pane_;
  TapeCode code_;
  std::string line_;
  int lines_ = 0;
  bool raw_punch_off_ = false;
};

class ReadSession {
 public:
  ReadSession(Workbench& bench, int pane, SerialDevice& port, TapeCode code, int comm_port,
              TransferObserver& observer);

  // Logs the start, raises RTS and DTR, sets the XON state and sends DC1 twice.
  void Start();
  // The received-bytes event: reads what waits in chunks. False when Escape stopped the read
  // (the input is purged; the caller closes the port).
  bool OnReceived(int waiting);

  TapeReader& Reader() { return reader_; }

 private:
  SerialDevice& port_;
  int comm_port_;
  TransferObserver& observer_;
  TapeReader reader_;
};

}  // namespace vormak
