#pragma once
// Drawing the element table in the plot window through the plot's primitives.

#include "cad/cad_element.h"

namespace vormak {

class Workbench;

// Draw filters of DrawElements.
enum ElementFilter : int {
  kDrawAll = 0,
  kDrawVisibleLayers = 1,
  kDrawGroup = 2,
  kDrawResult = 3,
  kDrawFirstSlots = 4,  // slots 1..199
};

// One element in the colour of its state (its own colour while copying to a metafile);
// nothing when deleted. Annotations appear only in the view they belong to.
void DrawElement(Workbench& bench, int view, const CadElement& element);
// The element in every open view.
void RedrawElement(Workbench& bench, const CadElement& element);
// The solid polygon when the solid view is on, then the table through the filter. Stops when
// Escape (which also ends the running CAD command) or a right-button release is waiting;
// false when it stopped early.
bool DrawElements(Workbench& bench, int view, int filter);

// The stock: the live points of the solid layer (the first 50) filled in Silver, and mirrored
// in Y for the second turret in twin-turret mode.
void DrawSolidPolygon(Workbench& bench, int view);

// File > Plot Window > New, once the user has had the chance to save: the table is emptied,
// the drawing loses its name and its modified mark, and the window is cleared.
void NewDrawing(Workbench& bench);

}  // namespace vormak
