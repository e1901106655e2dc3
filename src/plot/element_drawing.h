#pragma once
// How the plot window draws the element table: the one place a redraw and a single repaint
// reach the drawing module's element drawing.

#include "cad/cad_element.h"

namespace vormak {

class Workbench;

// Every live element on a visible layer, in the current slot.
void DrawTableElements(Workbench& bench);

// One element in every open slot, in the colour of its state; nothing when deleted.
void PaintElement(Workbench& bench, const CadElement& element);

}  // namespace vormak
