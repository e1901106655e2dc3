#include "interp/block_interpreter.h"

#include <algorithm>
#include <array>
#include <string>

#include "interp/canned_cycles.h"
#include "interp/comment_codes.h"
#include "interp/interp_state.h"
#include "interp/later_hooks.h"
#include "interp/line_cache.h"
#include "interp/macro_statements.h"
#include "interp/macro_variables.h"
#include "interp/model_link_calls.h"
#include "interp/motion.h"
#include "interp/program_flow.h"
#include "interp/syntax_check.h"
#include "interp/word_reader.h"
#include "nctext/block_words.h"
#include "plot/plot_window.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

enum class LineKind {
  kBlock,         // words to interpret (plain, or what is left beside a comment)
  kWholeComment,  // nothing
  kVariables,     // a block whose variables are replaced first
  kAssignment,
  kGoto,
  kIf,
  kWhile,
  kEnd,
  kG10,
  kRotation,
  kRedraw,
  kCommentCode,  // a comment code, found again each time
};

// What a line holds of the macro statements' words, found in one pass over it: every NC
// block comes through here, and most hold none of them.
struct StatementWords {
  bool go = false;  // "GO", as in GOTO
  bool then = false;
  bool while_ = false;
  bool end = false;
  bool equals = false;
  bool prefix = false;  // the variable prefix
  bool g10 = false;     // "G10" as a word of its own: G100 is another code
};

StatementWords FindStatementWords(std::string_view text, char prefix) {
  StatementWords w;
  const size_t n = text.size();
  const auto at = [&](size_t i, std::string_view s) { return text.substr(i, s.size()) == s; };
  for (size_t i = 0; i < n; ++i) {
    const char c = text[i];
    if (c == prefix) w.prefix = true;
    switch (c) {
      case 'G':
        if (i + 1 < n && text[i + 1] == 'O') w.go = true;
        if (at(i + 1, "10") && (i + 3 >= n || text[i + 3] < '0' || text[i + 3] > '9')) w.g10 = true;
        break;
      case 'T':
        if (at(i + 1, "HEN")) w.then = true;
        break;
      case 'W':
        if (at(i + 1, "HILE")) w.while_ = true;
        break;
      case 'E':
        if (at(i + 1, "ND")) w.end = true;
        break;
      case '=':
        w.equals = true;
        break;
      default:
        break;
    }
  }
  return w;
}

// The macro statements a line may be. Rotation and redraw lines only give way to statements.
LineKind MacroKind(const Workbench& bench, std::string_view text, LineKind kind) {
  const bool fanuc = bench.settings.code_format == 0;
  const StatementWords w = FindStatementWords(text, VariablePrefix(bench));
  if (w.go) return LineKind::kGoto;
  if (fanuc && w.then) return LineKind::kIf;
  if (fanuc && w.while_) return LineKind::kWhile;
  if (fanuc && w.end) return LineKind::kEnd;
  if (fanuc && w.equals) return LineKind::kAssignment;
  if (kind == LineKind::kRotation || kind == LineKind::kRedraw) return kind;
  if (w.prefix) return LineKind::kVariables;
  if (fanuc && w.g10) return LineKind::kG10;
  return kind;
}

// The custom G codes of the "Macro" settings: a G word of the block whose number a row named
// "G" holds calls that row's program with the block's words as arguments.
void CustomGCodeCall(Workbench& bench, TurretState& ts, std::string_view block) {
  bool any = false;
  for (const MacroCallRow& row : bench.settings.macros) any = any || row.name == "G";
  if (!any) return;
  std::string_view rest = block;
  for (size_t at = FindWordLetter(rest, 'G'); at != std::string_view::npos;
       at = FindWordLetter(rest, 'G')) {
    const double g = LetterValueAt(bench, rest, at, false);
    rest = rest.substr(at + 1);
    if (g <= 99) continue;
    for (const MacroCallRow& row : bench.settings.macros) {
      if (row.name == "G" && row.value == g && row.program > 0) {
        ts[kRegP] = row.program;
        ts.SetG(65, true);
        return;
      }
    }
  }
}

Xyz Plus(const Xyz& a, const Xyz& b) {
  return {a.x + b.x, a.y + b.y, a.z + b.z};
}

// G92 with "G92, G50": the words present set the coordinate shift (G91 adds to it).
void CoordinateShift(Workbench& bench, const TurretState& ts) {
  MachineState& ms = bench.interp.machine;
  Xyz& shift = ms.coordinate_shift;
  const bool incremental = ts.G(91);
  if (ms.word_x) shift.x = incremental ? shift.x + ts[kRegX] - ts[kRegPrevX] : ts[kRegX];
  if (ms.word_y) shift.y = incremental ? shift.y + ts[kRegY] - ts[kRegPrevY] : ts[kRegY];
  if (ms.word_z) shift.z = incremental ? shift.z + ts[kRegZ] : ts[kRegZ];
}

void Move(Workbench& bench, int turret, const Xyz& start, const Xyz& end, double feed) {
  if (bench.settings.system_type == SystemType::kLathe) {
    ExecuteMove(bench, turret, start.z, start.x, 0, end.z, end.x, 0, feed);
  } else {
    ExecuteMove(bench, turret, start.x, start.y, start.z, end.x, end.y, end.z, feed);
  }
}

// G28: a rapid to the intermediate point the block names, then a rapid home for the axes it
// names, whatever motion code is in force (which the block leaves as it was). A leg that does
// not move, as the first one of the usual G91 G28 Z0, is not drawn.
void ReferenceReturn(Workbench& bench, int turret, const Xyz& start, const Xyz& end,
                     const Xyz& offsets) {
  TurretState& ts = bench.interp.Turret(turret);
  const Xyz via = Plus(bench.interp.machine.reference_via, offsets);
  const std::array<bool, 4> motion{ts.G(0), ts.G(1), ts.G(2), ts.G(3)};
  ts.SetG(0, true);
  for (int g = 1; g <= 3; ++g) ts.SetG(g, false);
  if (!(via == start)) Move(bench, turret, start, via, 0);
  if (!(end == via) && !bench.stop_requested) Move(bench, turret, via, end, 0);
  for (int g = 0; g <= 3; ++g) ts.SetG(g, motion[static_cast<size_t>(g)]);
}

void RunLineKind(Workbench& bench, LineKind kind, std::string_view text, std::string_view line,
                 char rotation) {
  const int turret = bench.interp.run.turret;
  switch (kind) {
    case LineKind::kBlock:
      InterpretBlock(bench, turret, text);
      return;
    case LineKind::kWholeComment:
      return;
    case LineKind::kVariables:
      InterpretBlock(bench, turret,
                     SubstituteVariables(bench.macro_variables, VariablePrefix(bench), text));
      return;
    case LineKind::kAssignment:
      Assign(bench, text);
      return;
    case LineKind::kGoto:
      if (bench.settings.use[kUseMacros]) GotoStatement(bench, text);
      return;
    case LineKind::kIf:
      IfThen(bench, text);
      return;
    case LineKind::kWhile:
      WhileStart(bench, text);
      return;
    case LineKind::kEnd:
      WhileEnd(bench, text);
      return;
    case LineKind::kG10:
      G10Line(bench, text);
      return;
    case LineKind::kRotation:
      RotationLine(bench, line, rotation);
      return;
    case LineKind::kRedraw:
      Redraw(bench);
      return;
    case LineKind::kCommentCode:
      if (const FoundCode found = FindCommentCode(line, CommentCharsOf(bench.settings).begin);
          found.code != CommentCode::kNone) {
        RunCommentCode(bench, found, line);
      }
      return;
  }
}

}  // namespace

Xyz ActiveOffsets(const Workbench& bench) {
  const MachineState& ms = bench.interp.machine;
  Xyz total;
  if (bench.settings.use[kUseOffsets]) {
    const int index = ms.work_offset_code - 54;
    const Xyz work = index >= 0 && index < 6 ? ms.work_offsets[static_cast<size_t>(index)] : Xyz{};
    total = {ms.common_offset.x + work.x, ms.common_offset.y + work.y, ms.common_offset.z + work.z};
  }
  if (bench.settings.use[kUseG92G50]) {
    total.x += ms.coordinate_shift.x;
    total.y += ms.coordinate_shift.y;
    total.z += ms.coordinate_shift.z;
  }
  return total;
}

namespace {

// "Check Syntax" on the line: whether the run goes on with it. A clean line that raised no
// warning is remembered as clean.
bool PassesSyntaxCheck(Workbench& bench, std::string_view line, LineFacts* facts) {
  if (facts && facts->syntax_clean) return true;
  bool spoke = false;
  const SyntaxReporter warn = [&bench, &spoke](const std::string& message, bool) {
    spoke = true;
    return Warn(bench, message);
  };
  const int verdict = CheckLine(bench, line, warn);
  if (facts) facts->syntax_clean = verdict == 0 && !spoke;
  if (verdict == 2) return false;
  if (verdict != 0) bench.stop_requested = true;
  return true;
}

// An assignment met again: read once, then carried out from its ready pieces. False when it
// takes the general road.
bool ReadyAssign(Workbench& bench, LineFacts& facts) {
  if (!facts.assignment_read) {
    facts.assignment = ReadAssignment(bench, facts.words);
    facts.assignment_read = true;
  }
  return facts.assignment.usable && AssignReady(bench, facts.assignment);
}

}  // namespace

void InterpretLine(Workbench& bench, std::string_view line) {
  const MachineSettings& s = bench.settings;
  LineCache& cache = bench.interp.line_cache;
  LineFacts* facts = cache.Find(line);
  const bool known = facts != nullptr;
  if (!known) facts = cache.Add(line);
  // The syntax check of the line comes first when "Check Syntax" is on; a timing run (Time
  // dialog, status window) goes through without it.
  if (s.use[kUseCheckSyntax] && !bench.interp.time.accounting &&
      !PassesSyntaxCheck(bench, line, facts)) {
    return;
  }
  if (line.empty()) return;
  if (s.ignore_char.find(line.front()) != std::string::npos) return;
  // Block delete: a line starting with "/" is skipped while "Block Skip" is on.
  if (line.front() == '/' && s.use[kUseBlockSkip]) return;
  if (known) {
    const auto kind = static_cast<LineKind>(facts->kind);
    if (kind == LineKind::kAssignment && ReadyAssign(bench, *facts)) return;
    RunLineKind(bench, kind, facts->words, line, facts->rotation);
    return;
  }

  const CommentChars cc = CommentCharsOf(s);
  LineKind kind = LineKind::kBlock;
  std::string stripped;
  std::string_view text = line;
  char rotation = 0;
  if (line.find(cc.begin) != std::string_view::npos) {
    if (s.use[kUseCodes]) {
      rotation = RotationCodeOf(line, cc.begin);
      if (rotation == 'D') {
        kind = LineKind::kRedraw;
      } else if (rotation != 0) {
        kind = LineKind::kRotation;
      } else if (const FoundCode found = FindCommentCode(line, cc.begin);
                 found.code != CommentCode::kNone) {
        // A comment code acts each time it is met: the line is not remembered as a block.
        if (facts) facts->kind = static_cast<std::uint8_t>(LineKind::kCommentCode);
        RunCommentCode(bench, found, line);
        return;
      }
    }
    if (kind == LineKind::kBlock) {
      const bool whole = line.front() == cc.begin && (cc.end == 0 || line.back() == cc.end);
      if (whole) kind = LineKind::kWholeComment;
      stripped = StripComment(line, cc);
      text = stripped;
    }
  }
  kind = MacroKind(bench, text, kind);
  if (facts) {
    facts->kind = static_cast<std::uint8_t>(kind);
    facts->rotation = rotation;
    facts->words = text;
    text = facts->words;
  }
  RunLineKind(bench, kind, text, line, rotation);
}

bool IsWhileStatement(const Workbench& bench, std::string_view line) {
  const std::string words = StripComment(line, CommentCharsOf(bench.settings));
  return MacroKind(bench, words, LineKind::kBlock) == LineKind::kWhile;
}

void InterpretLinePair(Workbench& bench, std::string_view line1, std::string_view line2) {
  RunState& run = bench.interp.run;
  const int saved = run.turret;
  TimeState& time = bench.interp.time;
  // The turrets cut at the same time: the pair takes as long as the slower of its two lines.
  run.turret = 1;
  if (time.accounting) time.block_time = 0;
  InterpretLine(bench, line1);
  const double first = time.block_time;
  run.turret = 2;
  if (time.accounting) time.block_time = 0;
  InterpretLine(bench, line2);
  if (time.accounting) time.block_time = std::max(first, time.block_time);
  run.turret = saved;
}

void InterpretBlock(Workbench& bench, int turret, std::string_view block) {
  InterpState& interp = bench.interp;
  TurretState& ts = interp.Turret(turret);
  MachineState& ms = interp.machine;
  const MachineSettings& s = bench.settings;
  if (interp.time.accounting) interp.time.block_time = 0;
  ts[kRegPrevX] = ts[kRegX];
  ts[kRegPrevY] = ts[kRegY];
  if (!DrillingCycleInForce(ts)) ts[kRegPrevZ] = ts[kRegZ];
  const bool read = ReadWords(bench, turret, block);
  WritePendingCycleApt(bench, turret);  // the drilling cycle's APT line, with this block's Z and R
  if (!read) return;
  LinkRotaryAxes(bench, turret);
  if (!s.twin_turrets) CustomGCodeCall(bench, ts, block);
  if (ts.G(4)) return;  // dwell
  if (ts.G(92)) {
    ts.SetG(92, false);
    if (s.system_type == SystemType::kLathe) ts[kRegF] = 0;
    if (s.use[kUseG92G50]) {
      CoordinateShift(bench, ts);
      return;
    }
  }
  const Xyz offsets = ActiveOffsets(bench);
  const Xyz start = Plus({ts[kRegPrevX], ts[kRegPrevY], ts[kRegPrevZ]}, offsets);
  const Xyz end = Plus({ts[kRegX], ts[kRegY], ts[kRegZ]}, offsets);
  const double feed = ts[kRegF];
  if (s.system_type == SystemType::kMill && ms.rotary_word && interp.motion.rotary_feed_move) {
    // A rotary word in G1 turns the part as a feed move of its own.
    Move(bench, turret, start, end, feed);
    interp.motion.rotary_feed_move = false;
  }
  // G74 and G75 leave the block's own move to start where their last pass retracted to.
  Xyz from = start;
  const bool drilling = DrillingCycleInForce(ts);
  if (!RunCannedCycle(bench, turret, block, from, end)) return;
  const bool macro_call = ts.G(65) && s.use[kUseMacros];
  if ((ts.M(98) || macro_call) && ts[kRegP] > 0) {
    CallSubprogram(bench, turret, block);
    return;
  }
  // M99 returns in every dialect; in the Q-parameter dialect it has also marked the cycle G200
  // defined, which a later block without a move of its own drills.
  if (ts.M(99)) {
    ReturnFromSubprogram(bench, turret);
    return;
  }
  const bool arc = ts.G(2) || ts.G(3);
  const bool axis_words =
      ms.word_x || ms.word_y || ms.word_z || ms.word_i || ms.word_j || ms.word_k;
  const bool own_move = !drilling && !(end == from && (!arc || !axis_words));
  if (!drilling && ts.G(28)) {
    ReferenceReturn(bench, turret, from, end, offsets);
  } else if (own_move) {
    LinkBlockEnd(bench, end);
    Move(bench, turret, from, end, feed);
  }
  // A called cycle 200 is drilled by a block that does not move (or one of a drilling cycle).
  if (!own_move) RunPendingCycle200(bench, turret);
}

}  // namespace vormak
