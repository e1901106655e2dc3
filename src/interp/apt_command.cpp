#include "interp/apt_command.h"

#include <cerrno>

#include "cad/geometry_errors.h"
#include "interp/apt_output.h"
#include "interp/run_driver.h"
#include "workbench/workbench.h"

namespace vormak {

bool PlotToAptFile(Workbench& bench, const std::string& path,
                   const std::optional<LineRange>& lines) {
  if (!OpenAptOutput(bench, path)) {
    ReportSystemFileError(bench.host(), errno);
    return false;
  }
  if (lines) {
    StartRun(bench, RunCommand::kResetNc);
    bench.Pane(bench.active_pane)->SetSelection({{lines->first, 0}, {lines->last + 1, 0}});
    StartRun(bench, RunCommand::kRunSelectedText);
  } else {
    ResetAndRun(bench);
  }
  if (!CloseAptOutput(bench)) {
    ReportSystemFileError(bench.host(), errno);
    return false;
  }
  return true;
}

void AptOutputCommand(Workbench& bench) {
  FileDialogRequest request;
  request.initial_dir = bench.settings.nc_path;
  request.filter = "APT Files (*.APT)|*.APT|Text files (*.TXT)|*.TXT";
  request.filter_index = 1;
  request.default_ext = "APT";
  const auto path = bench.host().SaveFileDialog(request);
  if (!path) return;
  if (PlotToAptFile(bench, *path)) bench.host().Information("Closed APT Output File", "APT Output");
}

}  // namespace vormak
