// Whatever a CDL file held, the drawing saved as CDL and read back saves to the same file: a
// drawing read, saved and opened again has lost nothing of what was read the first time.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "cad/drawing_files.h"
#include "fuzz_host.h"
#include "workbench/workbench.h"

namespace {

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Reads `from` into a fresh drawing and saves it as `to`; the text saved.
std::string ReadAndSave(const std::string& from, const std::string& to) {
  using namespace vormak;
  FuzzHost host;
  Workbench bench(host);
  if (!ReadDrawing(bench, from, DrawingFileType::kCdl, ReadMode::kLoad)) std::abort();
  if (!WriteCdl(bench, to, false)) std::abort();
  return Contents(to);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string base = vormak::ScratchFile("cdl");
  // Saved under one name both times: the drawing's name is part of what is written.
  const std::string input = base + "-in.cdl", saved_as = base + ".cdl";
  std::FILE* file = std::fopen(input.c_str(), "wb");
  if (file == nullptr) return 0;
  std::fwrite(data, 1, size, file);
  std::fclose(file);
  const std::string saved = ReadAndSave(input, saved_as);
  if (ReadAndSave(saved_as, saved_as) != saved) std::abort();
  for (const std::string& path : {input, saved_as}) std::remove(path.c_str());
  return 0;
}
