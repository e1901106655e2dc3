#include "utilities/rotate_nc.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "interp/block_interpreter.h"
#include "interp/interp_state.h"
#include "nctext/block_words.h"
#include "nctext/edit_control.h"
#include "nctext/status_services.h"
#include "settings/word_format.h"
#include "utilities/block_edit.h"
#include "utilities/range_rewrite.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

bool IsNumberChar(char c) {
  return (c >= '0' && c <= '9') || c == '-' || c == '.';
}

// The letters of the plane the axis turns: coordinates, centre words and the centre of
// rotation.
struct RotationPlane {
  char p, q, centre_p, centre_q;
  TurretRegister reg_p, reg_q, reg_centre_p, reg_centre_q;
  double p0, q0;
};

RotationPlane PlaneOf(const RotateRequest& r) {
  switch (r.axis) {
    case 'X':
      return {'Y', 'Z', 'J', 'K', kRegY, kRegZ, kRegJ, kRegK, r.y0, r.z0};
    case 'Y':
      return {'X', 'Z', 'I', 'K', kRegX, kRegZ, kRegI, kRegK, r.x0, r.z0};
    default:
      return {'X', 'Y', 'I', 'J', kRegX, kRegY, kRegI, kRegJ, r.x0, r.y0};
  }
}

// Where the value of the word at `at` ends; blanks that part it from the next word stay.
size_t ValueEnd(std::string_view words, size_t at) {
  size_t end = RunEnd(words, at + 1, [](char c) { return IsNumberChar(c) || c == ' '; });
  while (end > at + 1 && words[end - 1] == ' ') --end;
  return end;
}

// The word `letter` gets `value`: its value text replaced, or the word added at the end. The
// block is never cut, however long it grows.
void PutWord(const Workbench& bench, std::string& words, char letter, double value) {
  const std::string text = FormatAddressValue(bench.word_formats, letter, 1, value);
  const size_t at = FindWord(words, letter);
  if (at == std::string::npos) {
    if (words.find(' ') != std::string::npos && !words.empty() && words.back() != ' ') {
      words += ' ';
    }
    words += letter;
    words += text;
    return;
  }
  words.replace(at + 1, ValueEnd(words, at) - at - 1, text);
}

// A word of the plane whose value is an expression or a variable: the block is left whole.
bool HoldsFormula(const Workbench& bench, std::string_view words, const LetterWords& found,
                  const RotationPlane& plane) {
  const char var_prefix = bench.settings.var_prefix.empty() ? '#' : bench.settings.var_prefix[0];
  for (const char letter : {plane.p, plane.q, plane.centre_p, plane.centre_q}) {
    const size_t at = found.Find(letter);
    if (at == std::string::npos) continue;
    const size_t end = RunEnd(words, at + 1, [](char c) { return IsNumberChar(c) || c == ' '; });
    if (!IsPlainValue(words, at + 1, end, var_prefix)) return true;
  }
  return HoldsMacroKeyword(words);
}

}  // namespace

void RotatePair(double& p, double& q, double angle, double p0, double q0) {
  if (angle == 0) return;
  const double distance = std::hypot(p - p0, q - q0);
  const double radians = std::atan2(q - q0, p - p0) + angle * M_PI / 180;
  // What is left of a whole turn's rounding is no distance at all: 0, never "-0.".
  const auto clean = [](double v) { return std::fabs(v) < 1e-9 ? 0.0 : v; };
  p = clean(p0 + distance * std::cos(radians));
  q = clean(q0 + distance * std::sin(radians));
}

void RotateRange(Workbench& bench, int pane, LineRange range, const RotateRequest& request) {
  const int turret = bench.interp.run.turret;
  TurretState& ts = bench.interp.Turret(turret);
  for (const TurretRegister r : {kRegX, kRegY, kRegZ, kRegI, kRegJ, kRegK}) ts[r] = 0;
  bench.stop_requested = false;
  const CommentChars chars = CommentCharsOf(bench.settings);
  const RotationPlane plane = PlaneOf(request);
  PreparedBlock block;
  const MappedRange done = MapRangeLines(
      bench, pane, range, kRotateNcPrompt,
      [&](const std::string& line, std::vector<std::string>& out) {
        if (!PrepareBlockInto(line, chars, block)) {
          out.push_back(line);
          return;
        }
        std::string& words = block.words;
        const LetterWords found(words);  // until the words are rewritten below
        if (HoldsFormula(bench, words, found, plane)) {
          out.push_back(line);
          return;
        }
        if (words.find('G') != std::string::npos) ApplyGWords(bench, turret, words);
        // The record keeps the program's own (unturned) values, so a word missing from a
        // block stands for the point as the program meant it.
        const bool incremental = ts.G(91);
        for (const char letter : {'X', 'Y', 'Z', 'I', 'J', 'K'}) {
          const auto reg = static_cast<TurretRegister>(letter <= 'K' ? kRegI + (letter - 'I')
                                                                     : kRegX + (letter - 'X'));
          if (found.Has(letter)) {
            ts[reg] = AddressValue(bench, std::string_view(&letter, 1), words, true);
          } else if (incremental && letter >= 'X') {
            ts[reg] = 0;
          }
        }
        const bool in_plane = found.Has(plane.p) || found.Has(plane.q) ||
                              found.Has(plane.centre_p) || found.Has(plane.centre_q);
        const bool line_move = ts.G(0) || ts.G(1);
        const bool arc_move = ts.G(2) || ts.G(3);
        if (!in_plane || (!line_move && !arc_move)) {
          out.push_back(line);
          return;
        }
        // An incremental move turns about its own start, as the centre offsets always do.
        double p = ts[plane.reg_p];
        double q = ts[plane.reg_q];
        RotatePair(p, q, request.angle, incremental ? 0 : plane.p0, incremental ? 0 : plane.q0);
        PutWord(bench, words, plane.p, p);
        PutWord(bench, words, plane.q, q);
        // A radius arc (R word) turns with its ends alone.
        if (arc_move && FindWord(words, 'R') == std::string::npos) {
          double cp = ts[plane.reg_centre_p];
          double cq = ts[plane.reg_centre_q];
          RotatePair(cp, cq, request.angle, 0, 0);
          PutWord(bench, words, plane.centre_p, cp);
          PutWord(bench, words, plane.centre_q, cq);
        }
        std::string& text = out.emplace_back();
        text.reserve(words.size() + block.comment.size());
        text += words;
        text += block.comment;
      });
  SelectLines(bench, pane, range.first, range.first + std::max(done.processed, 1) - 1);
}

LineRange RotateCopies(Workbench& bench, int pane, LineRange range, const RotateRequest& request,
                       int copies, bool leave_original) {
  ShowPrompt(bench, kRotateNcPrompt);
  range.last = std::min(range.last, PaneLineCount(bench, pane));
  EditControl* control = bench.Pane(pane);
  if (control == nullptr) return range;
  // Every copy and turn of the command undoes as one step.
  control->BeginUndoGroup();
  if (copies <= 0) {
    RotateRange(bench, pane, range, request);
  } else {
    const int count = range.last - range.first + 1;
    for (int pass = 0; pass < copies && !bench.stop_requested; ++pass) {
      if (leave_original || pass > 0) {
        // The lines once more, directly below themselves; the copy is what turns.
        const std::vector<std::string> once = RangeLines(bench, pane, range);
        std::vector<std::string> lines = once;
        lines.insert(lines.end(), once.begin(), once.end());
        PutRangeLines(bench, pane, range, std::move(lines));
        range = {range.last + 1, range.last + count};
      }
      RotateRange(bench, pane, range, request);
    }
  }
  control->EndUndoGroup();
  ClearPrompt(bench);
  return range;
}

}  // namespace vormak
