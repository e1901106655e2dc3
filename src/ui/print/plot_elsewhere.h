#pragma once
// The plot drawn on something else than the window for a while (paper, an SVG picture, a
// measuring canvas): the window's canvas, size and view come back when this ends, and the
// elements are drawn in their own colours, not those of a command's highlighting.

#include "plot/view_state.h"
#include "workbench/workbench.h"

namespace vormak {

class PlotElsewhere {
 public:
  PlotElsewhere(Workbench& bench, Canvas* canvas, int width, int height)
      : bench_(bench),
        plot_(bench.plot),
        canvas_(plot_.canvas),
        width_(plot_.width),
        height_(plot_.height),
        view_(plot_.Current()),
        metafile_(bench.cad.metafile) {
    plot_.canvas = canvas;
    plot_.width = width;
    plot_.height = height;
    plot_.printing = true;
    bench.cad.metafile = true;
  }
  ~PlotElsewhere() {
    plot_.canvas = canvas_;
    plot_.width = width_;
    plot_.height = height_;
    plot_.Current() = view_;
    plot_.printing = false;
    bench_.cad.metafile = metafile_;
  }
  PlotElsewhere(const PlotElsewhere&) = delete;
  PlotElsewhere& operator=(const PlotElsewhere&) = delete;

 private:
  Workbench& bench_;
  PlotState& plot_;
  Canvas* canvas_;
  int width_;
  int height_;
  ViewState view_;
  bool metafile_;
};

}  // namespace vormak
