#pragma once
// Zoom, pan and rotate of a view slot. These change the view state only; the commands that
// call them clear the window and redraw the elements.

#include "cad/element_table.h"
#include "plot/view_state.h"
#include "settings/machine_settings.h"

namespace vormak {

enum class ZoomMode { kAll = 0, kRecompute = 1, kLast = 2, kHalf = 3 };

// Zoom All fits the drawing extents into 90% of the smaller window side (with a backplot
// kept, the backplot and the drawing together into 90% of each side); Last exchanges the
// view with the one before the last Zoom All or Zoom Window; Half shows twice the area. Every
// mode recomputes the scales and offsets.
void Zoom(PlotState& plot, const MachineSettings& settings, const DrawingExtents& extents, int slot,
          ZoomMode mode);

// Zooms to a box given in pixels; false (and nothing changed) when it has no width or height.
bool ZoomWindow(PlotState& plot, const MachineSettings& settings, int slot, PixelPoint corner1,
                PixelPoint corner2);

// Shows `factor` times the height about a pixel: the program point under it stays under it
// (to the nearest pixel, as the offsets are whole pixels).
void ZoomAbout(PlotState& plot, const MachineSettings& settings, int slot, PixelPoint at,
               double factor);

// Ctrl+drag: the view follows the mouse from `last` to `now`.
void Pan(PlotState& plot, int slot, PixelPoint last, PixelPoint now);

// Alt+drag: the view angles turn by an eighth of a degree per pixel. True when the window must
// be redrawn (every slot but the top one).
bool Rotate(PlotState& plot, int slot, PixelPoint last, PixelPoint now);

// Makes a slot current with its angles (the isometric slot: the remembered angles, or the
// standard ones when it is current already). Nothing changes on a lathe.
bool SelectViewSlot(PlotState& plot, const MachineSettings& settings, int slot);

}  // namespace vormak
