#pragma once
// The plot window's commands: redraw, the zoom menu, view selection, pan and rotate with the
// mouse, the axis cross, the background colour and the plot-height and plot-centre statements
// of NC programs.

#include <optional>
#include <string>

#include "plot/zoom.h"

namespace vormak {

class Workbench;

// The window's size changed (or was first laid out): the scales of the current slot follow,
// PlotHeight and the centre stay.
void ResizePlotWindow(Workbench& bench, int width, int height);

// Clears the window with the background colour.
void ClearPlotWindow(PlotState& plot);

// Clears the window and draws the elements of the current slot, saying "Redrawing Plot Window"
// meanwhile.
void Redraw(Workbench& bench);

// At the end of a whole run: the first one after the backplot was reset shows all it drew,
// unless the user zoomed by hand meanwhile.
void FitFirstBackplot(Workbench& bench);

// Zoom All, Last and Half of the menus: zoom, redraw, and show the visible width. Zoom All
// fits the backplot and the drawing together.
void ZoomCommand(Workbench& bench, ZoomMode mode);
// The rubber band of Zoom Window was released; false when the box was empty.
bool ZoomWindowCommand(Workbench& bench, PixelPoint corner1, PixelPoint corner2);
// Top, Front, Side and Isometric View (slots 1..4).
void SelectView(Workbench& bench, int slot);
void PanCommand(Workbench& bench, PixelPoint last, PixelPoint now);
// The mouse wheel: the view shows `factor` times as much (below 1: closer), the point under
// the cursor staying where it is.
void ZoomAboutCommand(Workbench& bench, PixelPoint at, double factor);
void RotateCommand(Workbench& bench, PixelPoint last, PixelPoint now);

// Three red lines through the origin, half again as long as the drawing reaches.
void DrawAxis(Workbench& bench);

// The Black and White commands.
void SetBackground(Workbench& bench, bool white);
// A BackGroundColor setting: 0 black, 1 white, 2 dark blue, 3 silver; anything else black.
std::int32_t BackgroundOfScheme(int scheme);

// The plot-height comment code: half the visible height, at least 0.02, about the same centre.
void PlotHeightStatement(Workbench& bench, double height);
// The plot-centre comment code: X (a diameter unless XAxisDimension is RAD) centres the
// window's vertical axis, Z its horizontal one; then the window is redrawn.
void PlotCentreStatement(Workbench& bench, std::optional<double> x, std::optional<double> z);

// "Window Width= " and the visible width with two decimals.
std::string WindowWidthText(const PlotState& plot, int slot);

}  // namespace vormak
