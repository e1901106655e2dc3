#include "plot/plot_cad_view.h"

#include "plot/element_drawing.h"
#include "plot/plot_window.h"
#include "plot/view_transform.h"
#include "workbench/workbench.h"

namespace vormak {

void PlotCadView::Paint(const CadElement& element) {
  PaintElement(bench_, element);
}

void PlotCadView::Redraw() {
  vormak::Redraw(bench_);
}

int PlotCadView::CurrentSlot() const {
  return bench_.plot.current;
}

Point PlotCadView::ScreenToView(PixelPoint pixel) const {
  const ViewPoint p = ScreenToWorld(bench_.plot, bench_.plot.current, pixel);
  return {p.x, p.y, 0};
}

PixelPoint PlotCadView::WorldToPixel(const Point& world) const {
  return WorldToScreen(bench_.plot, bench_.settings, bench_.plot.current, world.x, world.y,
                       world.z);
}

double PlotCadView::Scale() const {
  return bench_.plot.Current().scale_x;
}

unsigned PlotCadView::ReadPixel(PixelPoint pixel) const {
  const Canvas* canvas = bench_.plot.canvas;
  return canvas ? canvas->GetPixel(pixel) : 0;
}

}  // namespace vormak
