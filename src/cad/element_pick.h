#pragma once
// Finding the element under the cursor.

#include "cad/cad_view.h"
#include "cad/element_table.h"
#include "nctext/host.h"

namespace vormak {

// The Pick toolbar's modes.
enum class PickMode {
  kEndPoint,
  kIntersection,
  kCursor,
  kMidPoint,
  kCentre,
  kExistingPoints,
  kInsideWindow,
  kClosestPoint,
  kKeyboard,
};

inline constexpr int kPickAperture = 6;  // pixels
// Kind filters: 1, 2, 4, 5 or 6 accept that kind alone; 8 LINE or ARC; anything else all.
inline constexpr int kPickAnyKind = 0;
inline constexpr int kPickLineOrArc = 8;

bool KindAccepted(ElementKind kind, int kind_filter);

// The live element on a visible layer nearest the pick within the aperture (the lowest slot
// on a tie); it is flashed as Selected in the open views and its slot becomes the pick index.
// Beeps and gives nullptr when nothing is there. In the isometric view the probe is used.
CadElement* PickElement(ElementTable& table, CadView& view, Host& host, PixelPoint at,
                        int kind_filter, PickMode mode = PickMode::kCursor);

// The isometric view's pick: each candidate is painted Magenta in turn and looked for in the
// pixels around the cursor.
CadElement* ProbePick(ElementTable& table, CadView& view, Host& host, PixelPoint at,
                      int kind_filter);

// How far the pick lies from the element's nearest point, in the view's axes, when the
// element is within the aperture there; negative when it is not.
double PickDistance(const CadElement& element, int view, const Point& pick, double scale);

}  // namespace vormak
