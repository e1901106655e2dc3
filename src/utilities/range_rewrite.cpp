#include "utilities/range_rewrite.h"

#include <algorithm>

#include "nctext/edit_control.h"
#include "nctext/line_batch.h"
#include "nctext/status_services.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

EditControl* WritablePane(Workbench& bench, int pane) {
  return pane == 1 || pane == 2 || pane == 4 ? bench.Pane(pane) : nullptr;
}

}  // namespace

std::vector<std::string> RangeLines(const Workbench& bench, int pane, LineRange range) {
  std::vector<std::string> lines;
  const int last = std::min(range.last, PaneLineCount(bench, pane));
  if (last >= range.first) lines.reserve(static_cast<size_t>(last - range.first + 1));
  for (int n = std::max(range.first, 1); n <= last; ++n) lines.push_back(PaneLine(bench, pane, n));
  return lines;
}

int PutRangeLines(Workbench& bench, int pane, LineRange range, std::vector<std::string> lines) {
  EditControl* e = WritablePane(bench, pane);
  if (e == nullptr) return range.last;
  range.first = std::max(range.first, 1);
  range.last = std::min(range.last, e->LineCount());
  const int old_count = range.last - range.first + 1;
  const int new_count = static_cast<int>(lines.size());
  const int new_last = range.first + new_count - 1;
  // The unchanged head and tail of the range stay untouched.
  int head = 0;
  while (head < old_count && head < new_count &&
         e->GetLine(range.first + head) == lines[static_cast<size_t>(head)]) {
    ++head;
  }
  int tail = 0;
  while (tail < old_count - head && tail < new_count - head &&
         e->GetLine(range.last - tail) == lines[static_cast<size_t>(new_count - 1 - tail)]) {
    ++tail;
  }
  const int first = range.first + head;  // first old line to replace
  const int last = range.last - tail;    // last old line to replace
  lines.erase(lines.end() - tail, lines.end());
  lines.erase(lines.begin(), lines.begin() + head);
  if (first > last && lines.empty()) return new_last;
  e->BeginUndoGroup();
  if (first <= last && !lines.empty()) {
    e->ReplaceLines(first, last, std::move(lines));
  } else if (first <= last) {
    // Lines only go: take their breaks with them.
    if (last < e->LineCount()) {
      e->SetSelection({{first, 0}, {last + 1, 0}});
    } else if (first > 1) {
      e->SetSelection({{first - 1, e->LineLength(first - 1)}, {last, e->LineLength(last)}});
    } else {
      e->SetSelection({{first, 0}, {last, e->LineLength(last)}});
    }
    e->ReplaceSelection("");
  } else if (first <= e->LineCount()) {
    // Lines only come: in front of the first line that stays.
    lines.push_back(e->GetLine(first));
    e->ReplaceLines(first, first, std::move(lines));
  } else {
    // Lines only come, after the last line.
    const int end = e->LineCount();
    lines.insert(lines.begin(), e->GetLine(end));
    e->ReplaceLines(end, end, std::move(lines));
  }
  e->EndUndoGroup();
  return new_last;
}

MappedRange MapRangeLines(Workbench& bench, int pane, LineRange range, const std::string& caption,
                          const LineMap& map) {
  std::vector<std::string> old_lines = RangeLines(bench, pane, range);
  range.last = range.first + static_cast<int>(old_lines.size()) - 1;
  std::vector<std::string> lines;
  lines.reserve(old_lines.size());
  MappedRange result{range.last, 0};
  {
    LineProgress progress(bench, caption, range);
    for (std::string& line : old_lines) {
      if (bench.stop_requested) {
        lines.push_back(std::move(line));
        continue;
      }
      progress.At(range.first + result.processed);
      map(line, lines);
      ++result.processed;
      EscapePending(bench);
    }
  }
  result.last = PutRangeLines(bench, pane, range, std::move(lines));
  return result;
}

LineRange SelectedLinesOrToEnd(const Workbench& bench) {
  const EditControl* control = bench.Pane(bench.active_pane);
  if (control == nullptr) return {};
  const TextSelection s = control->GetSelection();
  LineRange range{std::min(s.start.line, s.end.line), std::max(s.start.line, s.end.line)};
  if (range.first == range.last) range.last = control->LineCount();
  return range;
}

}  // namespace vormak
