#include "utilities/reformat.h"

#include <algorithm>
#include <vector>

#include "interp/interp_state.h"
#include "nctext/block_words.h"
#include "nctext/status_services.h"
#include "settings/ini_file.h"
#include "settings/machine_keys.h"
#include "settings/word_format.h"
#include "utilities/block_edit.h"
#include "utilities/range_rewrite.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

bool IsValueChar(char c) {
  return (c >= '0' && c <= '9') || c == '-' || c == '.';
}

// Only a lathe may write X as a diameter.
bool Radius(const MachineSettings& s) {
  return s.system_type != SystemType::kLathe || s.x_radius;
}

// What a reformat run carries from block to block.
struct ReformatRun {
  const Workbench& bench;
  const MachineSettings& target;
  bool to_absolute = false;  // incremental centres become absolute
  bool to_incremental = false;
  bool lathe = false;
  double current_x_scale = 1;  // 2 when the current machine writes X as a diameter
  double target_x_scale = 1;
  TurretState& record;  // the modal X, Y, Z: the centres' reference
  char var_prefix = '#';
};

// The value a word of letter `letter` gets for the target machine.
double Converted(ReformatRun& run, char letter, double value) {
  TurretState& r = run.record;
  const bool converting = run.to_absolute || run.to_incremental;
  if (converting) {
    r[kRegPrevX] = r[kRegX];
    r[kRegPrevY] = r[kRegY];
    r[kRegPrevZ] = r[kRegZ];
  }
  switch (letter) {
    case 'X':
      r[kRegX] = value;
      break;
    case 'Y':
      r[kRegY] = value;
      break;
    case 'Z':
      r[kRegZ] = value;
      break;
    default:
      break;
  }
  if (converting) {
    // Incremental centres are radii; an absolute centre is written as the axis is.
    if (letter == 'I') {
      const double start = r[kRegPrevX] / run.current_x_scale;
      value = run.to_absolute ? (start + value) * run.target_x_scale
                              : value / run.current_x_scale - start;
    } else if (letter == 'J') {
      value = run.to_absolute ? r[kRegPrevY] + value : value - r[kRegPrevY];
    } else if (letter == 'K' && run.lathe) {
      value = run.to_absolute ? r[kRegPrevZ] + value : value - r[kRegPrevZ];
    }
  }
  if (run.lathe && (letter == 'X' || letter == 'U')) {
    value = value / run.current_x_scale * run.target_x_scale;
  }
  return value;
}

// A code (G, M), program or sequence number, offset, call, tool or speed number written
// without a point is a whole number, whatever decimals the format table gives the letter:
// O0030 is program 30, never .003, and G01 never becomes G0. Such a word is kept as written
// unless the letter's format is a whole number too.
bool WholeNumberKept(const Workbench& bench, char letter, const std::string& text) {
  if (std::string("DGHLMNOPST").find(letter) == std::string::npos) return false;
  if (text.find('.') != std::string::npos) return false;
  return bench.word_formats.Get(1, letter).decimal_digits > 0;
}

// The first word of `letter` rewritten for the target; a word whose value is no plain number
// (an expression, a variable, a blank before it) stays as written.
void ReformatLetter(ReformatRun& run, std::string& words, char letter) {
  const size_t at = FindWord(words, letter);
  if (at == std::string::npos) return;
  const size_t end = std::min(RunEnd(words, at + 1, IsValueChar), at + 31);
  if (!IsPlainValue(words, at + 1, end, run.var_prefix)) return;
  const std::string text = words.substr(at + 1, end - at - 1);
  if (WholeNumberKept(run.bench, letter, text)) return;
  const double read = ReadAddressValue(run.bench.word_formats, letter, text, 1);
  const double value = Converted(run, letter, read);
  words.replace(at + 1, end - at - 1, FormatAddressValue(run.bench.word_formats, letter, 2, value));
}

}  // namespace

std::optional<MachineSettings> ReadTargetMachine(const Workbench& bench, const std::string& path) {
  IniFile file;
  if (path.empty() || !(file.Load(path) || file.Load(path))) return std::nullopt;
  return ReadMachineSettings(file, bench.locations.install_dir);
}

void ReformatRange(Workbench& bench, int pane, LineRange range, const MachineSettings& target) {
  FillFormatSet(bench.word_formats, 2, target.letter_formats);
  TurretState& record = bench.interp.Turret(bench.interp.run.turret);
  for (const TurretRegister r : {kRegX, kRegY, kRegZ}) record[r] = 0;
  const MachineSettings& current = bench.settings;
  ReformatRun run{bench, target, false, false, current.system_type == SystemType::kLathe,
                  1,     1,      record};
  run.to_absolute = current.arc_type == 1 && target.arc_type == 2;
  run.to_incremental = current.arc_type == 2 && target.arc_type == 1;
  run.current_x_scale = Radius(current) ? 1 : 2;
  run.target_x_scale = Radius(target) ? 1 : 2;
  run.var_prefix = current.var_prefix.empty() ? '#' : current.var_prefix.front();
  bench.stop_requested = false;
  const CommentChars chars = CommentCharsOf(current);
  int stopped_at = 0;
  int n = range.first - 1;
  const MappedRange done = MapRangeLines(
      bench, pane, range, kReformatCaption,
      [&](const std::string& line, std::vector<std::string>& out) {
        ++n;
        const auto block = PrepareBlock(line, chars);
        // Macro statements (IF, GOTO, DPRNT ...) are no row of words to reformat.
        if (!block || HoldsMacroKeyword(block->words)) {
          out.push_back(line);
          return;
        }
        if (block->words.find('O', 1) != std::string::npos && block->words != "POPEN") {
          bench.host().Beep();
          bench.host().Information(kReformatLetterONotAllowed, kReformatCaption);
          bench.stop_requested = true;
          stopped_at = n;
          out.push_back(line);
          return;
        }
        std::string words = block->words;
        for (char letter = 'A'; letter <= 'Z'; ++letter) ReformatLetter(run, words, letter);
        out.push_back(words.empty() || words == " " ? line : words + block->comment);
      });
  if (stopped_at > 0) {
    GoToLine(bench, pane, stopped_at + 1);
  } else {
    SelectLines(bench, pane, range.first, done.last);
  }
  ClearPrompt(bench);
}

void ReformatRange(Workbench& bench, int pane, int target) {
  if (target < 1 || target > kMachineSlots) return;
  const std::string& path = bench.machines.Slot(target).path;
  const auto settings = ReadTargetMachine(bench, path);
  if (!settings) {
    bench.host().Information("Cannot open " + path, kReformatCaption);
    return;
  }
  ReformatRange(bench, pane, SelectedLineRange(bench, pane), *settings);
}

}  // namespace vormak
