// vormak-batch convert IN OUT and vormak-batch elements FILE: drawing files without a window.
#include <cstdio>
#include <string>

#include "app/batch_commands.h"
#include "app/batch_host.h"
#include "cad/drawing_files.h"
#include "cad/element_listing.h"
#include "workbench/workbench.h"

namespace vormak::batch {

// Reads FILE by its extension into the bench; false, with the message on stderr, otherwise.
bool ReadDrawingFile(Workbench& bench, const std::string& name) {
  const auto type = DrawingTypeOfName(name);
  if (!type) {
    std::fprintf(stderr, "vormak-batch: '%s' is not a .cdl, .dxf, .igs, .iges or .t4g file\n",
                 name.c_str());
    return false;
  }
  return ReadDrawing(bench, name, *type, ReadMode::kLoad);
}

void PrintElementTable(ElementTable& table, bool live_only) {
  std::fputs(ElementListing(table, live_only).c_str(), stdout);
}

int RunConvert(const Args& args) {
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: vormak-batch convert IN OUT\n");
    return 2;
  }
  const auto out_type = DrawingTypeOfName(args[1]);
  if (!out_type || *out_type == DrawingFileType::kT4g) {
    std::fprintf(stderr, "vormak-batch: '%s' is not a .cdl, .dxf or .igs file\n", args[1].c_str());
    return 2;
  }
  ConsoleHost host;
  Workbench bench(host);
  if (!ReadDrawingFile(bench, args[0])) return 1;
  return WriteDrawing(bench, args[1], *out_type) ? 0 : 1;
}

int RunElements(const Args& args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: vormak-batch elements FILE\n");
    return 2;
  }
  ConsoleHost host;
  Workbench bench(host);
  if (!ReadDrawingFile(bench, args[0])) return 1;
  PrintElementTable(bench.cad.table, false);
  return 0;
}

}  // namespace vormak::batch
