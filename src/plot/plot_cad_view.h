#pragma once
// The plot window as the element operations see it: painting an element in the open views,
// redrawing, and the current view's transform for picks.

#include "cad/cad_view.h"

namespace vormak {

class Workbench;

class PlotCadView : public CadView {
 public:
  explicit PlotCadView(Workbench& bench) : bench_(bench) {}
  void Paint(const CadElement& element) override;
  void Redraw() override;
  int CurrentSlot() const override;
  Point ScreenToView(PixelPoint pixel) const override;
  PixelPoint WorldToPixel(const Point& world) const override;
  double Scale() const override;
  unsigned ReadPixel(PixelPoint pixel) const override;

 private:
  Workbench& bench_;
};

}  // namespace vormak
