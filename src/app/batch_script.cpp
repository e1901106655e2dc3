// vormak-batch script: a script file run over a program as the script window's Run button
// runs it, with the program in pane 1 and the script in pane 3.
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/batch_commands.h"
#include "app/batch_nc_file.h"
#include "interp/run_driver.h"
#include "nctext/text_functions.h"
#include "script/script_args.h"
#include "script/script_files.h"
#include "script/script_interpreter.h"
#include "settings/number_text.h"

namespace vormak::batch {

namespace {

constexpr const char* kUsage =
    "script SCRIPT FILE [--machine M] [--caret LINE] [--select A-B] [--vars OUT] [--cancel] "
    "[--max-steps N] [-o OUT]";

bool ReadCount(const std::string& text, long long& n) {
  const auto value = ReadNumber(text);
  if (!value || *value < 0 || *value != static_cast<double>(static_cast<long long>(*value))) {
    return BadValue("number", text);
  }
  n = static_cast<long long>(*value);
  return true;
}

bool WriteVariables(const Workbench& bench, const std::string& path) {
  FILE* file = path == "-" ? stdout : std::fopen(path.c_str(), "w");
  if (!file) {
    std::fprintf(stderr, "vormak-batch: cannot write '%s'\n", path.c_str());
    return false;
  }
  for (int n = 1; n < kScriptVariableLimit; ++n) {
    const double v = GetScriptVariable(bench, n);
    if (v != 0) std::fprintf(file, "#%d=%.17g\n", n, v);
  }
  return file == stdout || std::fclose(file) == 0;
}

// A fault the interpreter showed only on the prompt panel is said on stderr too.
bool FaultOnlyOnPrompt(const std::string& fault) {
  return fault.rfind(kBadJump, 0) != 0 && fault != kMaxChainLevels;
}

}  // namespace

int RunScriptCommand(const Args& args) {
  if (args.empty() || args.front().empty() || args.front()[0] == '-') return UsageError(kUsage);
  const std::string script = args.front();
  const Args rest(args.begin() + 1, args.end());
  const NcOptionNames names{{"--caret", "--select", "--vars", "--max-steps"}, {"--cancel"}};
  const auto options = ParseNcFileOptions(rest, names, kUsage);
  if (!options) return 2;
  // An endless script is cut off where plot cuts off an endless program.
  long long caret = 1, max_steps = 100'000'000;
  if (options->Has("--caret") && !ReadCount(options->Value("--caret"), caret))
    return UsageError(kUsage);
  if (options->Has("--max-steps") && !ReadCount(options->Value("--max-steps"), max_steps)) {
    return UsageError(kUsage);
  }
  long long first = 0, last = 0;
  if (options->Has("--select")) {
    const std::string range = options->Value("--select");
    const size_t dash = range.find('-');
    if (dash == std::string::npos || !ReadCount(range.substr(0, dash), first) ||
        !ReadCount(range.substr(dash + 1), last) || first < 1 || last < first) {
      BadValue("line range", range);
      return UsageError(kUsage);
    }
  }
  NcFileSession session;
  if (!session.Open(*options)) return 1;
  Workbench& bench = session.bench();
  session.host().AnswerWarningsCancel(options->Has("--cancel"));
  InstallRunDriver(bench);
  ResetProgram(bench);
  bench.active_pane = 1;
  GoToLine(bench, 1, static_cast<int>(caret));
  if (first > 0) SelectLines(bench, 1, static_cast<int>(first), static_cast<int>(last));

  if (bench.settings.script_path.empty()) {
    bench.settings.script_path = std::filesystem::path(script).parent_path().string();
  }
  ScriptState& s = bench.script;
  bench.stop_requested = false;
  if (!LoadScriptFile(bench, script)) {
    std::fprintf(stderr, "%s\n", s.fault.c_str());
    return 1;
  }
  s.chain_files[0] = script;
  s.max_steps = max_steps;
  s.running = true;
  RunScript(bench);
  s.running = false;
  if (!s.fault.empty() && FaultOnlyOnPrompt(s.fault)) std::fprintf(stderr, "%s\n", s.fault.c_str());

  bool written = session.Write(*options);
  if (options->Has("--vars")) written = WriteVariables(bench, options->Value("--vars")) && written;
  if (!written) return 1;
  return s.fault.empty() ? 0 : 1;
}

}  // namespace vormak::batch
