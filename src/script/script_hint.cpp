#include "script/script_hint.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "nctext/expression.h"
#include "nctext/text_functions.h"
#include "script/script_args.h"

namespace vormak {

namespace {

// The number a "#" names: the digits after it, or the bracket after it worked out. Nothing is
// shown while the mouse merely rests on a line, so a bad bracket reads 0 quietly.
long long NamedNumber(const Workbench& bench, std::string_view after) {
  double value = 0;
  if (!after.empty() && after[0] == '[') {
    size_t close = 1;
    for (int depth = 1; close < after.size(); ++close) {
      if (after[close] == '[') ++depth;
      if (after[close] == ']' && --depth == 0) break;
    }
    std::string inside = SubstituteScriptVariables(bench, after.substr(1, close - 1));
    std::replace(inside.begin(), inside.end(), '[', '(');
    std::replace(inside.begin(), inside.end(), ']', ')');
    const EvalResult r = EvaluateText(inside);
    value = r.failed() ? 0 : r.value;
  } else {
    value = std::atof(std::string(after.substr(0, 20)).c_str());
  }
  return std::fabs(value) < 1e9 ? static_cast<long long>(std::nearbyint(value)) : 0;
}

}  // namespace

std::string ScriptLineHint(const Workbench& bench, std::string_view line) {
  std::string hint;
  for (size_t hash = line.find('#'); hash != std::string_view::npos;
       hash = line.find('#', hash + 1)) {
    const long long n = NamedNumber(bench, line.substr(hash + 1));
    if (n > 0) hint += "#" + IntText(n) + "=" + ScriptVariableText(bench, n) + ",";
  }
  return hint;
}

}  // namespace vormak
