// Variable substitution and conditions on any text with any prefix and any stored values.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz_host.h"
#include "interp/macro_statements.h"
#include "interp/macro_variables.h"
#include "workbench/workbench.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vormak;
  const char prefix = static_cast<char>(TakeByte(data, size));
  FuzzHost host;
  Workbench bench(host);
  bench.settings.var_prefix = std::string(1, prefix);
  // A few variables take values straight from the input bytes (any double, NaN included).
  for (long long n : {1LL, 2LL, 33LL, 100LL, 199LL, 500LL, 699LL}) {
    double value = 0;
    if (size >= sizeof value) {
      std::memcpy(&value, data, sizeof value);
      data += sizeof value;
      size -= sizeof value;
    }
    SetVariable(bench.macro_variables, 0, n, value);
  }
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::string out = SubstituteVariables(bench.macro_variables, prefix, text);
  // Each replacement keeps at most 80 characters on either side of the value it inserts.
  if (out.size() > text.size() + 1000 && out.size() > 400) std::abort();
  (void)Condition(bench, text);
  return 0;
}
