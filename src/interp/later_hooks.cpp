#include "interp/later_hooks.h"

#include "interp/interp_state.h"
#include "interp/machining_time.h"
#include "interp/macro_out.h"
#include "interp/word_reader.h"
#include "nctext/block_words.h"
#include "workbench/workbench.h"

namespace vormak {

void WriteMacroOutComment(Workbench& bench, std::string_view text, bool as_comment) {
  if (!MacroOutOpen(bench)) return;
  if (!as_comment) {
    WriteMacroOutLine(bench, text);
    return;
  }
  const CommentChars chars = CommentCharsOf(bench.settings);
  std::string line(1, chars.begin);
  line += text;
  if (chars.end != 0) line += chars.end;
  WriteMacroOutLine(bench, line);
}
void AddMinutes(Workbench& bench, double minutes) {
  AddBlockMinutes(bench, minutes);
}
void AddDwell(Workbench& bench, std::string_view after_g) {
  if (!bench.interp.time.accounting) return;
  const double minutes = FindWordLetter(after_g, 'X') != std::string_view::npos
                             ? LetterValue(bench, 'X', after_g, false) / 60
                             : LetterValue(bench, 'P', after_g, false) / 1000 / 60;
  AddBlockMinutes(bench, minutes);
}

}  // namespace vormak
