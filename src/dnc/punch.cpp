#include "dnc/punch.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "dnc/tape_title_font.h"
#include "nctext/pane_services.h"
#include "settings/machine_settings.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr int kRowsPerInch = 10;
constexpr int kMaxPauseMs = 2000;
constexpr int kPauseSliceMs = 20;

class Puncher {
 public:
  Puncher(Workbench& bench, int pane, SerialDevice& port, const PunchJob& job,
          TransferObserver& observer)
      : bench_(bench), pane_(pane), port_(port), job_(job), observer_(observer) {}

  PunchResult Run() {
    try {
      Send(std::string(1, static_cast<char>(kDC2)));
      if (job_.code != TapeCode::kAscii) Leader();
      PunchLines();
      if (result_.outcome == PunchOutcome::kTitleAborted) return result_;
      Send(std::string(1, static_cast<char>(kDC4)));
      Drain();
    } catch (const ECommError& e) {
      observer_.Log(kErrorWritingTo + port_.DeviceName());
      observer_.Log(e.what());
      result_.outcome = PunchOutcome::kFailed;
      result_.error = e.what();
    }
    return result_;
  }

 private:
  void PunchLines() {
    const EditControl* pane = bench_.Pane(pane_);
    if (!pane) return;
    int last = pane->LineCount();
    // The empty line after a final line break is no block of the program.
    if (last > 1 && pane->GetLine(last).empty()) --last;
    for (int n = 1; n <= last; ++n) {
      if (escape_ || bench_.host().EscapePending()) {
        result_.outcome = PunchOutcome::kStopped;
        return;
      }
      GoToLine(bench_, pane_, n);
      observer_.Progress(n, last);
      result_.lines = n;
      const std::string line = pane->GetLine(n);
      const bool comment = !job_.comment_char.empty() && line.find(job_.comment_char) != line.npos;
      if (job_.without_comments && comment) continue;
      if (job_.code != TapeCode::kAscii && comment && PunchKey(line)) {
        if (result_.outcome == PunchOutcome::kTitleAborted) return;
        continue;
      }
      Send(EncodeBlock(job_.code, line));
      Pause();
    }
  }

  // True when the line is a title, date or leader request (and has been punched as one).
  bool PunchKey(const std::string& line) {
    const auto key = [&](const char* word) { return line.find(job_.comment_char + word); };
    if (const size_t at = key(kTitleKey); at != std::string::npos) {
      Title(TitleText(line, at + job_.comment_char.size(), job_.end_comment_char));
    } else if (key(kDateTitleKey) != std::string::npos) {
      Title(bench_.host().DateText() + " " + bench_.host().TimeText());
    } else if (key(kLeaderKey) == std::string::npos) {
      return false;
    }
    if (result_.outcome != PunchOutcome::kTitleAborted) Leader();
    return true;
  }

  void Title(const std::string& text) {
    for (const char c : text) {
      if (bench_.host().EscapePending()) {
        result_.outcome = PunchOutcome::kTitleAborted;
        return;
      }
      std::string bytes = TitleColumns(static_cast<unsigned char>(c));
      bytes += static_cast<char>(kLeaderByte);
      Send(bytes);
      Pause();
    }
  }

  void Leader() {
    Send(std::string(static_cast<size_t>(std::max(job_.inches_leader, 0) * kRowsPerInch),
                     static_cast<char>(kLeaderByte)));
  }

  void Send(const std::string& bytes) {
    if (bytes.empty()) return;
    if (port_.Write(bytes.data(), static_cast<int>(bytes.size())) < 0) {
      observer_.Log(kErrorWritingTo + port_.DeviceName());
    }
  }

  // Blocks of a timed-out write still wait in the port: they go out before the port closes,
  // unless the user gives up with Escape.
  void Drain() {
    while (port_.PendingOutput() > 0 && !bench_.host().EscapePending()) {
      if (port_.Write(nullptr, 0) < 0) observer_.Log(kErrorWritingTo + port_.DeviceName());
    }
  }

  // Escape during the pause is kept for the check before the next line.
  void Pause() {
    int left = PunchPauseMilliseconds(job_.punch_wait);
    while (left > 0 && !escape_) {
      const int slice = std::min(left, kPauseSliceMs);
      std::this_thread::sleep_for(std::chrono::milliseconds(slice));
      left -= slice;
      escape_ = bench_.host().EscapePending();
    }
  }

  Workbench& bench_;
  int pane_;
  SerialDevice& port_;
  const PunchJob& job_;
  TransferObserver& observer_;
  PunchResult result_;
  bool escape_ = false;
};

}  // namespace

PunchJob PunchJobFromSettings(const MachineSettings& s, bool without_comments) {
  PunchJob job;
  job.code = TapeCodeFromPunchType(s.punch_type);
  job.without_comments = without_comments;
  job.inches_leader = s.inches_leader;
  job.punch_wait = s.punch_wait;
  job.comment_char = s.comment_char.empty() ? "(" : s.comment_char;
  job.end_comment_char = s.end_comment_char;
  return job;
}

int PunchPauseMilliseconds(int punch_wait) {
  if (punch_wait <= 0) return 0;
  const int w = std::min(punch_wait, 20);  // 13 cubed is already past the bound
  return std::min(w * w * w, kMaxPauseMs);
}

std::string TitleText(const std::string& line, size_t key_at, const std::string& end_comment) {
  const size_t from = key_at + 3;  // the blank after "TMR"
  std::string text = from < line.size() ? line.substr(from) : std::string();
  if (!end_comment.empty() && text.size() >= end_comment.size() &&
      text.compare(text.size() - end_comment.size(), end_comment.size(), end_comment) == 0) {
    text.erase(text.size() - end_comment.size());
  }
  return text;
}

std::string TitleBytes(const std::string& text) {
  std::string bytes;
  for (const char c : text) {
    bytes += TitleColumns(static_cast<unsigned char>(c));
    bytes += static_cast<char>(kLeaderByte);
  }
  return bytes;
}

PunchResult Punch(Workbench& bench, int pane, SerialDevice& port, const PunchJob& job,
                  TransferObserver& observer) {
  return Puncher(bench, pane, port, job, observer).Run();
}

}  // namespace vormak
