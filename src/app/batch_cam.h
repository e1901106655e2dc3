#pragma once
// The CAM lines of a `vormak-batch cad` command file: tool-path commands, the editor pane,
// tools, the Insert buttons, the Contour and Lathe Rough dialogs.

#include <string>

#include "cad/cad_view.h"

namespace vormak {
class Workbench;
}

namespace vormak::batch {

enum class CamLineResult { kNotCam, kDone, kBad };

// `verb` and the rest of a command-file line; kBad sets `error` to the usage to show.
CamLineResult RunCamLine(Workbench& bench, CadView& view, const std::string& verb,
                         const std::string& rest, std::string& error);

}  // namespace vormak::batch
