#include "plot/backplot_pointer.h"

#include "nctext/pane_services.h"
#include "plot/backplot.h"
#include "settings/number_text.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

std::string EndPointText(const MachineSettings& s, const Point& end) {
  if (s.system_type != SystemType::kLathe) {
    return "X" + PlainNumberText(end.x) + " Y" + PlainNumberText(end.y) + " Z" +
           PlainNumberText(end.z);
  }
  // Drawn as (Z, X radius), below the axis when LatheMinus says so.
  const double radius = s.lathe_minus ? -end.y : end.y;
  return "Z" + PlainNumberText(end.x) + " X" + PlainNumberText(s.x_radius ? radius : 2 * radius);
}

}  // namespace

bool MarkLineOfMoveAt(Workbench& bench, PixelPoint at) {
  const auto item = HitBackplot(bench.plot, bench.settings, at);
  if (!item) return false;
  EditControl* pane = bench.Pane(item->tag.pane);
  const int line = item->tag.line;
  if (pane == nullptr || line < 1 || line > pane->LineCount()) return false;
  // The line is selected from its start to the next line's, the caret at its start.
  const TextPosition after =
      line < pane->LineCount()
          ? TextPosition{line + 1, 0}
          : TextPosition{line, static_cast<int>(PaneLine(bench, item->tag.pane, line).size())};
  pane->SetSelection({after, {line, 0}});
  FocusPane(bench, item->tag.pane);
  return true;
}

std::string MoveTextAt(const Workbench& bench, PixelPoint at) {
  const auto item = HitBackplot(bench.plot, bench.settings, at);
  if (!item) return {};
  return PaneLine(bench, item->tag.pane, item->tag.line) + "   End " +
         EndPointText(bench.settings, item->to);
}

}  // namespace vormak
