#pragma once
// Feeds one fuzz input to a drawing reader as the file it reads, and checks that whatever it
// made stays inside the element table's rules.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "cad/drawing_files.h"
#include "fuzz_host.h"
#include "workbench/workbench.h"

namespace vormak {

inline int FuzzDrawingReader(const uint8_t* data, size_t size, DrawingFileType type) {
  const std::string path = ScratchFile("drawing");
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return 0;
  std::fwrite(data, 1, size, file);
  std::fclose(file);
  FuzzHost host;
  Workbench bench(host);
  for (ReadMode mode : {ReadMode::kLoad, ReadMode::kMerge, ReadMode::kTool}) {
    if (!ReadDrawing(bench, path, type, mode)) std::abort();  // the file is there
  }
  const ElementTable& table = bench.cad.table;
  if (table.high_water < 0 || table.high_water > kTableSlots) std::abort();
  for (int slot = 1; slot <= table.high_water; ++slot) {
    const CadElement* e = table.At(slot);
    if (e == nullptr) continue;
    if (e->layer < 1 || e->layer > kLayerCount || e->text.size() > kMaxTextLength) std::abort();
    for (double v : e->d) {
      if (!std::isfinite(v)) std::abort();
    }
  }
  std::remove(path.c_str());
  return 0;
}

}  // namespace vormak
