#include "plot/element_draw.h"

#include <cmath>
#include <vector>

#include "cad/palette.h"
#include "cad/view_frame.h"
#include "plot/draw_primitives.h"
#include "plot/plot_window.h"
#include "plot/view_transform.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr int kTextHeight = 12;           // pixels
constexpr double kArrowLength = 10;       // pixels from the tip back along the head
constexpr double kArrowHalfAngle = 0.35;  // radians either side of the shaft
constexpr int kSolidPoints = 50;

std::int32_t ShownColour(const Workbench& bench, const CadElement& element) {
  if (bench.cad.metafile) return element.colour;
  switch (element.state) {
    case ElementState::kSelected:
      return palette::kYellow;
    case ElementState::kGroup:
      return palette::kRed;
    case ElementState::kErasing:
      return bench.plot.background;
    case ElementState::kResult:
      return palette::kMagenta;
    default:
      return element.colour;
  }
}

PixelPoint Pixel(Workbench& bench, int view, double x, double y, double z) {
  return WorldToScreen(bench.plot, bench.settings, view, x, y, z);
}

// A filled head with its point at the tip, its body lying back from the tip along `body`
// (radians, drawing axes; screen Y runs down).
void ArrowHead(Workbench& bench, PixelPoint tip, double body, std::int32_t colour) {
  Canvas* canvas = bench.plot.canvas;
  if (canvas == nullptr) return;
  std::vector<PixelPoint> head{tip};
  for (double side : {-kArrowHalfAngle, kArrowHalfAngle}) {
    const double a = body + side;
    head.push_back({tip.x + static_cast<int>(std::lround(kArrowLength * std::cos(a))),
                    tip.y - static_cast<int>(std::lround(kArrowLength * std::sin(a)))});
  }
  canvas->Polygon(head, true, CanvasRgb(colour));
}

void DrawGeometry(Workbench& bench, const CadElement& element, std::int32_t colour, bool mirror) {
  PlotState& plot = bench.plot;
  const MachineSettings& settings = bench.settings;
  const auto& d = element.d;
  const double sign = mirror ? -1 : 1;
  switch (element.kind) {
    case ElementKind::kLine:
      DrawSegment(plot, settings, 1, colour, element.style, {d[0], sign * d[1], d[2]},
                  {d[3], sign * d[4], d[5]});
      break;
    case ElementKind::kArc: {
      // Stored counter-clockwise from start to end, drawn clockwise from end to start.
      const double first = mirror ? 360 - d[4] : d[5];
      const double second = mirror ? 360 - d[5] : d[4];
      DrawArc(plot, settings, 1, colour, element.style, ArcPlane(element), first, second, d[3],
              {d[0], sign * d[1], d[2]});
      break;
    }
    case ElementKind::kPoint:
      DrawMarker(plot, settings, 1, colour, {d[0], sign * d[1], d[2]});
      break;
    default:
      break;
  }
}

void DrawAnnotation(Workbench& bench, int view, const CadElement& element, std::int32_t colour) {
  PlotState& plot = bench.plot;
  const auto& d = element.d;
  // Texts, leaders and witness lines lie in their view's own axes, at depth 0.
  const ViewFrame frame(view);
  const auto flat = [&](double across, double up) { return frame.ToWorld({across, up, 0}); };
  switch (element.kind) {
    case ElementKind::kText: {
      SelectPen(plot, colour, 0);
      const Point corner = flat(d[0], d[1]);
      if (plot.canvas)
        plot.canvas->Text(Pixel(bench, view, corner.x, corner.y, corner.z), element.text,
                          kTextHeight);
      break;
    }
    case ElementKind::kArrow:
      SelectPen(plot, colour, 0);
      ArrowHead(bench, Pixel(bench, view, d[0], d[1], d[2]), d[3] / kDegreesPerRadian + kPi,
                colour);
      break;
    case ElementKind::kLeader: {
      DrawSegment(plot, bench.settings, 1, colour, element.style, flat(d[0], d[1]),
                  flat(d[2], d[3]));
      SelectPen(plot, colour, 0);
      const Point tip = flat(d[0], d[1]);
      ArrowHead(bench, Pixel(bench, view, tip.x, tip.y, tip.z), d[4], colour);
      break;
    }
    case ElementKind::kWitness:
      DrawSegment(plot, bench.settings, 1, colour, element.style, flat(d[0], d[1]),
                  flat(d[3], d[4]));
      break;
    default:
      break;
  }
}

bool Passes(const ElementTable& table, int slot, const CadElement& element, int filter) {
  switch (filter) {
    case kDrawVisibleLayers:
      return table.LayerVisible(element.layer);
    case kDrawGroup:
      return element.state == ElementState::kGroup;
    case kDrawResult:
      return element.state == ElementState::kResult;
    case kDrawFirstSlots:
      return slot < 200;
    default:
      return true;
  }
}

}  // namespace

void DrawElement(Workbench& bench, int view, const CadElement& element) {
  if (element.deleted) return;
  const std::int32_t colour = ShownColour(bench, element);
  switch (element.kind) {
    case ElementKind::kLine:
    case ElementKind::kArc:
    case ElementKind::kPoint:
      DrawGeometry(bench, element, colour, false);
      if (bench.settings.system_type == SystemType::kLathe && bench.settings.mirror_lathe_cad) {
        DrawGeometry(bench, element, colour, true);
      }
      return;
    default:
      if (view == element.view) DrawAnnotation(bench, view, element, colour);
      return;
  }
}

void RedrawElement(Workbench& bench, const CadElement& element) {
  for (int slot = 1; slot <= kViewSlots; ++slot) {
    if (bench.plot.ViewOn(slot)) DrawElement(bench, slot, element);
  }
}

bool DrawElements(Workbench& bench, int view, int filter) {
  if (bench.interp.motion.solid_view) DrawSolidPolygon(bench, view);
  ElementTable& table = bench.cad.table;
  Host& host = bench.host();
  for (int slot = 1; slot <= table.high_water; ++slot) {
    if (host.EscapePending()) {
      if (bench.cad.commands.Running()) bench.cad.commands.End(host);
      return false;
    }
    if (host.RightButtonPending()) return false;
    const CadElement* element = table.At(slot);
    if (element != nullptr && Passes(table, slot, *element, filter)) {
      DrawElement(bench, view, *element);
    }
  }
  return true;
}

void DrawSolidPolygon(Workbench& bench, int view) {
  PlotState& plot = bench.plot;
  if (plot.canvas == nullptr) return;
  const ElementTable& table = bench.cad.table;
  std::vector<PixelPoint> outline;
  std::vector<PixelPoint> mirrored;
  for (int slot = 1; slot <= table.high_water && outline.size() < kSolidPoints; ++slot) {
    const CadElement* e = table.At(slot);
    if (e == nullptr || e->deleted || e->kind != ElementKind::kPoint ||
        e->layer != bench.settings.solid_layer) {
      continue;
    }
    outline.push_back(Pixel(bench, view, e->d[0], e->d[1], e->d[2]));
    mirrored.push_back(Pixel(bench, view, e->d[0], -e->d[1], e->d[2]));
  }
  if (outline.size() < 3) return;  // no area to fill
  const unsigned silver = CanvasRgb(palette::kSilver);
  SelectPen(plot, palette::kSilver, 0);
  plot.canvas->Polygon(outline, true, silver);
  if (bench.settings.twin_turrets) plot.canvas->Polygon(mirrored, true, silver);
}

void NewDrawing(Workbench& bench) {
  ClearDrawing(bench.cad.table);
  bench.cad_file_name.clear();
  ClearPlotWindow(bench.plot);
  bench.cad.table.modified = false;
}

}  // namespace vormak
