#pragma once
// The tool picture over the plot: the turret's tool outline drawn with an inverting pen, so
// that drawing it again at the same place takes it away and leaves the plot as it was, and in
// the solid view its solid outline painted for good, so the stock shows the material removed.
// Positions are the executor's points (a lathe's (Z, X, 0)). Nothing here is kept by the plot:
// a redraw does not bring the picture back.

#include "interp/interp_state.h"
#include "interp/tool_shape.h"

namespace vormak {

class Workbench;

// The picture of `turret` in view slot `view` at `at`, drawn or erased. The outline shows only
// while the option "Tools" is on; with the tool-rotation flag set its lines are turned by the
// angle of the rotary axis that moved last. Drawing in the solid view also paints the solid
// outline.
void DrawToolShape(Workbench& bench, int turret, int view, bool draw, const Xyz& at);

// The same with the whole picture and the solid outline turned by `angle` degrees about the
// reference point.
void DrawTurnedTool(Workbench& bench, int turret, int view, bool draw, double angle, const Xyz& at);

// Whether the point's pixel lies inside the view's tool clip rectangle.
bool ToolInClipRect(const Workbench& bench, int turret, int view, const Xyz& at);

// The picture standing for the turret is taken away in every open view (nothing when none
// stands).
void EraseStandingPicture(Workbench& bench, int turret);
// The picture drawn at `at` in every open view and remembered as standing there; `turned`
// draws it turned by `angle` as DrawTurnedTool does.
void StandPicture(Workbench& bench, int turret, const Xyz& at, bool turned = false,
                  double angle = 0);
// After a tool change: the new picture where the old one stood.
void RestorePicture(Workbench& bench, int turret);

// The picture moved to the end of a move that is not swept. Outside a run it is painted at
// once; during a run it is only remembered, since the next move would take it away before
// anybody saw it: ShowStandingPictures paints it when the run ends or stops and when the
// window is shown.
void MovePicture(Workbench& bench, int turret, const Xyz& at, bool turned = false,
                 double angle = 0);
// Takes the painted pictures off the canvas before a move draws, so that no path drawn over a
// picture is inverted by its later erase; they still stand where they stood.
void LiftPictures(Workbench& bench);
// Paints the standing pictures that are not on the canvas.
void ShowStandingPictures(Workbench& bench);
// Whether the picture's pixels are on the canvas (painted, and the window not cleared since).
bool PicturePainted(const Workbench& bench, const PictureStand& stand);

// The picture of `turret` following the mouse while its button is held: taken away where it
// was and drawn at `at`; EndFollowingPicture takes it away when the button is released.
void FollowWithPicture(Workbench& bench, int turret, const Xyz& at);
void EndFollowingPicture(Workbench& bench);

}  // namespace vormak
