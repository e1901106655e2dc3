#pragma once
// The "APT Output" command: the program plotted into an APT cutter-location file.

#include <optional>
#include <string>

#include "nctext/pane_services.h"

namespace vormak {

class Workbench;

// Plots the active pane's program from a reset machine, or only its selected lines, with every
// statement and move written to the APT file `path`. A stopped run still ends the file with
// "FINI". False, said to the user, when the file could not be created or written; a file
// already there is then left as it was. `lines`, when given, are plotted instead of what the
// pane has selected.
bool PlotToAptFile(Workbench& bench, const std::string& path,
                   const std::optional<LineRange>& lines = std::nullopt);

// Asks for the file in the NC folder, plots into it and says "Closed APT Output File".
void AptOutputCommand(Workbench& bench);

}  // namespace vormak
