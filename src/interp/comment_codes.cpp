#include "interp/comment_codes.h"

#include <array>
#include <cmath>
#include <string>

#include "cad/drawing_files.h"
#include "cad/geometry_errors.h"
#include "interp/block_interpreter.h"
#include "interp/later_hooks.h"
#include "interp/macro_statements.h"
#include "interp/macro_variables.h"
#include "interp/program_flow.h"
#include "interp/word_reader.h"
#include "nctext/block_words.h"
#include "nctext/expression.h"
#include "nctext/text_functions.h"
#include "plot/plot_window.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr int kFileNotFound = 2;  // "FILE NOT FOUND" of the file error table

struct CodeName {
  std::string_view keyword;  // with its trailing blank
  CommentCode code;
};

constexpr std::array<CodeName, 23> kCodes{{
    {"TL ", CommentCode::kTL},   {"TM ", CommentCode::kTM},   {"TOF ", CommentCode::kTOF},
    {"TIB ", CommentCode::kTIB}, {"TIE ", CommentCode::kTIE}, {"TW ", CommentCode::kTW},
    {"TC ", CommentCode::kTC},   {"TSP ", CommentCode::kTSP}, {"TBT ", CommentCode::kTBT},
    {"TBF ", CommentCode::kTBF}, {"TXT ", CommentCode::kTXT}, {"APT ", CommentCode::kAPT},
    {"TRT ", CommentCode::kTRT}, {"TRO ", CommentCode::kTRO}, {"TTM ", CommentCode::kTTM},
    {"TOR ", CommentCode::kTOR}, {"TSW ", CommentCode::kTSW}, {"TG ", CommentCode::kTG},
    {"CDL ", CommentCode::kCDL}, {"TMC ", CommentCode::kTMC}, {"TMO ", CommentCode::kTMO},
    {"TPT ", CommentCode::kTPT}, {"TS ", CommentCode::kTS},
}};

bool CodeAt(std::string_view line, size_t at, std::string_view keyword) {
  return line.substr(at + 1, keyword.size()) == keyword;
}

// The text from `from` up to the end-comment character (to the end when there is none).
std::string_view UpToCommentEnd(const Workbench& bench, std::string_view line, size_t from) {
  const std::string_view rest = line.substr(std::min(from, line.size()));
  const char end = CommentCharsOf(bench.settings).end;
  return end == 0 ? rest : rest.substr(0, rest.find(end));
}

std::string WithVariables(const Workbench& bench, std::string_view text) {
  return SubstituteVariables(bench.macro_variables, VariablePrefix(bench), text);
}

std::string_view WithoutLastChar(std::string_view text) {
  return text.empty() ? text : text.substr(0, text.size() - 1);
}

// "TOF ": the X, Y, Z, I, J, K words present shift the program.
void ShiftStatement(Workbench& bench, std::string_view words_text) {
  const std::string text = WithVariables(bench, words_text);
  const WordReader words(text);
  MachineState& ms = bench.interp.machine;
  const std::array<std::pair<char, double*>, 6> targets{{{'X', &ms.program_shift.x},
                                                         {'Y', &ms.program_shift.y},
                                                         {'Z', &ms.program_shift.z},
                                                         {'I', &ms.program_shift_ijk.x},
                                                         {'J', &ms.program_shift_ijk.y},
                                                         {'K', &ms.program_shift_ijk.z}}};
  for (const auto& [letter, target] : targets) {
    if (words.Has(letter)) *target = words.Value(bench, letter, false);
  }
}

// "TSW ": blanks out, then the 5th and 7th characters name the two axes exchanged.
void AxisSwapStatement(Workbench& bench, std::string_view line) {
  const std::string text = StripBlanks(line);
  MachineState& ms = bench.interp.machine;
  const auto is_axis = [](char c) { return c == 'X' || c == 'Y' || c == 'Z'; };
  ms.axis_swap = text.size() > 6 && is_axis(text[4]) && is_axis(text[6]);
  if (ms.axis_swap) {
    ms.swap_a = text[4];
    ms.swap_b = text[6];
  }
}

// "TG ": the X, Y, Z of the first of G54..G57 the line names.
void WorkOffsetStatement(Workbench& bench, std::string_view words_text) {
  for (int g = 54; g <= 57; ++g) {
    if (words_text.find("G" + std::to_string(g)) == std::string_view::npos) continue;
    const WordReader words(words_text);
    Xyz& entry = bench.interp.machine.work_offsets[static_cast<size_t>(g - 54)];
    entry.x = words.Value(bench, 'X', false);
    entry.y = words.Value(bench, 'Y', false);
    entry.z = words.Value(bench, 'Z', false);
    return;
  }
}

// "TXT ": the named file's lines run one by one.
void IncludeStatement(Workbench& bench, std::string_view after_keyword) {
  if (!bench.settings.use[kUseSubprograms]) return;
  std::string name = StripBlanks(UpToCommentEnd(bench, after_keyword, 0));
  if (name.empty()) return;
  if (name.find('.') == std::string::npos) name += ".nc";
  bench.interp.Current().SetG(65, false);
  if (!RunFile(bench, SubprogramPath(bench, name))) ReportFileError(bench.host(), kFileNotFound);
}

void MacroOutStatement(Workbench& bench, std::string_view after_keyword, bool as_comment) {
  std::string text = WithVariables(bench, WithoutLastChar(after_keyword));
  std::erase(text, '[');
  std::erase(text, ']');
  WriteMacroOutComment(bench, text, as_comment);
}

}  // namespace

FoundCode FindCommentCode(std::string_view line, char comment_char) {
  for (const CodeName& name : kCodes) {
    for (size_t at = line.find(comment_char); at != std::string_view::npos;
         at = line.find(comment_char, at + 1)) {
      if (CodeAt(line, at, name.keyword)) return {name.code, at + 1 + name.keyword.size()};
    }
  }
  return {};
}

char RotationCodeOf(std::string_view line, char comment_char) {
  for (size_t at = line.find(comment_char); at != std::string_view::npos;
       at = line.find(comment_char, at + 1)) {
    for (const std::string_view keyword : {"TRZ ", "TRY ", "TRX ", "TRD "}) {
      if (CodeAt(line, at, keyword)) return keyword[2];
    }
  }
  return 0;
}

void RunCommentCode(Workbench& bench, const FoundCode& found, std::string_view line) {
  MachineState& ms = bench.interp.machine;
  // The text after the keyword's letters (the blank that ends the keyword is kept).
  const std::string_view after = line.substr(std::min(found.after - 1, line.size()));
  switch (found.code) {
    case CommentCode::kNone:
      return;
    case CommentCode::kTL:
      LoadToolFromComment(bench, after);
      if (bench.settings.use[kUseStopTlTm]) bench.stop_requested = true;
      return;
    case CommentCode::kTM:
      DefineToolFromComment(bench, after);
      if (bench.settings.use[kUseStopTlTm]) bench.stop_requested = true;
      return;
    case CommentCode::kTOF:
      ShiftStatement(bench, after);
      return;
    case CommentCode::kTIB:
    case CommentCode::kTIE:
      ms.ignore_block = found.code == CommentCode::kTIB;
      return;
    case CommentCode::kTRT:
    case CommentCode::kTRO:
      ms.trt_flag = found.code == CommentCode::kTRT;
      return;
    case CommentCode::kTW:
      PlotHeightStatement(bench, LetterValue(bench, 'W', after, false));
      Redraw(bench);
      return;
    case CommentCode::kTC: {
      const WordReader words(after);
      std::optional<double> x, z;
      if (words.Has('X')) x = words.Value(bench, 'X', false);
      if (words.Has('Z')) z = words.Value(bench, 'Z', false);
      PlotCentreStatement(bench, x, z);
      return;
    }
    case CommentCode::kTSP: {
      const double p = LetterValue(bench, 'P', after, false);
      SetAnimationSpeed(bench, p >= 1 && p <= 100 ? static_cast<int>(p) : 50);
      return;
    }
    case CommentCode::kTBT:
    case CommentCode::kTBF:
      bench.settings.use.Set(kUseBlockSkip, found.code == CommentCode::kTBF);
      return;
    case CommentCode::kTXT:
      IncludeStatement(bench, after);
      return;
    case CommentCode::kAPT:
      WriteAptComment(bench, WithoutLastChar(after));
      return;
    case CommentCode::kTTM:
      if (line.find('M') != std::string_view::npos) {
        AddMinutes(bench, LetterValue(bench, 'M', after, false));
      }
      return;
    case CommentCode::kTOR:
      ToolRadiusFromComment(bench, after);
      return;
    case CommentCode::kTSW:
      AxisSwapStatement(bench, line);
      return;
    case CommentCode::kTG:
      WorkOffsetStatement(bench, after);
      return;
    case CommentCode::kCDL:
      LoadDrawingFromComment(bench, after);
      return;
    case CommentCode::kTMC:
    case CommentCode::kTMO:
      MacroOutStatement(bench, line.substr(std::min(found.after, line.size())),
                        found.code == CommentCode::kTMC);
      return;
    case CommentCode::kTPT:
      return;
    case CommentCode::kTS: {
      const std::string block = WithVariables(bench, UpToCommentEnd(bench, after, 0));
      InterpretBlock(bench, bench.interp.run.turret, block);
      return;
    }
  }
}

void RotationLine(Workbench& bench, std::string_view line, char axis) {
  std::string text = WithVariables(bench, line);
  // The angle is read from the keyword on ("TRZ 90" is Z90), so words before it do not count.
  const size_t keyword = text.find(std::string("TR") + axis);
  if (keyword != std::string::npos) text.erase(0, keyword + 2);
  const size_t comma1 = text.find(',');
  const size_t comma2 = comma1 == std::string::npos ? comma1 : text.find(',', comma1 + 1);
  const std::string_view view(text);
  const std::string_view head = view.substr(0, comma1);
  std::string_view c1, c2;
  if (comma1 != std::string::npos) {
    c1 = view.substr(comma1 + 1,
                     comma2 == std::string::npos ? std::string::npos : comma2 - comma1 - 1);
  }
  if (comma2 != std::string::npos) c2 = WithoutLastChar(view.substr(comma2 + 1));
  AxisRotation& rotation = bench.interp.machine.rotation[static_cast<size_t>(axis - 'X')];
  rotation.angle = LetterValue(bench, axis, head, false);
  const auto value = [](std::string_view text) {
    std::string t(text);
    for (char& c : t) c = c == '[' ? '(' : c == ']' ? ')' : c;
    return EvaluateText(t).value;
  };
  rotation.c1 = value(c1);
  rotation.c2 = value(c2);
}

void G10Line(Workbench& bench, std::string_view line) {
  const std::string text = WithVariables(bench, line);
  const WordReader words(text);
  if (words.Value(bench, 'L', false) != 2) return;
  const double p = std::round(words.Value(bench, 'P', false));
  if (!(p >= 1 && p <= 6)) return;
  Xyz& entry = bench.interp.machine.work_offsets[static_cast<size_t>(p - 1)];
  if (words.Has('X')) entry.x = words.Value(bench, 'X', false);
  if (words.Has('Y')) entry.y = words.Value(bench, 'Y', false);
  if (words.Has('Z')) entry.z = words.Value(bench, 'Z', false);
}

}  // namespace vormak
