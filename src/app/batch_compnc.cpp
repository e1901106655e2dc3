// vormak-batch compnc: Comp NC over a program file, as the "Comp NC" dialog runs it.
#include <cstdio>
#include <string>

#include "app/batch_commands.h"
#include "app/batch_nc_file.h"
#include "interp/block_interpreter.h"
#include "interp/compensation.h"
#include "interp/compensation_geometry.h"
#include "settings/number_text.h"

namespace vormak::batch {

namespace {

constexpr const char* kCompNcUsage =
    "compnc FILE --offset R --side left|right [--times N] [--leave-original] [--machine M] "
    "[--lines A-B] [-o OUT]";

bool Bad(const std::string& what, const std::string& text) {
  std::fprintf(stderr, "vormak-batch: bad %s '%s'\n", what.c_str(), text.c_str());
  return false;
}

}  // namespace

int RunCompNcCommand(const Args& args) {
  const NcOptionNames names{{"--offset", "--side", "--times"}, {"--leave-original"}};
  const auto options = ParseNcFileOptions(args, names, kCompNcUsage);
  if (!options) return 2;
  const auto bad_usage = [](const std::string& what, const std::string& text) {
    Bad(what, text);
    return UsageError(kCompNcUsage);
  };
  CompNcRequest request;
  const auto offset = ReadNumber(options->Value("--offset"));
  if (!options->Has("--offset") || !offset) return bad_usage("offset", options->Value("--offset"));
  request.amount = *offset;
  const std::string side = options->Value("--side");
  if (side == "left") {
    request.side = kLeftSide;
  } else if (side == "right") {
    request.side = kRightSide;
  } else {
    return bad_usage("side", side);
  }
  if (options->Has("--times")) {
    const auto times = ReadWholeNumber(options->Value("--times"));
    if (!times || *times < 0 || *times > 1000) return bad_usage("times", options->Value("--times"));
    request.times = static_cast<int>(*times);
  }
  request.leave_original = options->Has("--leave-original");

  NcFileSession session;
  if (!session.Open(*options)) return 1;
  Workbench& bench = session.bench();
  bench.stop_requested = false;
  // A program compensated from its start: both turrets at the end-of-program state.
  for (TurretState& turret : bench.interp.turret) SetGDefaults(turret);
  vormak::RunCompNc(bench, 1, session.Range(), request);
  return session.Write(*options) ? 0 : 1;
}

}  // namespace vormak::batch
