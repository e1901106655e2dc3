#pragma once
// The Analyse menu: an element's numbers, the distance between two points, the angle between
// two lines and a point's position, shown in the Analyse dialog, whose buttons start the
// analyses again.

#include <memory>
#include <string>
#include <vector>

#include "cad/cad_command.h"

namespace vormak {

enum class Analysis { kElement, kDistance, kAngle, kPoint };

std::unique_ptr<PickCommand> MakeAnalyseCommand(Analysis analysis);

// The dialog lines for an element (slot given); on a lathe in diameter mode X is labelled DIA.
// A line's angle is measured in the axes of the view it was picked in.
std::vector<std::string> ElementAnalysis(const CadElement& element, int slot, bool dia_x,
                                         const ViewFrame& frame = ViewFrame(1));
std::vector<std::string> DistanceAnalysis(const Point& p1, const Point& p2, bool dia_x);

}  // namespace vormak
