// vormak-batch twin: a two-turret program loaded as the window loads it (split into the turret
// panes and lined up), the panes written as CSV "line,a,b", and the program joined again.
//
//   twin FILE [--machine M] [--panes CSV] [--lineup-only] [--cancel] [-o OUT]
//
// The CSV goes to CSV ("-" or none: standard output). The joined program is saved to OUT
// ("-": standard output after the CSV); without -o only the save's checks run. Messages go to
// standard error; warnings are answered OK, or Cancel with --cancel. Exit 1 when the file
// cannot be read or the save is refused.
#include <algorithm>
#include <cstdio>
#include <string>

#include "app/batch_commands.h"
#include "app/batch_nc_file.h"
#include "ncfiles/twin_turret.h"
#include "nctext/text_file_io.h"
#include "workbench/workbench.h"

namespace vormak::batch {

namespace {

constexpr const char* kTwinUsage =
    "twin FILE [--machine M] [--panes CSV] [--lineup-only] [--cancel] [-o OUT]";

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string PanesCsv(const TwinPanes& panes) {
  std::string csv = "line,a,b\n";
  const size_t count = std::max(panes.a.size(), panes.b.size());
  static const std::string kNone;
  for (size_t i = 0; i < count; ++i) {
    csv += std::to_string(i + 1);
    csv += ',';
    csv += CsvField(i < panes.a.size() ? panes.a[i] : kNone);
    csv += ',';
    csv += CsvField(i < panes.b.size() ? panes.b[i] : kNone);
    csv += '\n';
  }
  return csv;
}

bool WriteText(const std::string& text, const std::string& path) {
  FILE* out = path.empty() || path == "-" ? stdout : std::fopen(path.c_str(), "wb");
  bool ok = out != nullptr && std::fwrite(text.data(), 1, text.size(), out) == text.size();
  if (out == stdout) {
    ok = ok && std::fflush(stdout) == 0;
  } else if (out != nullptr) {
    ok = std::fclose(out) == 0 && ok;
  }
  if (!ok) std::fprintf(stderr, "vormak-batch: cannot write '%s'\n", path.c_str());
  return ok;
}

}  // namespace

int RunTwin(const Args& args) {
  const auto options =
      ParseNcFileOptions(args, {{"--panes"}, {"--lineup-only", "--cancel"}}, kTwinUsage);
  if (!options) return 2;
  if (options->lines) return UsageError(kTwinUsage);
  ConsoleHost host;
  host.AnswerWarningsCancel(options->Has("--cancel"));
  Workbench bench(host);
  if (!LoadNamedMachine(bench, options->machine)) return 1;
  bench.settings.twin_turrets = true;
  bench.nc_file_name = options->file;
  if (!LoadTwinTurretFile(bench, options->file)) return 1;
  const TwinPanes panes = ReadTwinPanes(bench);
  if (!WriteText(PanesCsv(panes), options->Value("--panes"))) return 1;
  if (options->Has("--lineup-only")) return 0;
  if (options->output.empty() || options->output == "-") {
    const auto joined = JoinTwinPanes(bench, panes);
    if (!joined) return 1;
    if (options->output.empty()) return 0;
    const std::string brk = LineBreakText(bench.Pane(1)->GetLineBreakStyle());
    std::string text;
    for (const std::string& line : *joined) text += line + brk;
    return WriteText(text, "-") ? 0 : 1;
  }
  return SaveTwinTurretFile(bench, options->output) ? 0 : 1;
}

}  // namespace vormak::batch
