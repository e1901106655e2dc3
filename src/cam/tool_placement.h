#pragma once
// Where the tool stands against the drawing: the cutting radius of the current turret, the
// tool placed tangent to a line or an arc on the side the programmer picked, and the shown
// position (the tool picture at the point, the position words in the Command panel, the
// point the Insert buttons write).
//
// Positions are drawing points: horizontal and vertical as the drawing lies (a mill's X and
// Y; a lathe's Z across and X up as a radius) and the drawing's Z. The programmed point is the
// tool's reference point: the nose centre less the tool's centre offsets.

#include <optional>
#include <string>

#include "cad/cad_element.h"
#include "cad/geometry_types.h"

namespace vormak {

class Workbench;

// Nose radius plus the radius offset of the current turret.
double EffectiveRadius(const Workbench& bench);
bool IsLatheBench(const Workbench& bench);

// The nose centre of a tool touching the element at `contact` on the side of `side` (nearer
// candidate of contact ± r along the element's normal there; the second on a tie), turned
// into the programmed point. A lathe tool with a nose width is placed by its nose radius
// alone and moved back along its nose angle by the width beyond the nose when it cuts with
// the far corner of the insert.
Point ToolTangentPosition(const Workbench& bench, const CadElement& element, const Point& contact,
                          const Point& side);

// The nose centre taken back to the programmed point by the centre offsets.
Point ProgrammedPoint(const Workbench& bench, const Point& nose_centre);

// The programmed value of the vertical drawing value on a lathe: doubled for a diameter
// machine, negated with "LatheMinus".
double LatheXValue(const Workbench& bench, double vertical);
// A value with its letter's format (format set 1), "-0" kept away.
std::string WordValue(const Workbench& bench, char letter, double value);

// "X.. Y.." on a mill, "X.. Z.." on a lathe; with `fixed4` four fixed decimals instead of the
// address formats (the Tool at point read-out).
std::string PositionText(const Workbench& bench, const Point& position, bool fixed4 = false);

// The tool shown at the position: current tool position set (the Insert buttons read it), the
// picture drawn there in place of where it stood, the position in the Command panel.
void ShowToolPosition(Workbench& bench, const Point& position, bool fixed4 = false);

// With "Auto Insert" on: a new line below the caret of the active pane receives the position
// (X, Y on a mill; X, Z on a lathe).
void AutoInsertPosition(Workbench& bench);

// The nearest point of a LINE or ARC element to p; a line is taken as endless, an arc as its
// whole circle.
Point NearestOnElement(const CadElement& element, const Point& p);

}  // namespace vormak
