#include "interp/macro_out.h"

#include <string>

#include "interp/interp_state.h"
#include "settings/number_text.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

bool IsLatheSystem(const Workbench& bench) {
  return bench.settings.system_type == SystemType::kLathe;
}

// The coordinates written for a move: the end point, or end minus start in incremental form.
Point Written(const Workbench& bench, const Point& start, const Point& end) {
  if (!bench.interp.motion.macro_out_incremental) return end;
  return {end.x - start.x, end.y - start.y, end.z - start.z};
}

// "X" x "Y" y "Z" z on a mill; "X" x "Z" z on a lathe, whose points are (Z, X radius, 0) and
// whose X is written as a diameter in diameter mode.
std::string AxisWords(const Workbench& bench, const Point& p) {
  if (IsLatheSystem(bench)) {
    const double x = bench.settings.x_radius ? p.y : 2 * p.y;
    return "X" + PlainNumberText(x) + "Z" + PlainNumberText(p.x);
  }
  return "X" + PlainNumberText(p.x) + "Y" + PlainNumberText(p.y) + "Z" + PlainNumberText(p.z);
}

}  // namespace

bool OpenMacroOut(Workbench& bench, const std::string& path) {
  CloseMacroOut(bench);
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  MacroOutState& out = bench.interp.macro_out;
  out.file = std::shared_ptr<std::FILE>(file, [](std::FILE* f) { std::fclose(f); });
  out.path = path;
  out.plane = 1;
  return true;
}

bool CloseMacroOut(Workbench& bench) {
  MacroOutState& out = bench.interp.macro_out;
  if (!out.file) return true;
  // The file is closed by its last owner; the flush is where a full disk shows.
  const bool flushed = std::fflush(out.file.get()) == 0;
  if (!flushed) bench.host().Information("Error writing to: " + out.path, "Macro Out");
  out.file.reset();
  return flushed;
}

bool MacroOutOpen(const Workbench& bench) {
  return bench.interp.macro_out.file != nullptr;
}

void WriteMacroOutLine(Workbench& bench, std::string_view line) {
  MacroOutState& out = bench.interp.macro_out;
  if (!out.file) return;
  std::FILE* file = out.file.get();
  if (std::fwrite(line.data(), 1, line.size(), file) != line.size() ||
      std::fputs("\r\n", file) == EOF) {
    out.file.reset();
    bench.host().Information("Error writing to: " + out.path, "Macro Out");
  }
}

std::string LinearMoveBlock(const Workbench& bench, int turret, const Point& start,
                            const Point& end, bool rapid) {
  std::string block = (rapid ? "G00" : "G01") + AxisWords(bench, Written(bench, start, end));
  if (!rapid) block += "F" + PlainNumberText(bench.interp.Turret(turret)[kRegF]);
  return block;
}

std::string ArcMoveBlock(const Workbench& bench, int turret, const Point& start, const Point& end,
                         int direction) {
  const TurretState& t = bench.interp.Turret(turret);
  std::string block =
      (direction == 2 ? "G02" : "G03") + AxisWords(bench, Written(bench, start, end));
  if (!IsLatheSystem(bench)) {
    block += "I" + PlainNumberText(t[kRegI]) + "J" + PlainNumberText(t[kRegJ]);
  } else {
    block += "I" + PlainNumberText(t[kRegI]);
  }
  block += "K" + PlainNumberText(t[kRegK]) + "F" + PlainNumberText(t[kRegF]);
  return block;
}

void EchoLinearMove(Workbench& bench, int turret, const Point& start, const Point& end,
                    bool rapid) {
  if (MacroOutOpen(bench))
    WriteMacroOutLine(bench, LinearMoveBlock(bench, turret, start, end, rapid));
}

void EchoArcMove(Workbench& bench, int turret, const Point& start, const Point& end, int direction,
                 int plane) {
  if (!MacroOutOpen(bench)) return;
  MacroOutState& out = bench.interp.macro_out;
  if (!IsLatheSystem(bench) && plane != out.plane) {
    WriteMacroOutLine(bench, "G" + std::to_string(16 + plane));
    out.plane = plane;
  }
  WriteMacroOutLine(bench, ArcMoveBlock(bench, turret, start, end, direction));
}

}  // namespace vormak
