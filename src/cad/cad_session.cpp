#include "cad/cad_session.h"

namespace vormak {

CadContext CadContextOf(Workbench& bench, CadView& view) {
  CadContext context{bench.cad.table, view, bench.host(), bench.cad.pick_mode, &bench.cad.inputs};
  context.lathe = bench.settings.system_type == SystemType::kLathe;
  context.diameter_x = context.lathe && !bench.settings.x_radius;
  context.plot_height = bench.plot.Current().plot_height;
  return context;
}

void StartCadCommand(Workbench& bench, CadView& view, std::unique_ptr<PickCommand> command) {
  CadContext context = CadContextOf(bench, view);
  bench.cad.commands.Start(context, std::move(command));
  bench.cad.pick_mode = context.pick_mode;
}

bool CadPick(Workbench& bench, CadView& view, PixelPoint at) {
  if (!bench.cad.commands.Running()) return false;
  CadContext context = CadContextOf(bench, view);
  bench.cad.commands.Pick(context, at);
  bench.cad.pick_mode = context.pick_mode;
  return true;
}

bool CadWindow(Workbench& bench, CadView& view, PixelPoint corner1, PixelPoint corner2) {
  if (!bench.cad.commands.Running()) return false;
  CadContext context = CadContextOf(bench, view);
  bench.cad.commands.Window(context, corner1, corner2);
  bench.cad.pick_mode = context.pick_mode;
  return true;
}

bool CadKeyIn(Workbench& bench, CadView& view, const Point& point) {
  bench.cad.pick_mode = PickMode::kCursor;
  if (!bench.cad.commands.Running()) return false;
  CadContext context = CadContextOf(bench, view);
  bench.cad.commands.KeyIn(context, point);
  bench.cad.pick_mode = PickMode::kCursor;
  return true;
}

void CadEscape(Workbench& bench) {
  if (bench.cad.commands.Running()) bench.cad.commands.End(bench.host());
}

}  // namespace vormak
