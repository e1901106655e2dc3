// vormak-batch bolt-circle: the blocks Utilities2 "Bolt Circle.." writes, one a line.
#include <algorithm>
#include <cstdio>
#include <string>

#include "app/batch_commands.h"
#include "app/batch_host.h"
#include "app/batch_nc_file.h"
#include "settings/number_text.h"
#include "utilities/bolt_circle.h"
#include "workbench/workbench.h"

namespace vormak::batch {

const char kBoltCircleUsage[] =
    "bolt-circle --centre X,Y --diameter D --holes N [--start-angle A] [--cycle LINE] "
    "[--machine M]";

namespace {

bool Number(const std::string& text, double& value) {
  const auto number = ReadNumber(text);
  if (!number) return BadValue("number", text);
  value = *number;
  return true;
}

bool Centre(const std::string& text, BoltCircleRequest& request) {
  const size_t comma = text.find(',');
  if (comma == std::string::npos) return BadValue("centre", text);
  return Number(text.substr(0, comma), request.centre_x) &&
         Number(text.substr(comma + 1), request.centre_y);
}

}  // namespace

int RunBoltCircle(const Args& args) {
  BoltCircleRequest request;
  std::string machine;
  bool have_centre = false, have_diameter = false, have_holes = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    if (i + 1 >= args.size()) return UsageError(kBoltCircleUsage);
    const std::string& value = args[++i];
    bool ok = true;
    if (option == "--centre") {
      ok = have_centre = Centre(value, request);
    } else if (option == "--diameter") {
      ok = have_diameter = Number(value, request.diameter);
    } else if (option == "--holes") {
      const auto holes = ReadWholeNumber(value);
      ok = have_holes = holes.has_value() || BadValue("number of holes", value);
      // Out-of-range counts stay out of range, without overflowing, for the check below.
      if (holes)
        request.holes = static_cast<int>(std::clamp<long long>(*holes, 0, kMaxBoltHoles + 1));
    } else if (option == "--start-angle") {
      ok = Number(value, request.start_angle);
    } else if (option == "--cycle") {
      request.cycle_line = value;
    } else if (option == "--machine") {
      machine = value;
    } else {
      ok = false;
    }
    if (!ok) return UsageError(kBoltCircleUsage);
  }
  if (!have_centre || !have_diameter || !have_holes) return UsageError(kBoltCircleUsage);
  ConsoleHost host;
  Workbench bench(host);
  if (!LoadMachineOption(bench, machine)) return 1;
  const std::string problem = BoltCircleProblem(request);
  if (!problem.empty()) {
    std::fprintf(stderr, "vormak-batch: %s\n", problem.c_str());
    return 1;
  }
  for (const std::string& block : BoltCircleBlocks(bench.word_formats, request)) {
    std::printf("%s\n", block.c_str());
  }
  return 0;
}

}  // namespace vormak::batch
