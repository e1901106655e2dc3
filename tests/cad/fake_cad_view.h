#pragma once
// A plot window for element tests: the top view at a fixed scale about the pixel origin
// (400, 300), every paint logged with the state the element had, and a pixel map in which a
// painted element lights the pixels it was given.

#include <cmath>
#include <map>
#include <utility>
#include <vector>

#include "cad/cad_view.h"
#include "cad/element_geometry.h"
#include "cad/palette.h"

namespace vormak {

class FakeCadView : public CadView {
 public:
  struct PaintCall {
    const CadElement* element;
    ElementState state;
  };

  void Paint(const CadElement& element) override {
    if (element.deleted) return;
    paints.push_back({&element, element.state});
    const auto lit = footprints.find(&element);
    if (lit == footprints.end()) return;
    const unsigned rgb = StateRgb(element.state, element.colour);
    for (const PixelPoint& p : lit->second) pixels[{p.x, p.y}] = rgb;
  }
  void Redraw() override { ++redraws; }
  int CurrentSlot() const override { return slot; }
  Point ScreenToView(PixelPoint pixel) const override {
    return {(pixel.x - 400) / scale, (300 - pixel.y) / scale, 0};
  }
  PixelPoint WorldToPixel(const Point& world) const override {
    const Point v = ToViewAxes(slot, world);
    return {static_cast<int>(std::lround(v.x * scale + 400)),
            static_cast<int>(std::lround(300 - v.y * scale))};
  }
  double Scale() const override { return scale; }
  unsigned ReadPixel(PixelPoint pixel) const override {
    const auto found = pixels.find({pixel.x, pixel.y});
    return found == pixels.end() ? 0 : found->second;
  }

  int PaintsOf(const CadElement* element) const {
    int n = 0;
    for (const auto& call : paints) n += call.element == element ? 1 : 0;
    return n;
  }

  static unsigned StateRgb(ElementState state, std::int32_t colour) {
    switch (state) {
      case ElementState::kSelected:
        return CanvasRgb(palette::kYellow);
      case ElementState::kGroup:
        return CanvasRgb(palette::kRed);
      case ElementState::kErasing:
        return 0;
      case ElementState::kResult:
        return CanvasRgb(palette::kMagenta);
      default:
        return CanvasRgb(colour);
    }
  }

  int slot = 1;
  double scale = 10;  // pixels per unit
  int redraws = 0;
  std::vector<PaintCall> paints;
  std::map<const CadElement*, std::vector<PixelPoint>> footprints;
  std::map<std::pair<int, int>, unsigned> pixels;
};

}  // namespace vormak
