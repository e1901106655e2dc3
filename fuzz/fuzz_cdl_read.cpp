// Any bytes read as a CDL drawing end in a drawing, never in a crash or a hang.
#include <cstddef>
#include <cstdint>

#include "fuzz_drawing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return vormak::FuzzDrawingReader(data, size, vormak::DrawingFileType::kCdl);
}
