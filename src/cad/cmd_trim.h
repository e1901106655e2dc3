#pragma once
// The Trim menu: trimming one element or two to their crossing, trimming to a point, breaking
// an element in two, fillets and chamfers between two lines.

#include <memory>

#include "cad/cad_command.h"

namespace vormak {

enum class TrimKind { kOneObject, kTwoObjects, kToPoint, kBreak };

std::unique_ptr<PickCommand> MakeTrimCommand(TrimKind kind);
std::unique_ptr<PickCommand> MakeFilletCommand();
std::unique_ptr<PickCommand> MakeChamferCommand();

}  // namespace vormak
