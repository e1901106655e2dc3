#include "utilities/break_arcs.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

#include "cad/geometry_measure.h"
#include "interp/block_interpreter.h"
#include "interp/interp_state.h"
#include "nctext/block_words.h"
#include "nctext/status_services.h"
#include "nctext/text_functions.h"
#include "settings/machine_settings.h"
#include "settings/number_text.h"
#include "utilities/block_edit.h"
#include "utilities/range_rewrite.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

bool IsValueChar(char c) {
  return (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == ' ';
}

bool IsMill(const Workbench& bench) {
  return bench.settings.system_type == SystemType::kMill;
}

// The letters an arc of this machine is written with: the plane's first and second
// coordinates, their centre words, and the out-of-plane axis.
struct ArcLetters {
  char first, second, centre_first, centre_second, across;
};

ArcLetters LettersOf(const Workbench& bench) {
  return IsMill(bench) ? ArcLetters{'Y', 'X', 'J', 'I', 'Z'} : ArcLetters{'X', 'Z', 'I', 'K', 'Y'};
}

double SnappedAngle(double angle) {
  const double whole = std::round(angle);
  return std::fabs(angle - whole) <= 0.001 ? whole : angle;
}

// The direction of (x, z) seen from the centre, measured from +Z toward +X.
double AngleOf(double cx, double cz, double x, double z) {
  return SnappedAngle(DirectionAngle(Point{cz, cx, 0}, Point{z, x, 0}));
}

// The axis-line angles the arc passes on its way from `start` to `end`, in the order it
// meets them; none at the ends themselves. Equal ends are a full circle.
std::vector<int> CutAngles(int direction, double start, double end) {
  const bool ccw = direction == 3;
  double sweep = ccw ? end - start : start - end;
  while (sweep <= 0) sweep += 360;
  while (sweep > 360) sweep -= 360;
  std::vector<int> cuts;
  for (int step = 1; step <= 4; ++step) {
    // Axis lines beyond the start in the direction of travel.
    const double from = ccw ? std::floor(start / 90) * 90 : std::ceil(start / 90) * 90;
    const double at = ccw ? from + 90 * step : from - 90 * step;
    const double travelled = ccw ? at - start : start - at;
    if (travelled >= sweep - 1e-9) break;
    if (travelled <= 1e-9) continue;
    int angle = static_cast<int>(std::lround(at)) % 360;
    if (angle < 0) angle += 360;
    cuts.push_back(angle);
  }
  return cuts;
}

// The word `letter` and its value taken out of `words`; its text, when it was there.
std::optional<std::string> TakeWord(std::string& words, char letter) {
  const size_t at = FindWord(words, letter);
  if (at == std::string::npos) return std::nullopt;
  const size_t end = RunEnd(words, at + 1, IsValueChar);
  std::string word = StripBlanks(words.substr(at, end - at));
  words.erase(at, end - at);
  return word;
}

// The block's words that are not part of the arc's geometry (sequence number, other G and M
// codes ...), which stay on the first piece.
std::string OtherWords(std::string words, const ArcLetters& letters) {
  for (const char letter : {letters.first, letters.second, letters.centre_first,
                            letters.centre_second, 'U', 'W', 'R', 'F'}) {
    while (TakeWord(words, letter)) {
    }
  }
  std::string kept;
  while (auto g = TakeWord(words, 'G')) {
    const auto code = ReadNumber(g->substr(1));
    if (!code || (*code != 2 && *code != 3)) kept += *g;
  }
  return StripBlanks(words) + kept;
}

// An arc this utility must leave whole: its values are expressions or variables, it moves
// the third axis too (a helix), it is written incrementally, or a mill arc lies in another
// plane than X-Y.
bool LeftWhole(const Workbench& bench, const std::string& words, const ArcLetters& letters) {
  const TurretState& ts = bench.interp.Turret(bench.interp.run.turret);
  const char var_prefix = bench.settings.var_prefix.empty() ? '#' : bench.settings.var_prefix[0];
  if (words.find('[') != std::string::npos || words.find(var_prefix) != std::string::npos ||
      HoldsMacroKeyword(words)) {
    return true;
  }
  if (FindWord(words, letters.across) != std::string::npos || ts.G(91)) return true;
  return IsMill(bench) && (ts.G(18) || ts.G(19));
}

// A block under G02 or G03 that moves: it holds a coordinate or a centre word of the plane.
// A block of other words (M30, a feed alone) is no arc, however the modal code stands.
bool MovesOnArc(const std::string& words, const ArcLetters& letters) {
  for (const char letter : {letters.first, letters.second, letters.centre_first,
                            letters.centre_second, 'U', 'W', 'R'}) {
    if (FindWord(words, letter) != std::string::npos) return true;
  }
  return false;
}

struct Word {
  char letter;
  double value;
};

using PieceWords = std::array<Word, 4>;

void AppendPiece(std::string& text, const PieceWords& words) {
  for (const auto& w : words) {
    text += w.letter;
    text += PlainNumberText(w.value);
  }
}

}  // namespace

int QuadrantCode(double angle) {
  const double a = SnappedAngle(angle);
  if (a == 0 || a == 360) return 0;
  if (a == 90) return 5;
  if (a == 180) return 6;
  if (a == 270) return 7;
  return static_cast<int>(std::floor(a / 90)) % 4 + 1;
}

namespace {

// The pieces of one arc block appended to `pieces`; false, and nothing appended, when the
// block stays whole.
bool BreakArcInto(Workbench& bench, const std::string& block, const PlaneArc& arc,
                  std::vector<std::string>& pieces) {
  const ArcLetters letters = LettersOf(bench);
  const double r = std::hypot(arc.i, arc.k);
  if (r == 0) {
    Warn(bench, kRadiusZero + block);
    return false;
  }
  const double cx = arc.start_x + arc.i;
  const double cz = arc.start_z + arc.k;
  const double start_gap = r - std::hypot(arc.start_x - cx, arc.start_z - cz);
  if (std::fabs(start_gap) > kArcTolerance) {
    Warn(bench, kStartOffCircle + PlainNumberText(start_gap) + " in" + "\r\n" + block);
    return false;
  }
  const double end_gap = r - std::hypot(arc.end_x - cx, arc.end_z - cz);
  if (std::fabs(end_gap) > kArcTolerance) {
    Warn(bench, kEndOffCircle + PlainNumberText(end_gap) + " in" + "\r\n" + block);
    return false;
  }
  if (LeftWhole(bench, block, letters)) return false;
  const double start = AngleOf(cx, cz, arc.start_x, arc.start_z);
  const double end = AngleOf(cx, cz, arc.end_x, arc.end_z);
  const std::vector<int> cuts = CutAngles(arc.direction, start, end);
  if (cuts.empty()) return false;

  // Pieces run from cut point to cut point; X is written as the machine reads it.
  const double x_scale = RadiusMode(bench.settings) ? 1 : 2;
  const bool mill = IsMill(bench);
  const auto piece_words = [&](double x, double z, double i, double k) {
    if (mill) {
      return PieceWords{{{'X', z}, {'Y', x}, {'I', k}, {'J', i}}};
    }
    return PieceWords{{{'X', x * x_scale}, {'Z', z}, {'I', i}, {'K', k}}};
  };
  const char* g = arc.direction == 2 ? "G02" : "G03";
  std::string words = block;
  const std::optional<std::string> feed = TakeWord(words, 'F');
  double from_x = arc.start_x;
  double from_z = arc.start_z;
  for (size_t n = 0; n <= cuts.size(); ++n) {
    double to_x = arc.end_x;
    double to_z = arc.end_z;
    if (n < cuts.size()) {
      const double radians = cuts[n] * M_PI / 180;
      to_x = cx + std::round(std::sin(radians)) * r;
      to_z = cz + std::round(std::cos(radians)) * r;
    }
    std::string text = n == 0 ? OtherWords(block, letters) : std::string();
    text += g;
    AppendPiece(text, piece_words(to_x, to_z, cx - from_x, cz - from_z));
    if (n == 0 && feed) text += *feed;
    pieces.push_back(std::move(text));
    from_x = to_x;
    from_z = to_z;
  }
  return true;
}

}  // namespace

std::string BreakOneArc(Workbench& bench, const std::string& block, const PlaneArc& arc) {
  std::vector<std::string> pieces;
  if (!BreakArcInto(bench, block, arc, pieces)) return block;
  std::string text;
  for (const std::string& piece : pieces) {
    if (!text.empty()) text += "\r\n";
    text += piece;
  }
  return text;
}

void BreakArcs(Workbench& bench, int pane, LineRange range) {
  ShowCommand(bench, kBreakArcsCommand);
  ClearPrompt(bench);
  const int turret = bench.interp.run.turret;
  TurretState& ts = bench.interp.Turret(turret);
  ts.SetG(2, false);
  ts.SetG(3, false);
  bench.stop_requested = false;
  const bool to_end = range.last >= PaneLineCount(bench, pane);
  const CommentChars chars = CommentCharsOf(bench.settings);
  const bool mill = IsMill(bench);
  const ArcLetters letters = LettersOf(bench);
  const MappedRange done =
      MapRangeLines(bench, pane, range, kBreakArcsCommand,
                    [&](const std::string& line, std::vector<std::string>& out) {
                      const auto block = PrepareBlock(line, chars);
                      if (!block || PassedOver(line, bench.settings)) {
                        out.push_back(line);
                        return;
                      }
                      ts[kRegPrevX] = ts[kRegX];
                      ts[kRegPrevY] = ts[kRegY];
                      ts[kRegPrevZ] = ts[kRegZ];
                      const bool read = ReadWords(bench, turret, block->words);
                      if (!read || (!ts.G(2) && !ts.G(3)) || bench.stop_requested ||
                          !MovesOnArc(block->words, letters)) {
                        out.push_back(line);
                        return;
                      }
                      PlaneArc arc;
                      arc.direction = ts.G(2) ? 2 : 3;
                      if (mill) {
                        arc = {arc.direction, ts[kRegPrevY], ts[kRegPrevX], ts[kRegY],
                               ts[kRegX],     ts[kRegJ],     ts[kRegI]};
                      } else {
                        arc = {arc.direction, ts[kRegPrevX], ts[kRegPrevZ], ts[kRegX],
                               ts[kRegZ],     ts[kRegI],     ts[kRegK]};
                      }
                      if (!BreakArcInto(bench, block->words, arc, out)) {
                        out.push_back(line);
                        return;
                      }
                      // The comment follows the last piece.
                      out.back() += block->comment;
                    });
  if (to_end) {
    GoToLine(bench, pane, std::min(range.first + done.processed, done.last));
  } else {
    SelectLines(bench, pane, range.first, done.last);
  }
  ClearCommand(bench);
  ClearPrompt(bench);
}

void BreakArcs(Workbench& bench) {
  const LineRange range = SelectedLinesOrToEnd(bench);
  if (range.first > 0) BreakArcs(bench, bench.active_pane, range);
}

}  // namespace vormak
