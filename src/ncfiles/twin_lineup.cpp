// "Line up P#": the P number checks of both turrets and the padding that puts partner sync
// blocks of turret A and turret B on the same line, so the plot runs them as one pair.
#include <algorithm>
#include <map>
#include <set>
#include <unordered_map>

#include "ncfiles/twin_lines.h"
#include "ncfiles/twin_turret.h"
#include "nctext/pane_services.h"
#include "nctext/status_services.h"
#include "nctext/text_functions.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr size_t kEscapePollLines = 1024;

// Empty lines put in front of a pane's own lines, kept as counts in a Fenwick tree: padding a
// long program costs a logarithm per insertion instead of moving every line below.
class PaddedLines {
 public:
  // A pane holds far fewer lines than a vector can; the bound only spares the compiler the
  // thought of a count that wraps round.
  explicit PaddedLines(size_t count) {
    count = std::min(count, pad_.max_size() - 1);
    tree_.assign(count + 1, 0);
    pad_.assign(count, 0);
    for (size_t i = 1; i <= count; ++i) {
      tree_[i] += 1;
      const size_t parent = i + (i & (~i + 1));
      if (parent <= count) tree_[parent] += tree_[i];
    }
  }

  // The line number own line `index` (from 0) stands on now.
  int LineOf(size_t index) const {
    long long sum = 0;
    for (size_t i = index + 1; i > 0; i -= i & (~i + 1)) sum += tree_[i];
    return static_cast<int>(sum);
  }

  // Empty lines in front of whatever stands on `line`, as an insertion at that line of the
  // editor does; a line past the end counts as the last.
  void InsertBlanks(int line, int blanks) {
    const size_t count = pad_.size();
    if (count == 0 || blanks <= 0) return;
    line = std::clamp(line, 1, LineOf(count - 1));
    // The first own line at or below `line`: the blanks go in front of it.
    size_t pos = 0;
    long long left = line;
    size_t step = 1;
    while (step * 2 <= count) step *= 2;
    for (; step > 0; step /= 2) {
      if (pos + step <= count && tree_[pos + step] < left) {
        pos += step;
        left -= tree_[pos];
      }
    }
    pad_[pos] += blanks;
    for (size_t i = pos + 1; i <= count; i += i & (~i + 1)) tree_[i] += blanks;
  }

  std::vector<std::string> Apply(std::vector<std::string>&& lines) const {
    size_t total = lines.size();
    for (const int pad : pad_) total += static_cast<size_t>(pad);
    std::vector<std::string> padded;
    padded.reserve(total);
    for (size_t i = 0; i < lines.size(); ++i) {
      padded.resize(padded.size() + static_cast<size_t>(pad_[i]));
      padded.push_back(std::move(lines[i]));
    }
    return padded;
  }

 private:
  std::vector<long long> tree_;
  std::vector<int> pad_;
};

// Where a text first stands outside a comment in turret A, as a search from line 1 finds it.
// The P words are indexed with the few characters after them, which is what the searches ask.
class FirstOccurrence {
 public:
  FirstOccurrence(const std::vector<std::string>& lines, char comment)
      : lines_(lines), comment_(comment) {
    for (size_t i = 0; i < lines.size(); ++i) {
      const std::string& line = lines[i];
      const size_t end = std::min(line.find(comment), line.size());
      for (size_t at = line.find('P'); at < end; at = line.find('P', at + 1)) {
        const size_t longest = std::min(kLongestKey, line.size() - at);
        for (size_t n = 1; n <= longest; ++n) index_.try_emplace(line.substr(at, n), i);
      }
    }
  }

  // The line index, or npos.
  size_t Find(const std::string& text) const {
    if (text.size() <= kLongestKey && !text.empty() && text[0] == 'P') {
      const auto it = index_.find(text);
      return it == index_.end() ? std::string::npos : it->second;
    }
    for (size_t i = 0; i < lines_.size(); ++i) {
      if (HoldsOutsideComment(lines_[i], text, comment_)) return i;
    }
    return std::string::npos;
  }

 private:
  static constexpr size_t kLongestKey = 16;
  const std::vector<std::string>& lines_;
  char comment_;
  std::unordered_map<std::string, size_t> index_;
};

// One turret's checks; `is_sync` picks its sync blocks.
template <typename IsSync>
bool CheckTurret(Workbench& bench, const std::vector<std::string>& lines, IsSync is_sync,
                 const char* duplicate) {
  std::set<long long> seen;
  long long previous = 0;
  for (const std::string& line : lines) {
    if (!is_sync(line)) continue;
    const long long n = SyncNumberOf(bench, line);
    const char* finding = nullptr;
    if (n == 0) {
      finding = kBadSyncNumber;
    } else if (n < previous) {
      finding = kSyncOutOfOrder;
    } else if (!seen.insert(n).second) {
      finding = duplicate;
    }
    // A bad number says nothing about the order of the good ones around it.
    if (n != 0) previous = n;
    if (finding != nullptr && Warn(bench, finding + line) == Answer::kCancel) return false;
  }
  return true;
}

// Lines of turret A that are sync blocks, by their P number, in line order.
std::unordered_map<long long, std::vector<size_t>> SyncLinesByNumber(
    Workbench& bench, const std::vector<std::string>& lines) {
  std::unordered_map<long long, std::vector<size_t>> by_number;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (IsLineUpSync(lines[i])) by_number[SyncNumberOf(bench, lines[i])].push_back(i);
  }
  return by_number;
}

bool IsSectionB(const std::string& line) {
  return Holds(line, "G14") && !Holds(line, "(");
}

// Pads both panes so that each turret-B sync block and its turret-A partner share a line.
void AlignPartners(Workbench& bench, TwinPanes& panes) {
  const std::vector<std::string>& b = panes.b;
  size_t section = 0;
  while (section < b.size() && !IsSectionB(b[section])) ++section;
  if (section == b.size()) return;
  // The next turret-B section start below each line.
  std::vector<size_t> next_section(b.size() + 1, b.size());
  for (size_t i = b.size(); i-- > 0;) {
    next_section[i] = i + 1 < b.size() && IsSectionB(b[i + 1]) ? i + 1 : next_section[i + 1];
  }
  const char comment = TwinCommentChar(bench);
  const auto partners = SyncLinesByNumber(bench, panes.a);
  PaddedLines pad_a(panes.a.size());
  PaddedLines pad_b(b.size());
  for (size_t f = section; f < b.size(); ++f) {
    if ((f - section) % kEscapePollLines == kEscapePollLines - 1 && EscapePending(bench)) break;
    const std::string& line = b[f];
    if (IsSectionB(line)) section = f;
    if (!IsLineUpSync(line)) continue;
    const long long n = SyncNumberOf(bench, line);
    const std::string text = (Holds(line, "P0") ? "P0" : "P") + IntText(n);
    const auto candidates = partners.find(n);
    if (candidates == partners.end()) continue;
    const auto partner = std::ranges::find_if(candidates->second, [&](size_t e) {
      return HoldsOutsideComment(panes.a[e], text, comment);
    });
    if (partner == candidates->second.end()) continue;
    const int e_line = pad_a.LineOf(*partner);
    const int f_line = pad_b.LineOf(f);
    const int d = e_line - f_line;
    if (d < 0) {
      pad_a.InsertBlanks(e_line, -d);
      // Turret B's next section moves down with turret A, which has grown above it.
      if (next_section[section] < b.size()) {
        pad_b.InsertBlanks(pad_b.LineOf(next_section[section]), -d);
      }
    } else if (d > 0) {
      pad_b.InsertBlanks(f_line, d);
    }
  }
  panes.a = pad_a.Apply(std::move(panes.a));
  panes.b = pad_b.Apply(std::move(panes.b));
}

// A line past the end of the shorter pane counts as empty there: padding one turret at its
// end would otherwise leave a tail of empty lines behind.
void DropLinesEmptyInBoth(TwinPanes& panes) {
  const size_t count = std::max(panes.a.size(), panes.b.size());
  auto empty = [](const std::vector<std::string>& lines, size_t i) {
    return i >= lines.size() || lines[i].empty();
  };
  size_t kept_a = 0;
  size_t kept_b = 0;
  for (size_t i = 0; i < count; ++i) {
    if (empty(panes.a, i) && empty(panes.b, i)) continue;
    if (i < panes.a.size()) {
      if (kept_a != i) panes.a[kept_a] = std::move(panes.a[i]);
      ++kept_a;
    }
    if (i < panes.b.size()) {
      if (kept_b != i) panes.b[kept_b] = std::move(panes.b[i]);
      ++kept_b;
    }
  }
  panes.a.resize(kept_a);
  panes.b.resize(kept_b);
}

}  // namespace

bool CheckSyncNumbers(Workbench& bench, const TwinPanes& panes) {
  const char comment = TwinCommentChar(bench);
  return CheckTurret(bench, panes.a, IsLineUpSync, kDuplicateSyncA) &&
         CheckTurret(
             bench, panes.b,
             [comment](const std::string& line) { return IsSaveSync(line, comment); },
             kDuplicateSyncB);
}

bool CheckSyncNumbers(Workbench& bench) {
  return CheckSyncNumbers(bench, ReadTwinPanes(bench));
}

void CheckSyncOrder(Workbench& bench, const TwinPanes& panes) {
  const FirstOccurrence in_a(panes.a, TwinCommentChar(bench));
  for (size_t i = 0; i < panes.b.size(); ++i) {
    const std::string& line = panes.b[i];
    if (!IsLineUpSync(line)) continue;
    const long long n = SyncNumberOf(bench, line);
    const char* lead = Holds(line, "P00") ? "P00" : Holds(line, "P0") ? "P0" : "P";
    const size_t found = in_a.Find(lead + IntText(n));
    if (found != std::string::npos && found > i) {
      bench.host().Information(kSyncBBeforeA, "Vormak");
      return;
    }
  }
}

void LineUpSyncNumbers(Workbench& bench, TwinPanes& panes) {
  if (CheckSyncNumbers(bench, panes)) {
    CheckSyncOrder(bench, panes);
    AlignPartners(bench, panes);
  }
  DropLinesEmptyInBoth(panes);
}

void LineUpSyncNumbers(Workbench& bench) {
  TwinPanes panes = ReadTwinPanes(bench);
  LineUpSyncNumbers(bench, panes);
  WriteTwinPanes(bench, panes);
  bench.interp.run.current_line = 1;
  MarkPlotLine(bench, 1, 1);
  GoToLine(bench, 1, 1);
}

}  // namespace vormak
