// vormak-batch convert IN OUT and vormak-batch elements FILE: drawing files without a window.
#include <cstdio>
#include <string>

#include "app/batch_commands.h"
#include "app/batch_host.h"
#include "cad/drawing_files.h"
#include "cad/palette.h"
#include "workbench/workbench.h"

namespace vormak::batch {

namespace {

// Reads FILE by its extension into the bench; false, with the message on stderr, otherwise.
bool ReadByExtension(Workbench& bench, const std::string& name) {
  const auto type = DrawingTypeOfName(name);
  if (!type) {
    std::fprintf(stderr, "vormak-batch: '%s' is not a .cdl, .dxf, .igs, .iges or .t4g file\n",
                 name.c_str());
    return false;
  }
  return ReadDrawing(bench, name, *type, ReadMode::kLoad);
}

void PrintElement(int slot, const CadElement& e) {
  const unsigned rgb = CanvasRgb(e.colour);
  std::printf("%d,%d,#%02X%02X%02X,%d,%d,%d,%d", slot, static_cast<int>(e.kind),
              (rgb >> 16) & 0xFFu, (rgb >> 8) & 0xFFu, rgb & 0xFFu, e.layer, e.style,
              static_cast<int>(e.state), e.view);
  if (e.kind == ElementKind::kText) {
    std::printf(",%.6f,%.6f,%s\n", e.d[0], e.d[1], e.text.c_str());
    return;
  }
  for (double value : e.d) std::printf(",%.6f", value);
  std::printf("\n");
}

}  // namespace

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
  if (!ReadByExtension(bench, args[0])) return 1;
  return WriteDrawing(bench, args[1], *out_type) ? 0 : 1;
}

int RunElements(const Args& args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: vormak-batch elements FILE\n");
    return 2;
  }
  ConsoleHost host;
  Workbench bench(host);
  if (!ReadByExtension(bench, args[0])) return 1;
  std::printf("slot,kind,colour,layer,style,state,view,d1,d2,d3,d4,d5,d6\n");
  ForEachElement(bench.cad.table, [](int slot, const CadElement& e) { PrintElement(slot, e); });
  return 0;
}

}  // namespace vormak::batch
