#pragma once
// The Calc page: a running list of sums. Each line typed is worked out and its answer added
// below it as "=value"; a line that starts with an operator carries on from the last answer,
// and MN(a,b) gives the middle of a tolerance band.

#include <string>
#include <string_view>
#include <vector>

namespace vormak {

struct CalcList {
  std::vector<std::string> lines;
};

// Enters one input line; false (and nothing added) when it does not work out.
bool EnterCalcLine(CalcList& list, std::string_view input);

// A list line as the input takes it back on a double-click: without its leading "=".
std::string RecalledCalcLine(std::string_view line);

// The lines handed to the clipboard, each followed by CR LF.
std::string CopiedCalcLines(const std::vector<std::string>& lines);

}  // namespace vormak
