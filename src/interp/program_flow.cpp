#include "interp/program_flow.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <vector>

#include "interp/block_interpreter.h"
#include "interp/interp_state.h"
#include "interp/line_cache.h"
#include "interp/macro_statements.h"
#include "interp/macro_variables.h"
#include "interp/word_reader.h"
#include "nctext/block_words.h"
#include "nctext/expression.h"
#include "nctext/pane_services.h"
#include "nctext/status_services.h"
#include "nctext/text_functions.h"
#include "settings/file_access.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr size_t kTargetLength = 5;
constexpr size_t kThenLength = 80;
constexpr size_t kFileLineLength = 80;
constexpr int kEscapePollLines = 256;

void Message(Workbench& bench, const std::string& text) {
  bench.host().Information(text, kFlowCaption);
}

// The whole number at the start of `text` (digits after an optional sign); 0 when none.
long long LeadingWholeNumber(std::string_view text) {
  long long n = 0;
  const char* first = text.data();
  if (!text.empty() && text.front() == '+') ++first;
  std::from_chars(first, text.data() + text.size(), n);
  return n;
}

bool HoldsNumbered(std::string_view line, std::string_view word, long long n) {
  const std::string key = std::string(word) + std::to_string(n);
  for (size_t at = line.find(key); at != std::string_view::npos; at = line.find(key, at + 1)) {
    const size_t end = at + key.size();
    // END1 is not END10.
    if (end >= line.size() || line[end] < '0' || line[end] > '9') return true;
  }
  return false;
}

// The parts of a GOTO line: the target and whether the jump is made.
struct Jump {
  std::string target_text;
  long long target = 0;
  bool taken = true;
};

Jump ReadJump(Workbench& bench, std::string_view line) {
  std::string t = StripBlanks(line);
  if (t.find(',') != std::string::npos) {
    // IF,#1EQ2,GO,10 reads as IF[#1EQ2]GOTO10.
    if (const size_t go = t.find("GO,"); go != std::string::npos) t.replace(go, 3, "GOTO");
    std::erase(t, '[');
    std::erase(t, ']');
    if (const size_t c = t.find(','); c != std::string::npos) {
      t[c] = '[';
      if (const size_t c2 = t.find(',', c + 1); c2 != std::string::npos) t[c2] = ']';
    }
    std::erase(t, '.');
  }
  Jump jump;
  if (const size_t go = t.find("GOTO"); go != std::string::npos) {
    jump.target_text = t.substr(go + 4, kTargetLength);
  }
  if (!jump.target_text.empty() && jump.target_text.front() == 'N') jump.target_text.erase(0, 1);
  std::string target = jump.target_text;
  const char prefix = VariablePrefix(bench);
  if (target.find(prefix) != std::string::npos) {
    // GOTO#1: the jump goes where the variable says.
    target = SubstituteVariables(bench.macro_variables, prefix, target);
    jump.target = std::llround(EvaluateText(target).value);
  } else {
    jump.target = LeadingWholeNumber(target);
  }
  if (t.find("IF") != std::string::npos) {
    const size_t open = t.find('[');
    const size_t close = t.rfind(']');
    if (open == std::string::npos) {
      jump.taken = false;
    } else {
      const size_t end = close == std::string::npos || close < open ? t.size() : close + 1;
      jump.taken = Condition(bench, std::string_view(t).substr(open, end - open));
    }
  }
  return jump;
}

// The lines of a file as read from disk, each cut to 80 characters.
std::vector<std::string> FileLines(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string::npos) end = bytes.size();
    lines.push_back(bytes.substr(start, std::min(end - start, kFileLineLength)));
    if (end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() &&
        bytes[end + 1] == '\n') {
      ++end;
    }
    start = end + 1;
  }
  return lines;
}

bool HoldsCode(const Workbench& bench, std::string_view line, std::string_view keyword) {
  const char cc = CommentCharsOf(bench.settings).begin;
  return line.find(std::string(1, cc) + std::string(keyword)) != std::string_view::npos;
}

// The program number on a line of the pane for `address` ("O" or ":"), the way the search for
// a subprogram sees it: outside a comment, and not a GOTO.
bool ProgramLineMatches(Workbench& bench, const std::string& line, char address, long long p) {
  const size_t at = line.find(address);
  if (at == std::string::npos) return false;
  const CommentChars cc = CommentCharsOf(bench.settings);
  const size_t open = line.find(cc.begin);
  if (open != std::string::npos && open <= at) return false;
  std::string words = line;
  if (open != std::string::npos && cc.end != 0) {
    // Only a comment closed on the same line is taken out.
    const size_t close = words.find(cc.end, open + 1);
    if (close != std::string::npos) words.erase(open, close - open + 1);
  }
  const size_t in_words = words.find(address);
  if (in_words == std::string::npos || words.find("GOTO") != std::string::npos) return false;
  return std::llround(LetterValueAt(bench, words, in_words, true)) == p;
}

// A subprogram kept in its own file: run at once, in place of the call.
bool RunSubprogramFile(Workbench& bench, int p, std::string_view calling_block) {
  const std::string path = SubprogramPath(bench, std::to_string(p) + ".nc");
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return false;
  bench.interp.Current().SetM(98, false);
  MacroVariables& vars = bench.macro_variables;
  const bool macro = calling_block.find("G65") != std::string_view::npos;
  if (macro && vars.level + 1 >= kMacroLevels) {
    Message(bench, kTooManyLevels);
    return true;
  }
  if (macro) {
    ++vars.level;
    LoadMacroArguments(bench, vars.level, calling_block);
  }
  RunFile(bench, path);
  if (macro && vars.level > 0) --vars.level;
  MarkPlotLine(bench, FlowPane(bench), bench.interp.run.current_line + 1);
  return true;
}

}  // namespace

void ResetSubprogramState(Workbench& bench) {
  InterpState& interp = bench.interp;
  interp.flow.level = 0;
  for (SubprogramEntry& entry : interp.flow.stack) entry = SubprogramEntry{};
  ClearLocals(bench.macro_variables);
  TurretState& current = interp.Current();
  for (int m = 1; m <= 99; ++m) current.SetM(m, false);
  for (TurretState& ts : interp.turret) SetGDefaults(ts);
  interp.time.block_time = 0;
  interp.time.total_time = 0;
  interp.time.total_at_report = 0;
}

int FlowPane(const Workbench& bench) {
  return bench.interp.run.turret == 2 ? 2 : bench.interp.run.source_pane;
}

int LevelStartLine(const Workbench& bench) {
  const FlowState& flow = bench.interp.flow;
  if (flow.level <= 0) return 1;
  return flow.stack[static_cast<size_t>(std::min(flow.level, kSubprogramLevels) - 1)].start_line;
}

int JumpTarget(Workbench& bench, std::string_view line) {
  const int current = bench.interp.run.current_line;
  const Jump jump = ReadJump(bench, line);
  if (!jump.taken) return current;
  const int found = jump.target >= 0 && jump.target <= 1000000000
                        ? FindBlock(bench, static_cast<int>(jump.target), LevelStartLine(bench))
                        : kNotFound;
  if (found == kNotFound) {
    Message(bench, "Block " + jump.target_text + kBlockNotFoundTail);
    return current;
  }
  return found;
}

int FindBlock(Workbench& bench, int n, int start) {
  const int pane = FlowPane(bench);
  const int count = PaneLineCount(bench, pane);
  for (int line = std::max(start, 1); line <= count; ++line) {
    const std::string text = PaneLine(bench, pane, line);
    if (text.size() <= 1) continue;
    if (text[0] == 'N' || text[1] == 'N') {
      const double value = LetterValue(bench, 'N', text, false);
      if (std::llround(value) == n) return line;
    }
    if (text.find("M99") != std::string::npos || text.find("M30") != std::string::npos) break;
  }
  return kNotFound;
}

void GotoStatement(Workbench& bench, std::string_view line) {
  RunState& run = bench.interp.run;
  FlowState& flow = bench.interp.flow;
  const int target = JumpTarget(bench, line);
  if (target == run.current_line) return;
  const int pane = FlowPane(bench);
  GoToLine(bench, pane, target);
  if (flow.jump_nesting > 0) {
    run.current_line = target - 1;
    return;
  }
  run.current_line = target;
  ++flow.jump_nesting;
  InterpretLine(bench, PaneLine(bench, pane, target));
  --flow.jump_nesting;
}

void IfThen(Workbench& bench, std::string_view line) {
  const std::string t = StripBlanks(line);
  const size_t open = t.find('[');
  if (open == std::string::npos) return;
  const size_t close = t.find(']', open);
  const size_t end = close == std::string::npos ? t.size() : close + 1;
  if (!Condition(bench, std::string_view(t).substr(open, end - open))) return;
  const size_t then = t.find("THEN");
  if (then == std::string::npos) return;
  Assign(bench, std::string_view(t).substr(then + 4, kThenLength));
}

void WhileStart(Workbench& bench, std::string_view line) {
  const std::string t = StripBlanks(line);
  const size_t open = t.find('[');
  const size_t close = t.rfind(']');
  std::string_view condition;
  if (open != std::string::npos) {
    const size_t end = close == std::string::npos || close < open ? t.size() : close + 1;
    condition = std::string_view(t).substr(open, end - open);
  }
  if (Condition(bench, condition)) return;
  const size_t dob = t.rfind("DO");
  const long long n =
      dob == std::string::npos ? 0 : LeadingWholeNumber(std::string_view(t).substr(dob + 2));
  RunState& run = bench.interp.run;
  const int pane = FlowPane(bench);
  const int count = PaneLineCount(bench, pane);
  for (int l = run.current_line + 1; l <= count; ++l) {
    if (HoldsNumbered(PaneLine(bench, pane, l), "END", n)) {
      run.current_line = l;
      return;
    }
  }
  run.current_line = 0;
  Message(bench, kNoWhileEnd + std::string(line));
  // Starting over from line 1 would meet the same WHILE again and again.
  bench.stop_requested = true;
}

void WhileEnd(Workbench& bench, std::string_view line) {
  const long long n = std::llround(LetterValue(bench, 'D', line, false));
  RunState& run = bench.interp.run;
  const int pane = FlowPane(bench);
  const int count = PaneLineCount(bench, pane);
  // A loop turned many times finds its WHILE where it was, unless the text has moved.
  LineCache& cache = bench.interp.line_cache;
  if (const LoopJump* jump = cache.FindJump(pane, run.current_line);
      jump && jump->number == n && jump->line_count == count &&
      PaneLine(bench, pane, jump->to) == jump->to_text) {
    run.current_line = jump->to - 1;
    return;
  }
  // Only a WHILE statement starts a loop: a DOn anywhere else (a misspelt WH[...]DO1, a
  // comment) would make the END jump back for ever.
  for (int l = std::min(run.current_line, count); l >= 1; --l) {
    std::string text = PaneLine(bench, pane, l);
    if (HoldsNumbered(text, "DO", n) && IsWhileStatement(bench, text)) {
      cache.AddJump(pane, run.current_line, {n, l, count, std::move(text)});
      run.current_line = l - 1;
      return;
    }
  }
  run.current_line = 0;
  Message(bench, kNoWhileStart + std::string(line));
  bench.stop_requested = true;
}

int FindSubprogram(Workbench& bench, int p, std::string_view calling_block) {
  bench.stop_requested = false;
  const int pane = FlowPane(bench);
  const int count = PaneLineCount(bench, pane);
  for (const char address : {'O', ':'}) {
    for (int l = 1; l <= count; ++l) {
      if (ProgramLineMatches(bench, PaneLine(bench, pane, l), address, p)) return l;
    }
  }
  if (bench.settings.use[kUseSubprograms] && RunSubprogramFile(bench, p, calling_block)) return 0;
  Warn(bench, "subprogram " + std::to_string(p) + " not found");
  return kNotFound;
}

void CallSubprogram(Workbench& bench, int turret, std::string_view block) {
  InterpState& interp = bench.interp;
  TurretState& ts = interp.Turret(turret);
  if (!bench.settings.use[kUseSubprograms]) {
    ts.SetG(2, false);
    ts.SetG(3, false);
    return;
  }
  const double p_value = ts[kRegP];
  if (!(p_value > 0 && p_value < 2e9)) return;
  const int p = static_cast<int>(p_value);
  const int line = FindSubprogram(bench, p, block);
  if (line == kNotFound || line == 0) return;
  const bool macro = ts.G(65) && bench.settings.use[kUseMacros];
  FlowState& flow = interp.flow;
  if (flow.level >= kSubprogramLevels ||
      (macro && bench.macro_variables.level + 1 >= kMacroLevels)) {
    ResetSubprogramState(bench);
    Message(bench, kTooManyLevels);
    return;
  }
  SubprogramEntry& entry = flow.stack[static_cast<size_t>(flow.level)];
  entry.start_line = line;
  entry.program = static_cast<int>(std::lround(p_value));
  entry.kind = macro ? 65 : 98;
  entry.return_line = interp.run.current_line;
  if (macro) {
    MacroVariables& vars = bench.macro_variables;
    ++vars.level;
    LoadMacroArguments(bench, vars.level, block);
  }
  ++flow.level;
  interp.run.current_line = line;
}

void ReturnFromSubprogram(Workbench& bench, int turret) {
  InterpState& interp = bench.interp;
  if (!bench.settings.use[kUseSubprograms]) {
    TurretState& ts = interp.Turret(turret);
    ts.SetG(2, false);
    ts.SetG(3, false);
    return;
  }
  FlowState& flow = interp.flow;
  if (flow.level <= 0) {
    Message(bench, kNoPlaceToReturn);
    bench.stop_requested = true;
    return;
  }
  SubprogramEntry& top = flow.stack[static_cast<size_t>(flow.level - 1)];
  if (top.kind == 65 && bench.macro_variables.level > 0) --bench.macro_variables.level;
  interp.run.current_line = top.return_line;
  top.start_line = 1;
  --flow.level;
  const int pane = FlowPane(bench);
  if (const EditControl* e = bench.Pane(pane)) {
    SetPaneTopLine(bench, pane, std::max(1, top.return_line - e->VisibleLineCount() / 2));
  }
  MarkPlotLine(bench, pane, top.return_line + 1);
}

bool RunFile(Workbench& bench, const std::string& path) {
  // Only a plain file: a device named in a program would read without end.
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return false;
  std::string bytes;
  if (!ReadWholeFile(path, bytes) && !ReadWholeFile(path, bytes)) return false;
  FlowState& flow = bench.interp.flow;
  if (flow.file_depth >= kSubprogramLevels) {
    Message(bench, kTooManyLevels);
    bench.stop_requested = true;
    return true;
  }
  const std::vector<std::string> lines = FileLines(bytes);
  ++flow.file_depth;
  int polled = 0;
  for (std::string line : lines) {
    if (bench.stop_requested) break;
    if (++polled % kEscapePollLines == 0 && EscapePending(bench)) break;
    if (line.find("GOTO") != std::string::npos) {
      const Jump jump = ReadJump(bench, line);
      if (!jump.taken) continue;
      const auto target = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) {
        return l.find('N') != std::string::npos && l.find('(') == std::string::npos &&
               std::llround(LetterValue(bench, 'N', l, false)) == jump.target;
      });
      if (target == lines.end()) {
        Message(bench, "Block " + jump.target_text + " not found");
        continue;
      }
      line = *target;
      // A file's jump never leads into a further jump.
      if (line.find("GOTO") != std::string::npos) continue;
    }
    // The file's end: an M99 here returns from the file, not from the pane's subprogram.
    if (line.find("M99") != std::string::npos || line.find("M30") != std::string::npos) break;
    if (HoldsCode(bench, line, "TXT ") || line.find("G65") != std::string::npos ||
        line.find("M98") != std::string::npos) {
      continue;
    }
    InterpretLine(bench, line);
  }
  --flow.file_depth;
  return true;
}

std::string SubprogramPath(const Workbench& bench, std::string_view name) {
  std::string path = WithForwardSlashes(name);
  if (!IsAbsolutePath(path)) path = JoinPath(WithForwardSlashes(bench.settings.nc_path), path);
  return FindFileIgnoringCase(path);
}

}  // namespace vormak
