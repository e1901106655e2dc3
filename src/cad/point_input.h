#pragma once
// Point input: how a pick in the plot window becomes a point for a CAD or CAM command, by
// the Pick toolbar's mode (end point, intersection of two picks, cursor, mid point, centre,
// existing points, closest point, keyboard).

#include <optional>
#include <string>

#include "cad/pick_command.h"

namespace vormak {

// A drawing point from a pixel of the current view (the axis the view looks along is 0).
Point PixelToWorld(const CadView& view, PixelPoint at);

// The point an element gives in a pick mode (end nearer the cursor, middle, centre, nearest);
// nothing for TEXT, ARROW, LEADER and WITNESS.
std::optional<Point> ElementPoint(const CadElement& element, PickMode mode, const CadView& view,
                                  PixelPoint at);

class PointInput {
 public:
  enum class Outcome {
    kPoint,    // the point is there
    kWaiting,  // the first of the two picks of an intersection: show Prompt()
    kFailed,   // nothing found or no point to take: the step stays
  };

  Outcome Take(CadContext& context, PixelPoint at, Point& point);
  // The prompt while an intersection waits for its second entity; empty otherwise.
  std::string Prompt() const;
  void Reset() { first_slot_ = 0; }

 private:
  int first_slot_ = 0;  // the intersection's first entity
};

// The point the Key In dialog makes of its three fields: a lathe drawing lies in (Z, X), Z
// along the plot and X across it as a radius, so a diameter is halved.
Point KeyedPoint(double x, double y, double z, bool lathe, bool diameter_x);

// The Key In dialog: on a lathe the Y field is hidden and X is read as a diameter or a radius,
// the point becoming (Z, X, 0). Nothing when cancelled.
std::optional<Point> AskKeyIn(CadContext& context);

}  // namespace vormak
