// vormak-batch rotate and reformat: Rotate NC and Reformat on a program file.
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/batch_commands.h"
#include "app/batch_nc_file.h"
#include "nctext/expression.h"
#include "settings/number_text.h"
#include "utilities/reformat.h"
#include "utilities/rotate_nc.h"
#include "workbench/machine_file.h"

namespace vormak::batch {

namespace {

std::optional<double> Number(const std::string& text) {
  if (auto number = ReadNumber(text)) return number;
  const EvalResult r = EvaluateText(text);
  if (r.failed()) return std::nullopt;
  return r.value;
}

// "X,Y,Z": the centre of rotation; missing parts are 0.
bool ReadCentre(const std::string& text, RotateRequest& request) {
  double* parts[3] = {&request.x0, &request.y0, &request.z0};
  size_t from = 0;
  for (int n = 0; n < 3 && from <= text.size(); ++n) {
    const size_t comma = text.find(',', from);
    const std::string part = text.substr(from, comma == std::string::npos ? comma : comma - from);
    if (!part.empty()) {
      const auto value = Number(part);
      if (!value) return false;
      *parts[n] = *value;
    }
    if (comma == std::string::npos) return true;
    from = comma + 1;
  }
  return false;
}

// A machine file, or a machine number of vormak.ini.
std::string MachinePath(Workbench& bench, const std::string& machine) {
  const auto number = ReadWholeNumber(machine);
  if (!number || std::filesystem::exists(machine)) return machine;
  if (*number < 1 || *number > kMachineSlots) return {};
  bench.locations = FindLocations("");
  LoadMachineList(bench);
  return bench.machines.Slot(static_cast<int>(*number)).path;
}

}  // namespace

const char kRotateUsage[] =
    "rotate --angle A [--axis X|Y|Z] [--centre X,Y,Z] [--copies N] [--leave-original] FILE "
    "[--machine M] [--lines A-B] [-o OUT] [--cancel]";
const char kReformatUsage[] =
    "reformat --target M2 FILE [--machine M] [--lines A-B] [-o OUT] [--cancel]";

int RunRotate(const Args& args) {
  const NcOptionNames names{{"--angle", "--axis", "--centre", "--copies"},
                            {"--leave-original", "--cancel"}};
  return RunOnFile(args, names, kRotateUsage, [](const NcFileOptions& o, NcFileSession& s) {
    s.host().AnswerWarningsCancel(o.Has("--cancel"));
    RotateRequest request;
    const auto angle = Number(o.Value("--angle"));
    if (!angle) return BadValue("--angle", o.Value("--angle"));
    request.angle = *angle;
    const std::string axis = o.Value("--axis", "Z");
    if (axis != "X" && axis != "Y" && axis != "Z" && axis != "x" && axis != "y" && axis != "z") {
      return BadValue("--axis (want X, Y or Z)", axis);
    }
    request.axis = static_cast<char>(std::toupper(static_cast<unsigned char>(axis[0])));
    if (o.Has("--centre") && !ReadCentre(o.Value("--centre"), request)) {
      return BadValue("--centre (want X,Y,Z)", o.Value("--centre"));
    }
    const auto copies = ReadWholeNumber(o.Value("--copies", "0"));
    if (!copies || *copies < 0 || *copies > 10000) return BadValue("--copies", o.Value("--copies"));
    RotateCopies(s.bench(), 1, s.Range(), request, static_cast<int>(*copies),
                 o.Has("--leave-original"));
    return true;
  });
}

int RunReformat(const Args& args) {
  const auto options = ParseNcFileOptions(args, {{"--target"}, {"--cancel"}}, kReformatUsage);
  if (!options) return 2;
  if (!options->Has("--target")) {
    std::fprintf(stderr, "vormak-batch: reformat needs --target\n");
    return UsageError(kReformatUsage);
  }
  NcFileSession session;
  if (!session.Open(*options)) return 1;
  session.host().AnswerWarningsCancel(options->Has("--cancel"));
  Workbench& bench = session.bench();
  const std::string path = MachinePath(bench, options->Value("--target"));
  const auto target = ReadTargetMachine(bench, path);
  if (!target) {
    std::fprintf(stderr, "Cannot open %s\n",
                 path.empty() ? options->Value("--target").c_str() : path.c_str());
    return 1;
  }
  bench.stop_requested = false;
  ReformatRange(bench, 1, session.Range(), *target);
  return session.Write(*options) ? 0 : 1;
}

}  // namespace vormak::batch
