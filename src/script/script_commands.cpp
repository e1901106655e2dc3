#include "script/script_commands.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>

#include "interp/run_driver.h"
#include "interp/syntax_check.h"
#include "ncfiles/nc_files.h"
#include "nctext/block_words.h"
#include "nctext/edit_control.h"
#include "nctext/order_blocks.h"
#include "nctext/pane_services.h"
#include "nctext/status_services.h"
#include "nctext/text_functions.h"
#include "script/script_args.h"
#include "script/script_interpreter.h"
#include "settings/word_format.h"
#include "utilities/break_arcs.h"
#include "utilities/line_operations.h"
#include "utilities/reformat.h"
#include "utilities/renumber.h"
#include "utilities/rotate_nc.h"
#include "utilities/word_transforms.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr const char* kMessageCaption = "Vormak";

// The command words in the order they are tried.
enum class Word {
  kFindStr,
  kInsert,
  kSelect,
  kBack,
  kForward,
  kRenumber,
  kFindVal,
  kHome,
  kEnd,
  kGoBlock,
  kChangeV,
  kReplace,
  kAdd,
  kOffsetNc,
  kExit,
  kDelete,
  kCopy,
  kPaste,
  kCut,
  kScale,
  kMarker,
  kReturn,
  kRemove,
  kReformat,
  kOrder,
  kStrip,
  kPause,
  kRepSel,
  kSaveVar,
  kGet,
  kRotate,
  kUncomment,
  kComment,
  kRSpace,
  kBreakArc,
  kReverse,
  kRBlank,
  kDelStr,
  kASpace,
  kSyntax,
  kFront,
  kRear,
  kDeLine,
  kInput,
  kMerge,
  kMessage,
  kItem,
  kSwitch,
  kNone,
};

constexpr const char* kWords[] = {
    "FINDSTR", "INSERT",  "SELECT",   "BACK",    "FORWARD", "RENUMBER", "FINDVAL", "HOME",
    "END",     "GOBLOCK", "CHANGEV",  "REPLACE", "ADD",     "OFFSETNC", "EXIT",    "DELETE",
    "COPY",    "PASTE",   "CUT",      "SCALE",   "MARKER",  "RETURN",   "REMOVE",  "REFORMAT",
    "ORDER",   "STRIP",   "PAUSE",    "REPSEL",  "SAVEVAR", "GET",      "ROTATE",  "UNCOMMENT",
    "COMMENT", "RSPACE",  "BREAKARC", "REVERSE", "RBLANK",  "DELSTR",   "ASPACE",  "SYNTAX",
    "FRONT",   "REAR",    "DELINE",   "INPUT",   "MERGE",   "MESSAGE",  "ITEM",    "SWITCH",
};

Word FirstWord(std::string_view line) {
  for (size_t i = 0; i < std::size(kWords); ++i) {
    if (line.find(kWords[i]) != std::string_view::npos) return static_cast<Word>(i);
  }
  return Word::kNone;
}

char Letter(const std::string& text) {
  return text.empty() ? 0 : text[0];
}

std::string Replaced(std::string text, std::string_view what, std::string_view with) {
  for (size_t at = text.find(what); at != std::string::npos;
       at = text.find(what, at + with.size())) {
    text.replace(at, what.size(), with);
  }
  return text;
}

int LastLine(const Workbench& bench) {
  return PaneLineCount(bench, bench.active_pane);
}

// The lines the selection itself covers (not widened to the end); the caret's line alone when
// nothing is selected.
LineRange SelectionLines(const Workbench& bench) {
  const EditControl* e = bench.Pane(bench.active_pane);
  if (!e) return {};
  const TextSelection s = e->GetSelection();
  LineRange r{std::min(s.start.line, s.end.line), std::max(s.start.line, s.end.line)};
  const TextPosition& last = s.start.line < s.end.line ? s.end : s.start;
  if (r.last > r.first && last.column == 0) --r.last;
  return r;
}

void FindStr(Workbench& bench, const std::string& line) {
  const int pane = bench.active_pane;
  EditControl* e = bench.Pane(pane);
  const std::string text = TextArg(1, line);
  if (!e) return;
  bool found = false;
  if (IntegerArg(bench, 2, line) == 1) {
    found = !text.empty() && e->FindText(text);
  } else {
    const int at = FindOutsideComment(bench, pane, text);
    found = at > 0;
    if (found) bench.interp.run.current_line = at - 1;
  }
  if (!found) GoToLine(bench, pane, LastLine(bench));
}

void FindVal(Workbench& bench, char letter, double value) {
  const int pane = bench.active_pane;
  EditControl* e = bench.Pane(pane);
  if (!e || letter == 0) return;
  const std::string address(1, letter);
  for (int at = FindOutsideComment(bench, pane, address); at > 0;
       at = FindOutsideComment(bench, pane, address)) {
    const std::string text = e->GetLine(at);
    if (AddressValue(bench, address, text.substr(0, 80), true) != value) continue;
    const size_t col = text.find(letter);
    size_t end = col + 1;
    while (end < text.size() &&
           std::string_view("+-.0123456789").find(text[end]) != std::string_view::npos) {
      ++end;
    }
    SelectColumns(bench, pane, at, static_cast<int>(col), static_cast<int>(end));
    bench.interp.run.current_line = at;
    return;
  }
  GoToLine(bench, pane, LastLine(bench));
}

void ChangeV(Workbench& bench, const std::string& line) {
  std::string letters = TextArg(1, line);
  int mode = kChangeEqual;
  if (!letters.empty() && letters[0] == '*') {
    mode = kChangeEqualEveryLetter;
  } else {
    if (const size_t lt = letters.find('<'); lt != std::string::npos) {
      letters.erase(lt, 1);
      mode = kChangeLessThan;
    } else if (const size_t gt = letters.find('>'); gt != std::string::npos) {
      letters.erase(gt, 1);
      mode = kChangeGreaterThan;
    } else if (letters.size() > 1 && letters[1] == '*') {
      letters.erase(1, 1);
      mode = kChangeAny;
    }
  }
  const char letter = Letter(letters);
  if (letter != '*' && (letter < 'A' || letter > 'Z')) return;
  ChangeValue(bench, bench.active_pane, letter, mode, NumberArg(bench, 3, line),
              NumberArg(bench, 2, line));
}

void Replace(Workbench& bench, const std::string& line) {
  const int pane = bench.active_pane;
  EditControl* e = bench.Pane(pane);
  const std::string find = TextArg(1, line);
  if (!e || find.empty()) return;
  const std::string repl = Replaced(TextArg(2, line), ";;", "\r\n");
  const bool in_comments = IntegerArg(bench, 3, line) == 1;
  const char comment = CommentCharsOf(bench.settings).begin;
  const int breaks = static_cast<int>(std::count(repl.begin(), repl.end(), '\n'));
  LineRange range = SelectedLineRange(bench, pane);
  e->SetSelection({{range.first, 0}, {range.first, 0}});
  while (e->FindText(find)) {
    const TextPosition at = e->GetSelection().start;
    if (at.line > range.last) break;
    if (!in_comments) {
      const size_t c = e->GetLine(at.line).find(comment);
      if (c != std::string::npos && static_cast<int>(c) <= at.column) continue;
    }
    InsertAtCaret(bench, repl);
    range.last += breaks;
    if (EscapePending(bench)) break;
  }
  SelectLines(bench, pane, range.first, range.last);
}

void Add(Workbench& bench, const std::string& line) {
  const int pane = bench.active_pane;
  const std::string letter = TextArg(1, line);
  if (letter.empty()) return;
  const double value = NumberArg(bench, 2, line);
  const int caret = CaretLine(bench, pane);
  const std::string text = PaneLine(bench, pane, caret);
  if (text.find(letter) == std::string::npos) {
    ReplacePaneLine(bench, pane, caret,
                    text + letter + FormatAddressValue(bench.word_formats, letter[0], 1, value));
  } else {
    ChangeValue(bench, pane, letter[0], kChangeAnyExpression, value, 0);
  }
}

void SaveVar(Workbench& bench, const std::string& line) {
  const std::string letter = TextArg(1, line);
  const std::string text = PaneLine(bench, bench.active_pane, CaretLine(bench, bench.active_pane));
  if (letter.empty() || text.find(letter) == std::string::npos) return;
  SetScriptVariable(bench, IntegerArg(bench, 2, line), AddressValue(bench, letter, text, false));
}

void Get(Workbench& bench, const std::string& line) {
  const char letter = Letter(TextArg(1, line));
  std::string text = PaneLine(bench, bench.active_pane, CaretLine(bench, bench.active_pane));
  if (text.size() > 90) text.resize(90);
  static constexpr struct {
    char letter;
    TurretRegister reg;
  } kRegisters[] = {{'A', kRegA}, {'B', kRegB}, {'C', kRegC}, {'I', kRegI}, {'J', kRegJ},
                    {'K', kRegK}, {'X', kRegX}, {'Y', kRegY}, {'Z', kRegZ}};
  for (const auto& r : kRegisters) {
    if (r.letter == letter) {
      bench.interp.Current()[r.reg] = AddressValue(bench, std::string(1, letter), text, true);
    }
  }
}

void Item(Workbench& bench, const std::string& line) {
  const long long n = IntegerArg(bench, 1, line);
  const std::string letter = TextArg(2, line);
  const long long k = IntegerArg(bench, 3, line);
  std::string rest = PaneLine(bench, bench.active_pane, CaretLine(bench, bench.active_pane));
  double value = 0;
  for (long long i = 0; i < k && !letter.empty(); ++i) {
    const size_t at = rest.find(letter);
    if (at == std::string::npos) {
      value = 0;
      break;
    }
    value = AddressValue(bench, letter, rest, false);
    rest.erase(0, at + letter.size());
  }
  SetScriptVariable(bench, n, value);
}

void FrontRear(Workbench& bench, const std::string& text, bool front) {
  const int pane = bench.active_pane;
  EditControl* e = bench.Pane(pane);
  if (!e) return;
  const TextSelection kept = e->GetSelection();
  const LineRange r = SelectionLines(bench);
  for (int n = r.first; n >= 1 && n <= r.last; ++n) {
    const std::string line = PaneLine(bench, pane, n);
    ReplacePaneLine(bench, pane, n, front ? text + line : line + text);
  }
  e->SetSelection(kept);  // REAR after FRONT works on the same lines
}

void Input(Workbench& bench, const std::string& which) {
  static constexpr struct {
    const char* text;
    InsertCommand command;
  } kInputs[] = {{"X", InsertCommand::kX},
                 {"Y", InsertCommand::kY},
                 {"Z", InsertCommand::kZ},
                 {"XY", InsertCommand::kXY},
                 {"XZ", InsertCommand::kXZ}};
  for (const auto& i : kInputs) {
    if (which == i.text) InsertCommandValue(bench, i.command);
  }
}

void Renumber(Workbench& bench, const std::string& line) {
  RenumberOptions o;
  o.start = IntegerArg(bench, 1, line);
  o.increment = IntegerArg(bench, 2, line);
  if (o.start == 0) o.start = bench.settings.start_block;
  if (o.increment == 0) o.increment = bench.settings.block_increment;
  o.letter = RenumberLetter(TextArg(3, line));
  o.existing_only = IntegerArg(bench, 4, line) == 1;
  o.include_comments = IntegerArg(bench, 5, line) == 1;
  o.include_o = false;
  const int pane = bench.active_pane;
  if (CaretLine(bench, pane) == 1) {
    RenumberWhole(bench, pane, o);
  } else {
    RenumberRange(bench, pane, o);
  }
}

void Select(Workbench& bench, const std::string& line) {
  long long a = IntegerArg(bench, 1, line);
  long long b = IntegerArg(bench, 2, line);
  const int pane = bench.active_pane;
  if (a == 0 && b == 0) {
    GoToLine(bench, pane, CaretLine(bench, pane));
    return;
  }
  if (a == 0) a = b;
  if (b == 0) b = a;
  SelectLines(bench, pane, static_cast<int>(a), static_cast<int>(b));
}

void Move(Workbench& bench, long long n, int direction) {
  const int pane = bench.active_pane;
  if (n == 0) n = 1;
  const long long to = CaretLine(bench, pane) + direction * n;
  GoToLine(bench, pane, static_cast<int>(std::clamp<long long>(to, 1, LastLine(bench))));
}

void Delete(Workbench& bench) {
  EditControl* e = bench.Pane(bench.active_pane);
  if (!e) return;
  const TextSelection s = e->GetSelection();
  const TextPosition from =
      std::min(s.start, s.end, [](const TextPosition& a, const TextPosition& b) {
        return a.line < b.line || (a.line == b.line && a.column < b.column);
      });
  const TextPosition to =
      std::max(s.start, s.end, [](const TextPosition& a, const TextPosition& b) {
        return a.line < b.line || (a.line == b.line && a.column < b.column);
      });
  e->DeleteSelection();
  // The caret goes to the start of the line that followed the selection.
  TextPosition caret = from;
  if (to.column > 0 && from.line < e->LineCount()) caret = {from.line + 1, 0};
  e->SetSelection({caret, caret});
}

}  // namespace

void ScriptCommand(Workbench& bench, std::string_view text) {
  if (EscapePending(bench)) return;
  const std::string line(text);
  const int pane = bench.active_pane;
  EditControl* e = bench.Pane(pane);
  switch (FirstWord(line)) {
    case Word::kFindStr:
      FindStr(bench, line);
      break;
    case Word::kInsert:
      InsertAboveCaret(bench, pane, TextArg(1, line));
      break;
    case Word::kSelect:
      Select(bench, line);
      break;
    case Word::kBack:
      Move(bench, IntegerArg(bench, 1, line), -1);
      break;
    case Word::kForward:
      Move(bench, IntegerArg(bench, 1, line), 1);
      break;
    case Word::kRenumber:
      Renumber(bench, line);
      break;
    case Word::kFindVal:
      FindVal(bench, Letter(TextArg(1, line)), NumberArg(bench, 2, line));
      break;
    case Word::kHome:
      GoToLine(bench, pane, 1);
      break;
    case Word::kEnd:
      GoToLine(bench, pane, LastLine(bench));
      bench.stop_requested = true;
      break;
    case Word::kGoBlock:
      GoToLine(bench, pane, 1);
      FindVal(bench, 'N', static_cast<double>(IntegerArg(bench, 1, line)));
      break;
    case Word::kChangeV:
      ChangeV(bench, line);
      break;
    case Word::kReplace:
      Replace(bench, line);
      break;
    case Word::kAdd:
      Add(bench, line);
      break;
    case Word::kOffsetNc:
      if (const char l = Letter(TextArg(1, line)))
        ShiftAddress(bench, pane, l, NumberArg(bench, 2, line));
      break;
    case Word::kExit:
      bench.stop_requested = true;
      break;
    case Word::kDelete:
      Delete(bench);
      break;
    case Word::kCopy:
      if (e) e->Copy();
      break;
    case Word::kPaste:
      if (e) e->Paste();
      break;
    case Word::kCut:
      if (e) e->Cut();
      break;
    case Word::kScale:
      if (const char l = Letter(TextArg(1, line)))
        ScaleAddress(bench, pane, l, NumberArg(bench, 2, line));
      break;
    case Word::kMarker:
      InsertAfterNextLine(bench, pane, "(M" + IntText(IntegerArg(bench, 1, line)) + ")");
      break;
    case Word::kReturn:
      GoToLine(bench, pane, 1);
      if (e) e->FindText("(M" + IntText(IntegerArg(bench, 1, line)) + ")");
      break;
    case Word::kRemove:
      if (const char l = Letter(TextArg(1, line))) {
        RemoveAddressRange(bench, pane, SelectedLineRange(bench, pane), l,
                           IntegerArg(bench, 2, line) == 1);
      }
      break;
    case Word::kReformat: {
      const long long t = IntegerArg(bench, 2, line);
      ReformatRange(bench, pane, t == 0 ? bench.machines.current : static_cast<int>(t));
      break;
    }
    case Word::kOrder: {
      std::string order = TextArg(1, line);
      if (order.size() > 41) order.resize(41);
      if (order.empty()) order = bench.settings.address_order;
      OrderBlocks(bench, pane, order, "", kOrderSortAddresses);
      break;
    }
    case Word::kStrip:
      OrderBlocks(bench, pane, bench.settings.address_order, TextArg(1, line), kOrderStripUnneeded);
      break;
    case Word::kPause:
      Warn(bench, kPausePrompt);
      break;
    case Word::kRepSel:
      InsertAtCaret(bench, Replaced(TextArg(1, line), ";", "\r\n"));
      break;
    case Word::kSaveVar:
      SaveVar(bench, line);
      break;
    case Word::kGet:
      Get(bench, line);
      break;
    case Word::kRotate: {
      RotateRequest r;
      r.angle = NumberArg(bench, 1, line);
      const char axis = Letter(TextArg(2, line));
      r.axis = axis == 'X' || axis == 'Y' ? axis : 'Z';
      RotateRange(bench, pane, SelectedLineRange(bench, pane), r);
      break;
    }
    case Word::kUncomment:
      CommentLines(bench, pane, CommentMode::kUncomment);
      break;
    case Word::kComment:
      CommentLines(bench, pane, CommentMode::kComment);
      break;
    case Word::kRSpace:
      RemoveSpaces(bench, pane);
      break;
    case Word::kBreakArc:
      BreakArcs(bench, pane, SelectedLineRange(bench, pane));
      break;
    case Word::kReverse:
      ReverseLines(bench);
      break;
    case Word::kRBlank:
      RemoveBlankLines(bench, pane);
      break;
    case Word::kDelStr: {
      const std::string what = TextArg(1, line);
      const int caret = CaretLine(bench, pane);
      std::string t = PaneLine(bench, pane, caret);
      if (const size_t at = what.empty() ? std::string::npos : t.find(what);
          at != std::string::npos) {
        ReplacePaneLine(bench, pane, caret, t.erase(at, what.size()));
      }
      break;
    }
    case Word::kASpace:
      AddSpaces(bench, pane);
      break;
    case Word::kSyntax:
      CheckSyntax(bench, pane);
      break;
    case Word::kFront:
      FrontRear(bench, TextArg(1, line), true);
      break;
    case Word::kRear:
      FrontRear(bench, TextArg(1, line), false);
      break;
    case Word::kDeLine:
      DeletePaneLine(bench, pane, CaretLine(bench, pane));
      break;
    case Word::kInput:
      Input(bench, TextArg(1, line));
      break;
    case Word::kMerge:
      MergeNCFile(bench, TextArg(1, line));
      break;
    case Word::kMessage:
      bench.host().Information(TextArg(1, line), kMessageCaption);
      break;
    case Word::kItem:
      Item(bench, line);
      break;
    case Word::kSwitch: {
      const char a = Letter(TextArg(1, line));
      const char b = Letter(TextArg(2, line));
      if (a && b) {
        SwitchAddresses(bench, a, b, IntegerArg(bench, 3, line) == 1,
                        IntegerArg(bench, 4, line) == 1);
      }
      break;
    }
    case Word::kNone:
      break;
  }
}

}  // namespace vormak
