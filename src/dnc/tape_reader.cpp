#include "dnc/tape_reader.h"

#include <algorithm>
#include <vector>

#include "nctext/pane_services.h"
#include "workbench/workbench.h"

namespace vormak {

TapeReader::TapeReader(Workbench& bench, int pane, TapeCode code)
    : bench_(bench), pane_(pane), code_(code) {}

bool TapeReader::Feed(const char* data, size_t size) {
  for (size_t i = 0; i < size; ++i) {
    unsigned char b = static_cast<unsigned char>(data[i]);
    if (code_ == TapeCode::kEia) {
      if (b == kDC4) raw_punch_off_ = true;
      const auto c = EiaCharacter(b);
      if (!c) continue;
      b = *c;
    } else if (code_ == TapeCode::kIso && b > 128) {
      b &= 0x7F;
    }
    if (b == 0 || b == '\r') continue;
    if (b == '\n') {
      EndLine();
      if (bench_.host().EscapePending()) return false;
    } else if (b >= kDC1 && b <= kDC4) {
      if (on_control) {
        on_control(b);
      } else {
        bench_.host().Information("#" + std::to_string(b), kPunchCaption);
      }
    } else {
      line_ += static_cast<char>(b);
    }
  }
  return true;
}

void TapeReader::EndLine() {
  AppendPaneLine(bench_, pane_, line_);
  line_.clear();
  ++lines_;
  if (EditControl* e = bench_.Pane(pane_)) {
    // The newest line in the middle of the window, so the lines before it stay in sight.
    const int last = std::max(1, e->LineCount() - 1);
    SetPaneTopLine(bench_, pane_, std::max(1, last - e->VisibleLineCount() / 2));
  }
  if (on_line) on_line(lines_);
}

ReadSession::ReadSession(Workbench& bench, int pane, SerialDevice& port, TapeCode code,
                         int comm_port, TransferObserver& observer)
    : port_(port), comm_port_(comm_port), observer_(observer), reader_(bench, pane, code) {
  reader_.on_line = [this](int lines) { observer_.Progress(lines, 0); };
}

void ReadSession::Start() {
  observer_.Log("");
  observer_.Log(kReadingFromComm + std::to_string(comm_port_));
  port_.SetRTS(true);
  port_.SetDTR(true);
  port_.SetXonXoff(true);
  const char start[2] = {static_cast<char>(kDC1), static_cast<char>(kDC1)};
  port_.Write(start, 2);
}

bool ReadSession::OnReceived(int waiting) {
  // More than one chunk waits when the window was busy: take it all, a chunk at a time, so
  // nothing is left behind in the driver.
  std::vector<char> buffer(kReadChunk);
  while (waiting > 0) {
    int n = -1;
    try {
      n = port_.Read(buffer.data(), std::min(waiting, kReadChunk));
    } catch (const ECommError& e) {
      observer_.Log(kErrorReading);
      observer_.Log(e.what());
      return true;
    }
    if (n <= 0) {
      observer_.Log(kErrorReading);
      return true;
    }
    if (!reader_.Feed(buffer.data(), static_cast<size_t>(n))) {
      port_.PurgeIn();
      return false;
    }
    waiting -= n;
  }
  return true;
}

}  // namespace vormak
