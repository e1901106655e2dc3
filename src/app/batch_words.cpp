// vormak-batch eval, format, plain, read and word: the number and word services of NC text,
// one result a line, numbers written with "%.17g".
#include <cstdio>
#include <optional>
#include <string>

#include "app/batch_commands.h"
#include "app/batch_host.h"
#include "nctext/block_words.h"
#include "nctext/expression.h"
#include "settings/number_text.h"
#include "settings/word_format.h"
#include "workbench/machine_file.h"
#include "workbench/workbench.h"

namespace vormak::batch {

namespace {

constexpr const char* kEvalUsage = "eval EXPR...";
constexpr const char* kFormatUsage = "format [--machine F] LETTER VALUE...";
constexpr const char* kPlainUsage = "plain VALUE...";
constexpr const char* kReadUsage = "read [--machine F] LETTER TEXT...";
constexpr const char* kWordUsage = "word [--machine F] [--implied] [--cancel] ADDRESS BLOCK";

// Answers every warning with Cancel, as a user stopping the command would.
class CancellingHost : public ConsoleHost {
 public:
  Answer Warning(const std::string& text, const std::string& caption) override {
    ConsoleHost::Warning(text, caption);
    return Answer::kCancel;
  }
};

struct WordOptions {
  std::string machine_file;
  bool implied = false;
  bool cancel = false;
  Args rest;
};

// Options may stand anywhere before or between the operands; a negative number is an operand.
std::optional<WordOptions> ParseOptions(const Args& args, bool allow_implied) {
  WordOptions options;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--machine" && i + 1 < args.size()) {
      options.machine_file = args[++i];
    } else if (args[i] == "--cancel") {
      options.cancel = true;
    } else if (allow_implied && args[i] == "--implied") {
      options.implied = true;
    } else if (args[i].rfind("--", 0) == 0 && args[i].size() > 2 && !ReadNumber(args[i])) {
      std::fprintf(stderr, "vormak-batch: unknown option '%s'\n", args[i].c_str());
      return std::nullopt;
    } else {
      options.rest.push_back(args[i]);
    }
  }
  return options;
}

// The workbench with the machine file's settings and format set 1 (defaults without one).
bool LoadMachine(Workbench& bench, const std::string& machine_file) {
  if (!machine_file.empty()) {
    bench.locations = FindLocations("");
    bench.machines.Slot(1).path = machine_file;
    if (!LoadMachineSettings(bench, 1)) return false;  // the message is on stderr
  }
  FillFormatSet1(bench.word_formats, bench.settings);
  return true;
}

void PrintNumber(double value) {
  std::printf("%.17g\n", value);
}

int Usage(const char* usage) {
  std::fprintf(stderr, "usage: vormak-batch %s\n", usage);
  return 2;
}

std::optional<char> LetterOperand(const std::string& text, bool must_be_letter) {
  if (text.size() != 1 || (must_be_letter && !IsAddressLetter(text[0]))) return std::nullopt;
  return text[0];
}

}  // namespace

int RunEval(const Args& args) {
  if (args.empty()) return Usage(kEvalUsage);
  for (const auto& text : args) {
    const EvalResult r = Evaluate(text);
    if (r.failed()) {
      std::printf("failed\n");
    } else {
      PrintNumber(r.value);
    }
  }
  return 0;
}

int RunPlain(const Args& args) {
  if (args.empty()) return Usage(kPlainUsage);
  for (const auto& text : args) {
    const auto value = ReadNumber(text);
    if (!value) {
      std::fprintf(stderr, "vormak-batch: not a number: '%s'\n", text.c_str());
      return 2;
    }
    std::printf("%s\n", PlainNumberText(*value).c_str());
  }
  return 0;
}

int RunFormat(const Args& args) {
  const auto options = ParseOptions(args, false);
  if (!options || options->rest.size() < 2) return Usage(kFormatUsage);
  const auto letter = LetterOperand(options->rest[0], false);
  if (!letter) return Usage(kFormatUsage);
  ConsoleHost host;
  Workbench bench(host);
  if (!LoadMachine(bench, options->machine_file)) return 1;
  for (size_t i = 1; i < options->rest.size(); ++i) {
    const auto value = ReadNumber(options->rest[i]);
    if (!value) {
      std::fprintf(stderr, "vormak-batch: not a number: '%s'\n", options->rest[i].c_str());
      return 2;
    }
    std::printf("%s\n", FormatAddressValue(bench.word_formats, *letter, 1, *value).c_str());
  }
  return 0;
}

int RunRead(const Args& args) {
  const auto options = ParseOptions(args, false);
  if (!options || options->rest.size() < 2) return Usage(kReadUsage);
  const auto letter = LetterOperand(options->rest[0], true);
  if (!letter) return Usage(kReadUsage);
  ConsoleHost host;
  Workbench bench(host);
  if (!LoadMachine(bench, options->machine_file)) return 1;
  for (size_t i = 1; i < options->rest.size(); ++i) {
    PrintNumber(ReadAddressValue(bench.word_formats, *letter, options->rest[i], 1));
  }
  return 0;
}

int RunWord(const Args& args) {
  const auto options = ParseOptions(args, true);
  if (!options || options->rest.size() != 2 || options->rest[0].empty()) return Usage(kWordUsage);
  ConsoleHost console;
  CancellingHost cancelling;
  Workbench bench(options->cancel ? static_cast<Host&>(cancelling) : console);
  if (!LoadMachine(bench, options->machine_file)) return 1;
  PrintNumber(AddressValue(bench, options->rest[0], options->rest[1], options->implied));
  return 0;
}

}  // namespace vormak::batch
