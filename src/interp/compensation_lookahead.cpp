#include "interp/compensation_lookahead.h"

#include <cmath>
#include <string_view>
#include <utility>

#include "interp/block_interpreter.h"
#include "interp/comment_codes.h"
#include "interp/macro_statements.h"
#include "interp/macro_variables.h"
#include "interp/motion.h"
#include "interp/word_reader.h"
#include "nctext/block_words.h"
#include "nctext/pane_services.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

// Lines without a move in the plot plane (comments, Z moves, M codes) that the look-ahead
// reads past before it gives up and takes the path as ended.
constexpr int kLookAheadLines = 200;

enum class LineUse { kSkip, kBlock, kStop };

bool Holds(std::string_view text, std::string_view s) {
  return text.find(s) != std::string_view::npos;
}

// What the look-ahead makes of a line: passed over, read as a block, or the end of the path.
LineUse Classify(Workbench& bench, std::string_view line, std::string& block) {
  const MachineSettings& s = bench.settings;
  if (line.empty() || s.ignore_char.find(line.front()) != std::string::npos) return LineUse::kSkip;
  if (line.front() == '/' && s.use[kUseBlockSkip]) return LineUse::kSkip;
  const CommentChars cc = CommentCharsOf(s);
  block = std::string(line);
  if (Holds(line, std::string_view(&cc.begin, 1))) {
    if (s.use[kUseCodes] && (RotationCodeOf(line, cc.begin) != 0 ||
                             FindCommentCode(line, cc.begin).code != CommentCode::kNone)) {
      return LineUse::kSkip;
    }
    block = StripComment(line, cc);
  }
  const bool fanuc = s.code_format == 0;
  if (Holds(block, "GO")) return LineUse::kStop;
  if (fanuc &&
      (Holds(block, "THEN") || Holds(block, "WHILE") || Holds(block, "END") || Holds(block, "="))) {
    return LineUse::kStop;
  }
  const char prefix = VariablePrefix(bench);
  if (Holds(block, std::string_view(&prefix, 1))) {
    block = SubstituteVariables(bench.macro_variables, prefix, block);
  }
  return LineUse::kBlock;
}

// A call, a return or the end of the program ends the path the look-ahead can follow.
bool ChangesFlow(Workbench& bench, std::string_view block) {
  for (size_t at = FindWordLetter(block, 'M'); at != std::string_view::npos;
       at = FindWordLetter(block, 'M', at + 1)) {
    const double m = LetterValueAt(bench, block, at, false);
    if (m == 98 || m == 99 || m == 30 || m == 2) return true;
  }
  for (size_t at = FindWordLetter(block, 'G'); at != std::string_view::npos;
       at = FindWordLetter(block, 'G', at + 1)) {
    if (LetterValueAt(bench, block, at, false) == 65) return true;
  }
  return false;
}

// The motion and plane words and the axis words of the block, as the word reader takes them,
// into the second turret's record.
void ReadMotionWords(Workbench& bench, TurretState& ts, std::string_view block) {
  const MachineSettings& s = bench.settings;
  const MachineState& ms = bench.interp.machine;
  ts[kRegPrevX] = ts[kRegX];
  ts[kRegPrevY] = ts[kRegY];
  if (!DrillingCycleInForce(ts)) ts[kRegPrevZ] = ts[kRegZ];
  ts[kRegI] = ts[kRegJ] = ts[kRegK] = 0;
  ts.SetG(28, false);
  bool dwell = false;
  for (size_t at = FindWordLetter(block, 'G'); at != std::string_view::npos;
       at = FindWordLetter(block, 'G', at + 1)) {
    const double value = LetterValueAt(bench, block, at, false);
    // Only the whole codes below matter here; a fraction or a number past any code (which
    // would not even fit an int) is passed over.
    if (!(value >= 0 && value <= 99) || value != std::trunc(value)) continue;
    const int g = static_cast<int>(value);
    if (g <= 3) {
      for (int other = 0; other <= 3; ++other) ts.SetG(other, other == g);
    } else if (g == 90 || g == 91) {
      ts.SetG(g, true);
      ts.SetG(g == 90 ? 91 : 90, false);
    } else if (g == 4) {
      dwell = true;
    } else if (g == 28) {
      ts.SetG(28, true);
    } else if (g == 40) {
      // The block after this one cancels compensation: an arc ends on its own radius.
      bench.interp.machine.cancel_pending = true;
    }
  }
  const WordReader words(block);
  const bool incremental = ts.G(91);
  const bool halve = !RadiusMode(s);
  if (words.Has('X') && !dwell) {  // a dwell's X is its time
    double x = words.Value(bench, 'X', true);
    if (halve) x /= 2;
    ts[kRegX] = ts.G(28) ? ms.home.x : incremental ? ts[kRegPrevX] + x : x;
  }
  if (words.Has('Y')) {
    double y = words.Value(bench, 'Y', true);
    if (s.mirror[1]) y = -y;
    ts[kRegY] = ts.G(28) ? ms.home.y : incremental ? ts[kRegPrevY] + y : y;
  }
  if (words.Has('Z')) {
    double z = words.Value(bench, 'Z', true);
    if (s.mirror[2]) z = -z;
    ts[kRegZ] = ts.G(28) ? ms.home.z : incremental ? ts[kRegPrevZ] + z : z;
  }
  if (words.Has('U')) {
    const double u = words.Value(bench, 'U', true);
    ts[kRegX] = ts.G(28) ? ms.home.x : ts[kRegPrevX] + (halve ? u / 2 : u);
  }
  if (words.Has('W')) {
    ts[kRegZ] = ts.G(28) ? ms.home.z : ts[kRegPrevZ] + words.Value(bench, 'W', true);
  }
  if (words.Has('I')) ts[kRegI] = words.Value(bench, 'I', true);
  if (words.Has('J')) ts[kRegJ] = words.Value(bench, 'J', true);
  if (words.Has('K')) ts[kRegK] = words.Value(bench, 'K', true);
  if (words.Has('L') && s.code_format == 2) {
    ArcCentreFromRadius(bench, 2, words.Value(bench, 'L', false));
  }
  if (words.Has('R')) ArcCentreFromRadius(bench, 2, words.Value(bench, 'R', true));
}

}  // namespace

Vec2 PlaneEnd(const TurretState& t, bool lathe) {
  return lathe ? Vec2{t[kRegZ], t[kRegX]} : Vec2{t[kRegX], t[kRegY]};
}

Vec2 PlaneCentreOffset(const TurretState& t, bool lathe) {
  return lathe ? Vec2{t[kRegK], t[kRegI]} : Vec2{t[kRegI], t[kRegJ]};
}

void SetPlaneCentreOffset(TurretState& t, bool lathe, Vec2 v) {
  if (lathe) {
    t[kRegK] = v.x;
    t[kRegI] = v.y;
  } else {
    t[kRegI] = v.x;
    t[kRegJ] = v.y;
  }
}

int MoveKindOf(const TurretState& t) {
  return t.G(2) ? 2 : t.G(3) ? 3 : 1;
}

Vec2 ArcCentreOf(const Workbench& bench, const TurretState& t, Vec2 start) {
  const bool lathe = bench.settings.system_type == SystemType::kLathe;
  const Vec2 ij = PlaneCentreOffset(t, lathe);
  if (bench.settings.arc_type != 2) return start + ij;
  // Absolute centres take the program shift of the centre words, as the executor draws them.
  if (!bench.settings.use[kUseOffsets]) return ij;
  const Xyz& shift = bench.interp.machine.program_shift_ijk;
  return ij + (lathe ? Vec2{shift.z, shift.x} : Vec2{shift.x, shift.y});
}

LookAhead ReadNextMove(Workbench& bench, int pane, int from, const TurretState& record,
                       Vec2 delta) {
  LookAhead next;
  if (bench.interp.flow.file_depth > 0) return next;  // the lines come from another file
  const bool lathe = bench.settings.system_type == SystemType::kLathe;
  const int count = PaneLineCount(bench, pane);
  const int stop = std::min(count, from + kLookAheadLines - 1);
  TurretState& scratch = bench.interp.Turret(2);
  const TurretState saved = scratch;
  scratch = record;
  std::string block;
  for (int n = from; n <= stop; ++n) {
    std::string line = PaneLine(bench, pane, n);
    const LineUse use = Classify(bench, line, block);
    if (use == LineUse::kStop) break;
    if (use == LineUse::kSkip) continue;
    if (ChangesFlow(bench, block)) break;
    const Vec2 start = PlaneEnd(scratch, lathe) + delta;
    ReadMotionWords(bench, scratch, block);
    const Vec2 end = PlaneEnd(scratch, lathe) + delta;
    const int kind = MoveKindOf(scratch);
    const bool arc = kind != 1;
    const WordReader words(block);
    const bool arc_words = words.Has('I') || words.Has('J') || words.Has('K') || words.Has('R') ||
                           (words.Has('L') && bench.settings.code_format == 2);
    if (Length(end - start) < 1e-9 && !(arc && arc_words)) continue;
    next.found = true;
    next.line = n;
    next.text = std::move(line);
    next.element = {kind, start, end, arc ? ArcCentreOf(bench, scratch, start) : Vec2{}};
    next.record = scratch;
    break;
  }
  scratch = saved;
  return next;
}

}  // namespace vormak
