#include "script/script_interpreter.h"

#include <algorithm>

#include "interp/block_interpreter.h"
#include "nctext/block_words.h"
#include "nctext/expression.h"
#include "nctext/pane_services.h"
#include "nctext/status_services.h"
#include "nctext/text_functions.h"
#include "script/script_args.h"
#include "script/script_commands.h"
#include "script/script_files.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

bool Holds(std::string_view text, std::string_view word) {
  return text.find(word) != std::string_view::npos;
}

bool Begins(std::string_view text, std::string_view word) {
  return text.substr(0, word.size()) == word;
}

void GoToTarget(Workbench& bench, std::string_view target) {
  std::string t = StripBlanks(UpperText(target));
  if (Holds(t, "GOSUB")) {
    JumpToLabel(bench, IntegerOfText(t.substr(std::min<size_t>(5, t.size()))), true);
  } else {
    JumpToLabel(bench, IntegerOfText(t), false);
  }
}

void If(Workbench& bench, const std::string& line) {
  std::string condition = TextArg(1, line);
  condition = Holds(condition, "[") ? EvaluateBrackets(bench, condition)
                                    : SubstituteScriptVariables(bench, condition);
  const EvalResult x = EvaluateText(condition);
  if (!x.failed() && x.value == 1) GoToTarget(bench, TextArg(2, line));
}

void IfFind(Workbench& bench, const std::string& line) {
  const int pane = bench.active_pane;
  std::string text = PaneLine(bench, pane, CaretLine(bench, pane));
  if (IntegerArg(bench, 3, line) == 0) text = StripComment(text, CommentCharsOf(bench.settings));
  const std::string find = TextArg(1, line);
  if (!find.empty() && Holds(text, find)) GoToTarget(bench, TextArg(2, line));
}

void Plot(Workbench& bench, const std::string& line) {
  const std::string arg = TextArg(1, line);
  const std::string block = arg == "$" ? PaneLine(bench, 1, bench.interp.run.current_line)
                                       : SubstituteScriptVariables(bench, arg);
  const int keep = bench.interp.run.current_line;
  InterpretLine(bench, block);
  bench.interp.run.current_line = keep;
}

void Assign(Workbench& bench, std::string text) {
  if (Holds(text, "[")) text = EvaluateBrackets(bench, text);
  const size_t hash = text.find('#');
  const size_t eq = text.find('=');
  if (hash == std::string::npos || eq == std::string::npos || eq < hash) return;
  const std::string number_text = text.substr(hash + 1, std::min<size_t>(eq - hash - 1, 10));
  const long long n = WholeNumberOf(number_text, 0);
  if (n >= kScriptVariableLimit) {
    SetScriptVariable(bench, n, 0);  // refused with its message
    return;
  }
  std::string right = SubstituteScriptVariables(bench, text.substr(eq));
  const int pane = bench.active_pane;
  const int caret = CaretLine(bench, pane);
  if (Holds(right, "LINENO")) {
    right = "=" + IntText(caret);
  } else if (Holds(right, "LENGTH")) {
    right = "=" + IntText(static_cast<long long>(PaneLine(bench, pane, caret).size()));
  } else if (Holds(right, "NUMBEROF")) {
    const std::string what = TextArg(1, right);
    right = "=" + IntText(what.empty() ? 0 : CountChar(what[0], PaneLine(bench, pane, caret)));
  }
  SetScriptVariable(bench, n, AddressValue(bench, "=", right, false));
}

// The first selected line (`first`) or the last of the active pane; the caret's line when
// nothing is selected.
int SelectionEnd(const Workbench& bench, bool first) {
  const int pane = bench.active_pane;
  if (!HasSelection(bench, pane)) return CaretLine(bench, pane);
  const LineRange range = SelectedLineRange(bench, pane);
  return first ? range.first : range.last;
}

void Marker(Workbench& bench, const std::string& line, bool set) {
  const long long n = IntegerArg(bench, 1, line);
  if (n < 1 || n > kMarkerCount) return;
  int& marker = bench.script.markers[static_cast<size_t>(n)];
  if (set) {
    marker = CaretLine(bench, bench.active_pane);
  } else if (marker > 0) {
    GoToLine(bench, bench.active_pane, marker);
  }
}

// The interpreter's own statements, found anywhere in the line, in this order.
bool Statement(Workbench& bench, const std::string& line) {
  ScriptState& s = bench.script;
  if (Holds(line, "IFEOF")) {
    const int pane = bench.active_pane;
    if (CaretLine(bench, pane) >= PaneLineCount(bench, pane)) {
      JumpToLabel(bench, IntegerArg(bench, 1, line), false);
    }
  } else if (Holds(line, "IF")) {
    If(bench, line);
  } else if (Holds(line, "GOSUB")) {
    JumpToLabel(bench, IntegerArg(bench, 1, line), true);
  } else if (Holds(line, "RSUB")) {
    if (s.stack_index > 1) {
      --s.stack_index;
      s.current_line = s.return_stack[static_cast<size_t>(s.stack_index)];
      GoToLine(bench, kScriptPane, s.current_line + 1);
    }
  } else if (Holds(line, "ENDSEL") || Holds(line, "STARTSEL")) {
    const size_t eq = line.find('=');
    if (eq == std::string::npos) return true;
    Assign(bench, line.substr(0, eq + 1) + IntText(SelectionEnd(bench, Holds(line, "STARTSEL"))));
  } else if (Holds(line, "CHAIN")) {
    ChainScript(bench, TextArg(1, line));
  } else if (Holds(line, "EXIT")) {
    s.ended = true;
  } else if (Holds(line, "MARKER")) {
    Marker(bench, line, true);
  } else if (Holds(line, "RETURN")) {
    Marker(bench, line, false);
  } else if (Holds(line, "JUMP")) {
    JumpToLabel(bench, IntegerArg(bench, 1, line), false);
  } else {
    return false;
  }
  return true;
}

}  // namespace

void ExecuteScriptLine(Workbench& bench, std::string_view raw) {
  std::string line = NormaliseScriptLine(raw);
  if (Begins(line, ":")) return;
  if (Begins(line, "FINDSTR") || Begins(line, "REMOVE") || Begins(line, "REPSEL") ||
      Begins(line, "INSERT")) {
    ScriptCommand(bench, line);
    return;
  }
  if (Begins(line, "PLOT")) {
    Plot(bench, line);
    return;
  }
  if (Begins(line, "IFFIND")) {
    IfFind(bench, line);
    return;
  }
  if (Holds(line, "(")) line = StripComment(line, CommentCharsOf(bench.settings));
  if (Statement(bench, line)) return;
  if (Holds(line, "=") && Begins(line, "#")) {
    Assign(bench, line);
  } else {
    ScriptCommand(bench, line);
  }
}

int FindOutsideComment(Workbench& bench, int pane, const std::string& text) {
  EditControl* e = bench.Pane(pane);
  if (!e || text.empty()) return 0;
  const char comment = CommentCharsOf(bench.settings).begin;
  while (e->FindText(text)) {
    const TextPosition at = e->GetSelection().start;
    const std::string line = e->GetLine(at.line);
    const size_t c = line.find(comment);
    if (c == std::string::npos || static_cast<int>(c) > at.column) return at.line;
  }
  return 0;
}

void JumpToLabel(Workbench& bench, long long n, bool push) {
  ScriptState& s = bench.script;
  EditControl* e = bench.Pane(kScriptPane);
  if (!e) return;
  const int c = s.current_line;
  e->SetSelection({{1, 0}, {1, 0}});
  const std::string label = ":" + IntText(n);
  for (;;) {
    const int d = FindOutsideComment(bench, kScriptPane, label);
    if (d == 0) {
      GoToLine(bench, kScriptPane, c);
      s.fault = kBadJump + PaneLine(bench, kScriptPane, c);
      bench.host().Warning(s.fault, kWarningCaption);
      bench.stop_requested = true;
      return;
    }
    const std::string text = e->GetLine(d);
    if (Begins(text, ":") && IntegerOfText(text.substr(1, text.find_first_of("( ", 1) - 1)) != n) {
      continue;
    }
    s.current_line = d;
    break;
  }
  if (push) {
    s.return_stack[static_cast<size_t>(s.stack_index)] = c;
    if (++s.stack_index > kReturnStackSize) s.stack_index = 1;
  }
}

void MarkScriptLine(Workbench& bench, int n) {
  EditControl* e = bench.Pane(kScriptPane);
  if (!e) return;
  n = std::min(std::max(n, 2), e->LineCount());
  if (n < 2) {
    e->SetSelection({{1, 0}, {1, 0}});
    return;
  }
  e->SetSelection({{n - 1, 0}, {n, 0}});
}

void ScriptStep(Workbench& bench) {
  ScriptState& s = bench.script;
  s.ended = false;
  s.chained = false;
  s.current_line = CaretLine(bench, kScriptPane);
  if (s.repaint && !s.preprocess_on) s.repaint();
  ExecuteScriptLine(bench, PaneLine(bench, kScriptPane, s.current_line));
  if (!bench.stop_requested && (EscapePending(bench) || RightButtonPending(bench))) {
    bench.stop_requested = true;
  }
  if (bench.stop_requested || s.chained) return;
  const int count = PaneLineCount(bench, kScriptPane);
  if ((s.current_line < count && !s.ended) || s.chain_level == 0) {
    if (!s.ended) ++s.current_line;
    MarkScriptLine(bench, s.current_line);
    if (s.repaint && !s.preprocess_on) s.repaint();
  } else {
    s.ended = true;
    ReturnFromChain(bench);
  }
}

void RunScript(Workbench& bench) {
  ScriptState& s = bench.script;
  bench.stop_requested = false;
  s.ended = false;
  s.fault.clear();
  s.steps = 0;
  for (;;) {
    ScriptStep(bench);
    if (bench.stop_requested) break;
    if (s.max_steps > 0 && ++s.steps >= s.max_steps) {
      s.fault = "Script stopped after " + IntText(s.steps) + " steps";
      bench.stop_requested = true;
      break;
    }
    if (s.chained) continue;
    if (s.ended || s.current_line > PaneLineCount(bench, kScriptPane)) {
      s.ended = true;
      if (s.chain_level == 0) break;
      ReturnFromChain(bench);
      if (bench.stop_requested) break;
    }
  }
}

void ResetScript(Workbench& bench) {
  ScriptState& s = bench.script;
  GoToLine(bench, kScriptPane, 1);
  s.current_line = 1;
  s.stack_index = 1;
  s.running = false;
  s.chain_returns.fill(0);
  bench.stop_requested = false;
}

}  // namespace vormak
