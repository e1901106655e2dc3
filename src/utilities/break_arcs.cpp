#include "utilities/break_arcs.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "cad/geometry_measure.h"
#include "interp/block_interpreter.h"
#include "interp/interp_state.h"
#include "nctext/block_words.h"
#include "nctext/status_services.h"
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

bool IsLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
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

// The axis lines an arc crosses: four at most.
struct Cuts {
  std::array<int, 4> angle{};
  size_t count = 0;
};

// The axis-line angles the arc passes on its way from `start` to `end`, in the order it
// meets them; none at the ends themselves. Equal ends are a full circle.
Cuts CutAngles(int direction, double start, double end) {
  const bool ccw = direction == 3;
  double sweep = ccw ? end - start : start - end;
  while (sweep <= 0) sweep += 360;
  while (sweep > 360) sweep -= 360;
  Cuts cuts;
  for (int step = 1; step <= 4; ++step) {
    // Axis lines beyond the start in the direction of travel.
    const double from = ccw ? std::floor(start / 90) * 90 : std::ceil(start / 90) * 90;
    const double at = ccw ? from + 90 * step : from - 90 * step;
    const double travelled = ccw ? at - start : start - at;
    if (travelled >= sweep - 1e-9) break;
    if (travelled <= 1e-9) continue;
    int angle = static_cast<int>(std::lround(at)) % 360;
    if (angle < 0) angle += 360;
    cuts.angle[cuts.count++] = angle;
  }
  return cuts;
}

// Room a walk over many arc blocks reuses from block to block.
struct ArcScratch {
  std::string kept_g;  // G words of the first piece other than G02 and G03
  std::string feed;    // the block's feed word
  bool has_feed = false;
  std::string piece;  // the piece being written
};

// Appends `word` (a letter and its value) without its blanks.
void AppendWithoutBlanks(std::string& text, std::string_view word) {
  for (const char c : word) {
    if (c != ' ') text.push_back(c);
  }
}

// Appends the block's words that are not part of the arc's geometry (sequence number, other G
// and M codes ...), which stay on the first piece, blanks removed: the block without the
// words of the plane's coordinates and centres, U, W, R and F, then its G words other than
// G02 and G03. Of each of these letters the words are taken from the first on, up to one
// that stands next to another letter (part of a macro keyword): that one and those after it
// stay where they are. Notes the block's first F word, the feed, on the way.
void AppendOtherWords(std::string& text, std::string_view words, const ArcLetters& letters,
                      ArcScratch& scratch) {
  std::array<bool, kLetterCount> taken{};
  for (const char letter : {letters.first, letters.second, letters.centre_first,
                            letters.centre_second, 'U', 'W', 'R', 'F', 'G'}) {
    taken[static_cast<size_t>(letter - 'A')] = true;
  }
  scratch.kept_g.clear();
  scratch.feed.clear();
  scratch.has_feed = false;
  const size_t size = words.size();
  for (size_t i = 0; i < size;) {
    const char c = words[i];
    if (c >= 'A' && c <= 'Z' && taken[static_cast<size_t>(c - 'A')]) {
      if ((i > 0 && IsLetter(words[i - 1])) || (i + 1 < size && IsLetter(words[i + 1]))) {
        taken[static_cast<size_t>(c - 'A')] = false;
      } else {
        size_t end = i + 1;
        while (end < size && IsValueChar(words[end])) ++end;
        const std::string_view word = words.substr(i, end - i);
        if (c == 'G') {
          const size_t mark = scratch.kept_g.size();
          AppendWithoutBlanks(scratch.kept_g, word);
          const auto code = ReadNumber(std::string_view(scratch.kept_g).substr(mark + 1));
          if (code && (*code == 2 || *code == 3)) scratch.kept_g.resize(mark);
        } else if (c == 'F' && !scratch.has_feed) {
          scratch.has_feed = true;
          AppendWithoutBlanks(scratch.feed, word);
        }
        i = end;
        continue;
      }
    }
    if (c != ' ') text.push_back(c);
    ++i;
  }
  text += scratch.kept_g;
}

// An arc this utility must leave whole: its values are expressions or variables, it moves
// the third axis too (a helix), it is written incrementally, or a mill arc lies in another
// plane than X-Y.
bool LeftWhole(const Workbench& bench, std::string_view words, const LetterWords& found,
               const ArcLetters& letters) {
  const TurretState& ts = bench.interp.Turret(bench.interp.run.turret);
  const char var_prefix = bench.settings.var_prefix.empty() ? '#' : bench.settings.var_prefix[0];
  if (words.find('[') != std::string_view::npos ||
      words.find(var_prefix) != std::string_view::npos || HoldsMacroKeyword(words)) {
    return true;
  }
  if (found.Has(letters.across) || ts.G(91)) return true;
  return IsMill(bench) && (ts.G(18) || ts.G(19));
}

// A block under G02 or G03 that moves: it holds a coordinate or a centre word of the plane.
// A block of other words (M30, a feed alone) is no arc, however the modal code stands.
bool MovesOnArc(const LetterWords& found, const ArcLetters& letters) {
  for (const char letter : {letters.first, letters.second, letters.centre_first,
                            letters.centre_second, 'U', 'W', 'R'}) {
    if (found.Has(letter)) return true;
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
    AppendPlainNumber(text, w.value);
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
bool BreakArcInto(Workbench& bench, std::string_view block, const LetterWords& found,
                  const PlaneArc& arc, std::vector<std::string>& pieces, ArcScratch& scratch) {
  const ArcLetters letters = LettersOf(bench);
  const double r = std::hypot(arc.i, arc.k);
  if (r == 0) {
    Warn(bench, std::string(kRadiusZero).append(block));
    return false;
  }
  const double cx = arc.start_x + arc.i;
  const double cz = arc.start_z + arc.k;
  const double start_gap = r - std::hypot(arc.start_x - cx, arc.start_z - cz);
  if (std::fabs(start_gap) > kArcTolerance) {
    Warn(bench, kStartOffCircle + PlainNumberText(start_gap) + " in" + "\r\n" + std::string(block));
    return false;
  }
  const double end_gap = r - std::hypot(arc.end_x - cx, arc.end_z - cz);
  if (std::fabs(end_gap) > kArcTolerance) {
    Warn(bench, kEndOffCircle + PlainNumberText(end_gap) + " in" + "\r\n" + std::string(block));
    return false;
  }
  if (LeftWhole(bench, block, found, letters)) return false;
  const double start = AngleOf(cx, cz, arc.start_x, arc.start_z);
  const double end = AngleOf(cx, cz, arc.end_x, arc.end_z);
  const Cuts cuts = CutAngles(arc.direction, start, end);
  if (cuts.count == 0) return false;

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
  double from_x = arc.start_x;
  double from_z = arc.start_z;
  std::string& text = scratch.piece;
  for (size_t n = 0; n <= cuts.count; ++n) {
    double to_x = arc.end_x;
    double to_z = arc.end_z;
    if (n < cuts.count) {
      const double radians = cuts.angle[n] * M_PI / 180;
      to_x = cx + std::round(std::sin(radians)) * r;
      to_z = cz + std::round(std::cos(radians)) * r;
    }
    text.clear();
    if (n == 0) AppendOtherWords(text, block, letters, scratch);
    text += g;
    AppendPiece(text, piece_words(to_x, to_z, cx - from_x, cz - from_z));
    if (n == 0) text += scratch.feed;
    pieces.push_back(text);
    from_x = to_x;
    from_z = to_z;
  }
  return true;
}

}  // namespace

std::string BreakOneArc(Workbench& bench, const std::string& block, const PlaneArc& arc) {
  std::vector<std::string> pieces;
  ArcScratch scratch;
  if (!BreakArcInto(bench, block, LetterWords(block), arc, pieces, scratch)) return block;
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
  PreparedBlock prepared;
  ArcScratch scratch;
  const MappedRange done =
      MapRangeLines(bench, pane, range, kBreakArcsCommand,
                    [&](const std::string& line, std::vector<std::string>& out) {
                      if (!PrepareBlockInto(line, chars, prepared) ||
                          PassedOver(line, bench.settings)) {
                        out.push_back(line);
                        return;
                      }
                      ts[kRegPrevX] = ts[kRegX];
                      ts[kRegPrevY] = ts[kRegY];
                      ts[kRegPrevZ] = ts[kRegZ];
                      const bool read = ReadWords(bench, turret, prepared.words);
                      if (!read || (!ts.G(2) && !ts.G(3)) || bench.stop_requested) {
                        out.push_back(line);
                        return;
                      }
                      const LetterWords found(prepared.words);
                      if (!MovesOnArc(found, letters)) {
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
                      if (!BreakArcInto(bench, prepared.words, found, arc, out, scratch)) {
                        out.push_back(line);
                        return;
                      }
                      // The comment follows the last piece.
                      out.back() += prepared.comment;
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
