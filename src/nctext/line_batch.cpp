#include "nctext/line_batch.h"

#include <cstdio>

#include "nctext/edit_control.h"
#include "nctext/pane_bench.h"
#include "nctext/status_services.h"
#include "nctext/vector_state.h"

namespace vormak {

namespace {

constexpr int kLongRange = 50'000;
constexpr long long kProgressIntervalMs = 250;

EditControl* WritablePane(PaneBench& bench, int pane) {
  return pane == 1 || pane == 2 || pane == 4 ? bench.Pane(pane) : nullptr;
}

}  // namespace

PaneLineBatch::PaneLineBatch(PaneBench& bench, int pane)
    : bench_(bench), pane_(pane), control_(WritablePane(bench, pane)) {
  if (control_) control_->BeginUndoGroup();
  ClearVectorUpperHalves();  // a utility's walk starts from the window's menu
}

PaneLineBatch::~PaneLineBatch() {
  if (!control_) return;
  try {
    Flush();
  } catch (const EditError&) {
    // The control has shown its failure; the pane keeps what it had.
  }
  control_->EndUndoGroup();
}

std::string PaneLineBatch::Line(int n) const {
  if (n >= first_ && n < PendingEnd()) return pending_[static_cast<size_t>(n - first_)];
  return PaneLine(bench_, pane_, n);
}

void PaneLineBatch::ReadLine(int n, std::string& into) const {
  if (n >= first_ && n < PendingEnd()) {
    into = pending_[static_cast<size_t>(n - first_)];
  } else {
    ReadPaneLine(bench_, pane_, n, into);
  }
}

void PaneLineBatch::Replace(int n, std::string text) {
  if (!control_ || n < 1 || n > control_->LineCount()) return;
  if (n >= first_ && n < PendingEnd()) {
    pending_[static_cast<size_t>(n - first_)] = std::move(text);
    return;
  }
  control_->ReadLine(n, current_);
  if (text == current_) return;
  if (!pending_.empty() && n < first_) Flush();
  if (pending_.empty()) {
    first_ = n;
  } else {
    // The unchanged lines between go along, so the pending lines stay one span.
    for (int gap = PendingEnd(); gap < n; ++gap) pending_.push_back(control_->GetLine(gap));
  }
  pending_.push_back(std::move(text));
}

void PaneLineBatch::Flush() {
  if (!control_ || pending_.empty()) return;
  const int last = PendingEnd() - 1;
  std::vector<std::string> lines;
  lines.swap(pending_);
  control_->ReplaceLines(first_, last, std::move(lines));
  ClearVectorUpperHalves();
}

LineProgress::LineProgress(PaneBench& bench, std::string caption, LineRange range)
    : bench_(bench),
      caption_(std::move(caption)),
      range_(range),
      long_range_(range.last - range.first >= kLongRange) {
  if (long_range_) last_tick_ = bench_.host().TickMilliseconds();
}

LineProgress::~LineProgress() {
  if (shown_) bench_.host().SetPromptPanel(" " + bench_.nctext.current_prompt);
}

void LineProgress::Show(int line) {
  const long long now = bench_.host().TickMilliseconds();
  if (now - last_tick_ < kProgressIntervalMs) return;
  last_tick_ = now;
  const long long done = line - range_.first + 1;
  const long long total = range_.last - range_.first + 1;
  char text[160];
  std::snprintf(text, sizeof text, " %s %lld%%", caption_.c_str(), done * 100 / total);
  bench_.host().SetPromptPanel(text);
  shown_ = true;
  ClearVectorUpperHalves();
}

}  // namespace vormak
