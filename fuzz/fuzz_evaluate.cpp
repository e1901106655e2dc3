// Any text given to the evaluator ends in a value or a failure, never in undefined behaviour.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "nctext/expression.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const vormak::EvalResult r : {vormak::Evaluate(text), vormak::EvaluateText(text)}) {
    if (r.status != vormak::EvalStatus::kSucceeded && r.value != 0) std::abort();
    if (!std::isfinite(r.value)) std::abort();
  }
  return 0;
}
