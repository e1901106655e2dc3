// Assignment statements of any shape: the store takes a value or ignores the statement.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz_host.h"
#include "interp/macro_statements.h"
#include "interp/macro_variables.h"
#include "workbench/workbench.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vormak;
  const uint8_t flags = TakeByte(data, size);
  FuzzHost host;
  Workbench bench(host);
  bench.settings.use.Set(kUseCheckSyntax, (flags & 1) != 0);
  bench.macro_variables.level = flags % kMacroLevels;
  const std::string line(reinterpret_cast<const char*>(data), size);
  Assign(bench, line);
  LoadMacroArguments(bench, (flags >> 4) % kMacroLevels, line);
  for (const auto& set : bench.macro_variables.locals) {
    for (double v : set) {
      if (!std::isfinite(v)) std::abort();
    }
  }
  return 0;
}
