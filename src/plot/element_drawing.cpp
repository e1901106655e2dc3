#include "plot/element_drawing.h"

#include "plot/element_draw.h"
#include "workbench/workbench.h"

namespace vormak {

void DrawTableElements(Workbench& bench) {
  DrawElements(bench, bench.plot.current, kDrawVisibleLayers);
}

void PaintElement(Workbench& bench, const CadElement& element) {
  RedrawElement(bench, element);
}

}  // namespace vormak
