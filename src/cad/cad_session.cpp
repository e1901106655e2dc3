#include "cad/cad_session.h"

#include "plot/plot_window.h"

namespace vormak {

void StartCadCommand(Workbench& bench, CadView& view, std::unique_ptr<PickCommand> command) {
  CadContext context = CadContextOf(bench, view);
  bench.cad.commands.Start(context, std::move(command));
}

bool CadPick(Workbench& bench, CadView& view, PixelPoint at) {
  if (!bench.cad.commands.Running()) return false;
  CadContext context = CadContextOf(bench, view);
  bench.cad.commands.Pick(context, at);
  return true;
}

bool CadWindow(Workbench& bench, CadView& view, PixelPoint corner1, PixelPoint corner2) {
  if (!bench.cad.commands.Running()) return false;
  CadContext context = CadContextOf(bench, view);
  bench.cad.commands.Window(context, corner1, corner2);
  return true;
}

void CadEscape(Workbench& bench) {
  if (bench.cad.commands.Running()) bench.cad.commands.End(bench.host());
}

void NewDrawing(Workbench& bench) {
  ClearDrawing(bench.cad.table);
  bench.cad_file_name.clear();
  ClearPlotWindow(bench.plot);
  bench.cad.table.modified = false;
}

}  // namespace vormak
