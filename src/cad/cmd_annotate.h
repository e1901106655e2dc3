#pragma once
// "&Text..." places a text at each point input; "&Arrowhead" puts an arrow on the end of a
// line, its wings along the line.

#include <memory>

#include "cad/cad_command.h"

namespace vormak {

std::unique_ptr<PickCommand> MakeTextCommand();
std::unique_ptr<PickCommand> MakeArrowheadCommand();

}  // namespace vormak
