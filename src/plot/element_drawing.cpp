#include "plot/element_drawing.h"

#include "cad/palette.h"
#include "plot/draw_primitives.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

std::int32_t StateColour(const CadElement& element, std::int32_t background) {
  switch (element.state) {
    case ElementState::kSelected:
      return palette::kYellow;
    case ElementState::kGroup:
      return palette::kRed;
    case ElementState::kErasing:
      return background;
    case ElementState::kResult:
      return palette::kMagenta;
    default:
      return element.colour;
  }
}

// Lines, arcs and points in program coordinates; the annotations belong to the drawing
// module's own element drawing, which takes this place when it arrives.
void DrawGeometry(Workbench& bench, const CadElement& element) {
  PlotState& plot = bench.plot;
  const auto& d = element.d;
  const std::int32_t colour = StateColour(element, plot.background);
  switch (element.kind) {
    case ElementKind::kLine:
      DrawSegment(plot, bench.settings, 1, colour, element.style, {d[0], d[1], d[2]},
                  {d[3], d[4], d[5]});
      break;
    case ElementKind::kArc:
      // Stored counter-clockwise from start to end: drawn clockwise from end to start.
      DrawArc(plot, bench.settings, 1, colour, element.style, ArcPlane(element), d[5], d[4], d[3],
              {d[0], d[1], d[2]});
      break;
    case ElementKind::kPoint:
      DrawMarker(plot, bench.settings, 1, colour, {d[0], d[1], d[2]});
      break;
    default:
      break;
  }
}

}  // namespace

void DrawTableElements(Workbench& bench) {
  ElementTable& table = bench.cad.table;
  ForEachElement(table, [&](int, CadElement& element) {
    if (!element.deleted && table.LayerVisible(element.layer)) DrawGeometry(bench, element);
  });
}

void PaintElement(Workbench& bench, const CadElement& element) {
  if (!element.deleted) DrawGeometry(bench, element);
}

}  // namespace vormak
