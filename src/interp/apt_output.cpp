#include "interp/apt_output.h"

#include <cerrno>
#include <cmath>
#include <cstdio>

#include "interp/interp_state.h"
#include "interp/later_hooks.h"
#include "settings/number_text.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr const char* kAptHeader[] = {"PARTNO/0", "MCS/1.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,1.0,0.0,0.0",
                                      "SEQNO/OFF", "SELECT/0", "MULTAX/OFF"};

bool IsMill(const Workbench& bench) {
  return bench.settings.system_type == SystemType::kMill;
}

std::string Whole(double value) {
  if (!std::isfinite(value) || std::fabs(value) > 1e15) value = 0;
  return WholeNumberText(std::llround(value));
}

std::string Numbers(std::initializer_list<double> values) {
  std::string text;
  for (double v : values) {
    if (!text.empty()) text += ',';
    // A tilt of 90 degrees leaves a cosine of 6e-17, which is no "-.0".
    text += PlainNumberText(std::fabs(v) < 5e-5 ? 0.0 : v);
  }
  return text;
}

}  // namespace

bool OpenAptOutput(Workbench& bench, const std::string& path) {
  CloseAptOutput(bench);
  AptOutputState& apt = bench.interp.apt;
  const std::string scratch = path + ".~apt";
  std::FILE* file = std::fopen(scratch.c_str(), "wb");
  if (file == nullptr) return false;
  apt.file = std::shared_ptr<std::FILE>(file, [](std::FILE* f) { std::fclose(f); });
  apt.path = path;
  apt.scratch = scratch;
  apt.write_error = 0;
  for (const char* line : kAptHeader) WriteAptLine(bench, line);
  return true;
}

bool CloseAptOutput(Workbench& bench) {
  AptOutputState& apt = bench.interp.apt;
  if (!apt.file) return true;
  WriteAptLine(bench, "FINI");
  // The flush is where a full disk shows.
  if (apt.write_error == 0 && (std::fflush(apt.file.get()) != 0 || std::ferror(apt.file.get()))) {
    apt.write_error = errno != 0 ? errno : EIO;
  }
  apt.file.reset();
  if (apt.write_error == 0 && std::rename(apt.scratch.c_str(), apt.path.c_str()) != 0) {
    apt.write_error = errno;
  }
  if (apt.write_error != 0) {
    std::remove(apt.scratch.c_str());
    errno = apt.write_error;
    return false;
  }
  return true;
}

bool AptOutputOn(const Workbench& bench) {
  return bench.interp.apt.file != nullptr;
}

void WriteAptLine(Workbench& bench, std::string_view line) {
  AptOutputState& apt = bench.interp.apt;
  if (!apt.file || apt.write_error != 0) return;
  std::FILE* file = apt.file.get();
  if (std::fwrite(line.data(), 1, line.size(), file) != line.size() ||
      std::fputs("\r\n", file) == EOF) {
    apt.write_error = errno != 0 ? errno : EIO;
    bench.stop_requested = true;  // the command reports it when the run has ended
  }
}

void WriteAptComment(Workbench& bench, std::string_view text) {
  WriteAptLine(bench, text);
}

void AptFeedWord(Workbench& bench, double feed) {
  if (AptOutputOn(bench) && IsMill(bench))
    WriteAptLine(bench, "FEDRAT/IPM," + PlainNumberText(feed));
}

void AptSpindleWord(Workbench& bench, double speed) {
  if (AptOutputOn(bench) && IsMill(bench)) WriteAptLine(bench, "SPINDL/RPM," + Whole(speed));
}

void AptToolWord(Workbench& bench, double tool) {
  if (AptOutputOn(bench)) WriteAptLine(bench, AptLoadToolLine(tool));
}

void AptMCode(Workbench& bench, int m) {
  if (!AptOutputOn(bench)) return;
  if (m == 8) WriteAptLine(bench, "COOLNT/FLOOD");
  if (m == 30) WriteAptLine(bench, "END");
}

void WriteAptCutter(Workbench& bench, double diameter, double corner_radius) {
  if (AptOutputOn(bench)) WriteAptLine(bench, "CUTTER/" + Numbers({diameter, corner_radius}));
}

void AptLinearMove(Workbench& bench, int turret, const Point& end, bool rapid) {
  if (!AptOutputOn(bench) || !IsMill(bench)) return;
  if (rapid && !bench.interp.machine.cycle_active) WriteAptLine(bench, "RAPID");
  const bool rotary = bench.settings.use[kUseRotary];
  if (rotary) WriteAptLine(bench, "MULTAX/ON");
  WriteAptLine(bench, AptGotoLine(end, bench.interp.Turret(turret)[kRegA]));
  if (rotary) WriteAptLine(bench, "MULTAX/OFF");
}

void AptArcMove(Workbench& bench, const Point& end, const Point& centre, double radius,
                int direction) {
  if (!AptOutputOn(bench) || !IsMill(bench)) return;
  WriteAptLine(bench, AptCircleLine(centre, radius, direction));
  WriteAptLine(bench, "GOTO/" + Numbers({end.x, end.y, end.z}));
}

std::string AptGotoLine(const Point& p, double a_degrees) {
  // The tool axis tilted about X by the A axis: straight up when A is 0.
  const double a = a_degrees * kPi / 180;
  return "GOTO/" + Numbers({p.x, p.y, p.z, 0, std::sin(a), std::cos(a)});
}

std::string AptCircleLine(const Point& centre, double radius, int direction) {
  const double axis = direction == 2 ? -1 : 1;
  return "CIRCLE/" + Numbers({centre.x, centre.y, centre.z, 0, 0, axis, radius});
}

std::string AptLoadToolLine(double tool) {
  const std::string t = Whole(tool);
  return "LOADTL/" + t + ",LENGTH,0.0,OSETNO," + t;
}

}  // namespace vormak
