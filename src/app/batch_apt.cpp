// vormak-batch apt FILE: the program plotted into an APT cutter-location file, as the window's
// "APT Output" command writes it.
#include <cstdio>

#include "app/batch_nc_file.h"
#include "interp/apt_command.h"
#include "interp/run_driver.h"
#include "settings/number_text.h"
#include "workbench/machine_file.h"

namespace vormak::batch {

const char kAptUsage[] = "apt FILE [--machine M] [--rotary] [--lines A-B] [--max-lines N] -o OUT";

int RunApt(const Args& args) {
  auto options = ParseNcFileOptions(args, {{"--max-lines"}, {"--rotary"}}, kAptUsage);
  if (!options) return 2;
  // Motion statements are a mill's: without a machine named, the shipped mill.
  if (options->machine.empty())
    options->machine = FindLocations("").install_dir + "/machines/mill.ini";
  if (options->output.empty() || options->output == "-") return UsageError(kAptUsage);
  long long max_lines = 0;
  if (options->Has("--max-lines")) {
    const auto n = ReadWholeNumber(options->Value("--max-lines"));
    if (!n || *n < 1) return UsageError(kAptUsage);
    max_lines = *n;
  }
  NcFileSession session;
  if (!session.Open(*options)) return 1;
  Workbench& bench = session.bench();
  if (options->Has("--rotary")) bench.settings.use.Set(kUseRotary, true);
  InstallRunDriver(bench);
  bench.interp.run.line_limit = max_lines;
  std::optional<LineRange> lines;
  if (options->lines) lines = session.Range();
  return PlotToAptFile(bench, options->output, lines) ? 0 : 1;
}

}  // namespace vormak::batch
