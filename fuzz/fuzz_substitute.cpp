// Variable substitution and conditions on any text with any prefix and any stored values.
#include <algorithm>
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
  // Each variable named puts in one value's text, and a value keeps all its digits: the
  // shortest fixed text of any double is under 340 characters (a tiny value written out
  // in full, such as 3.5e-322, is that long). Nothing else may grow the line.
  const size_t named = static_cast<size_t>(std::count(text.begin(), text.end(), prefix));
  if (out.size() > text.size() + named * 340) std::abort();
  (void)Condition(bench, text);
  return 0;
}
