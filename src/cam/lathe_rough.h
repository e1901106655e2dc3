#pragma once
// Lathe roughing between a stock boundary and one element of the finished shape.
//
// The element (LINE or ARC) is taken with the tool's nose on it, so the passes are worked on
// the path of the nose centre: the element offset by the cutting radius toward the stock.
// The stock lies between the element and the boundary (a Z value, across the drawing), from
// the element's upper end down to its lower end. The depth from the upper end to the lower
// end is split into equal passes, as few as keep each one within "Max Depth" (so none is
// shallower than "Min Depth" unless the whole depth is). Each pass: a rapid to the boundary
// at the pass level, a feed along Z until the nose meets the shape (the crossing nearest the
// boundary), a feed retract at 45 degrees up and back toward the boundary by the pass depth
// (straight off the shape where the shape is steeper than that), and a rapid back to the
// boundary. A finishing pass then runs from the element's end nearer the boundary along the
// element to its other end. The moves run through the interpreter as G00 / G01 / G02 / G03
// blocks, so they are drawn, timed, recorded and echoed as a program's moves are.

#include <memory>
#include <string>
#include <vector>

#include "cad/cad_element.h"
#include "cad/pick_command.h"

namespace vormak {

class Workbench;

struct RoughPlan {
  std::string error;                // a message for the user; no moves then
  int passes = 0;                   // roughing passes, the finishing pass not counted
  double depth = 0;                 // of each pass
  std::vector<std::string> blocks;  // the moves, one block each
  std::vector<Point> feed_ends;     // programmed points where each roughing feed meets the shape
};

inline constexpr const char* kRoughBoundaryInside = "Stock Boundary Must Lie Beyond the Element";
inline constexpr const char* kRoughBadDepth = "Depth Must Be Above 0";
inline constexpr const char* kRoughNoBoundary = "Pick Stock Boundary First";

RoughPlan PlanRoughing(const Workbench& bench, const CadElement& element, double boundary,
                       double min_depth, double max_depth);

// Runs the plan's blocks through the interpreter on the current turret.
void RunRoughPlan(Workbench& bench, const RoughPlan& plan);

// "ROUGHING": "Pick First Element of Chain"; the element is roughed with the Lathe Rough
// dialog's boundary and depths.
std::unique_ptr<PickCommand> MakeRoughingCommand(Workbench& bench);
// "1. Pick Z": "Pick Stock Boundary"; the picked point's Z (across the drawing) becomes the
// boundary.
std::unique_ptr<PickCommand> MakeStockBoundaryCommand(Workbench& bench);

}  // namespace vormak
