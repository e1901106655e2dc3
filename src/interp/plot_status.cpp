#include "interp/plot_status.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "cad/geometry_measure.h"
#include "interp/interp_state.h"
#include "interp/machining_time.h"
#include "interp/macro_variables.h"
#include "nctext/pane_services.h"
#include "settings/number_text.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr char kUnknown[] = "---";
constexpr long long kMaxWatchRange = 1000;  // entries one "Add" makes at the most

// Whole numbers (to the four decimals shown) as plain integers, others as plain number text.
std::string Number(double value) {
  const double whole = std::round(value);
  if (std::fabs(value - whole) < 0.00005 && std::fabs(whole) < 1e15) {
    return WholeNumberText(static_cast<long long>(whole));
  }
  return PlainNumberText(value);
}

bool IsLatheSystem(const Workbench& bench) {
  return bench.settings.system_type == SystemType::kLathe;
}

// The plot-plane point of a register triple: (X, Y) on a mill, (Z, X) on a lathe.
Point PlanePoint(const Workbench& bench, double x, double y, double z) {
  return IsLatheSystem(bench) ? Point{z, x, 0} : Point{x, y, 0};
}

int RegisterOf(char letter) {
  switch (letter) {
    case 'A':
      return kRegA;
    case 'B':
      return kRegB;
    case 'C':
      return kRegC;
    case 'D':
      return kRegD;
    case 'E':
      return kRegE;
    case 'F':
      return kRegF;
    case 'I':
      return kRegI;
    case 'J':
      return kRegJ;
    case 'K':
      return kRegK;
    case 'L':
      return kRegL;
    case 'O':
      return kRegProgram;
    case 'P':
      return kRegP;
    case 'Q':
      return kRegQ;
    case 'R':
      return kRegR;
    case 'S':
      return kRegS;
    case 'T':
      return kRegT;
    case 'U':
      return kRegU;
    case 'W':
      return kRegW;
    case 'X':
      return kRegX;
    case 'Y':
      return kRegY;
    case 'Z':
      return kRegZ;
    default:
      return -1;
  }
}

long long LeadingNumber(const std::string& text, size_t& at) {
  long long n = 0;
  size_t digits = 0;
  while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])) && digits < 12) {
    n = n * 10 + (text[at++] - '0');
    ++digits;
  }
  return digits == 0 ? -1 : n;
}

// The spindle as the program left it: the S word while M03 or M04 holds, and under constant
// surface speed on a lathe the speed at the tool's present diameter, held to MaxRPM.
std::pair<std::string, std::string> SpindleTexts(const Workbench& bench, const TurretState& t) {
  const double s = t[kRegS];
  if (!bench.interp.machine.spindle_on || !(s > 0)) return {kUnknown, kUnknown};
  if (!IsLatheSystem(bench) || !t.G(96)) return {Number(s), kUnknown};
  // The X register already holds the radius: a diameter word was halved as it was read.
  const double radius = std::fabs(t[kRegX]);
  const double max_rpm = bench.settings.max_rpm;
  const double rpm = radius > 0 ? std::min(SurfaceRpm(s, radius), max_rpm) : max_rpm;
  return {Number(std::round(rpm)), Number(s)};
}

}  // namespace

StatusFields StatusPageFields(const Workbench& bench, int turret) {
  const InterpState& interp = bench.interp;
  const ToolNose& tool = bench.tools.turret[turret == 2 ? 1 : 0];
  const Xyz& offset = interp.machine.common_offset;
  const FlowState& flow = interp.flow;
  const int level = std::clamp(flow.level, 0, kSubprogramLevels);
  const double program = level == 0 ? interp.Turret(turret)[kRegProgram]
                                    : flow.stack[static_cast<size_t>(level - 1)].program;
  const TimeState& time = interp.time;
  const auto [rpm, sfm] = SpindleTexts(bench, interp.Turret(turret));
  return {
      {"Plot Offset X:", Number(offset.x)},
      {"Y:", Number(offset.y)},
      {"Z:", Number(offset.z)},
      {"Tool File Name:",
       bench.tools.tool_file_name.empty() ? kUnknown : bench.tools.tool_file_name},
      {"Comment:", tool.name.empty() ? kUnknown : tool.name},
      {"Radius:", Number(tool.nose_radius)},
      {"Center X:", Number(tool.centre_x)},
      {"Center Z:", Number(tool.centre_z)},
      {"Angle:", Number(tool.angle)},
      {"Width:", Number(tool.width)},
      {"Orientation:", WholeNumberText(tool.orientation)},
      {"Sub Level:", WholeNumberText(level)},
      {"Prog#:", Number(program)},
      {"Blocktime:", time.accounting ? BlockTimeText(time.block_time) : kUnknown},
      {"Total Time:", time.accounting ? TotalTimeText(time.total_time) : kUnknown},
      {"RPM:", rpm},
      {"SFM:", sfm},
  };
}

StatusFields MovementPageFields(const Workbench& bench, int turret) {
  const InterpState& interp = bench.interp;
  const TurretState& t = interp.Turret(turret);
  const Point from = PlanePoint(bench, t[kRegPrevX], t[kRegPrevY], t[kRegPrevZ]);
  const Point to = PlanePoint(bench, t[kRegX], t[kRegY], t[kRegZ]);
  std::string radius = kUnknown, start = kUnknown, end = kUnknown, distance = kUnknown;
  if (t.G(0) || t.G(1)) {
    const double angle = DirectionAngle(from, to);
    radius = "0";
    start = end = Number(angle);
    const double dx = t[kRegX] - t[kRegPrevX], dy = t[kRegY] - t[kRegPrevY];
    const double dz = t[kRegZ] - t[kRegPrevZ];
    distance = Number(std::sqrt(dx * dx + dy * dy + dz * dz));
  } else if (t.G(2) || t.G(3)) {
    // Arcs show where they start and end seen from the centre, in their own plane, and their
    // length, as the executor drew the last one.
    const MotionState::ArcShown& arc = interp.motion.last_arc[turret == 2 ? 1 : 0];
    if (arc.direction != 0) {
      const ArcDirection dir =
          arc.direction == 2 ? ArcDirection::kClockwise : ArcDirection::kCounterClockwise;
      radius = Number(arc.radius);
      start = Number(arc.start_angle);
      end = Number(arc.end_angle);
      distance = Number(ArcLength(dir, arc.start_angle, arc.end_angle, arc.radius));
    }
  }
  const auto& rotation = interp.machine.rotation;
  const int pane = interp.run.turret == 2 ? 2 : interp.run.source_pane;
  return {
      {"Line:", PaneLine(bench, pane, interp.run.current_line)},
      {"From X:", Number(t[kRegPrevX])},
      {"From Y:", Number(t[kRegPrevY])},
      {"From Z:", Number(t[kRegPrevZ])},
      {"To X:", Number(t[kRegX])},
      {"To Y:", Number(t[kRegY])},
      {"To Z:", Number(t[kRegZ])},
      {"Radius:", radius},
      {"Start Angle:", start},
      {"End Angle:", end},
      {"From A:", Number(t[kRegPrevA])},
      {"From B:", Number(t[kRegPrevB])},
      {"From C:", Number(t[kRegPrevC])},
      {"To A:", Number(t[kRegA])},
      {"To B:", Number(t[kRegB])},
      {"To C:", Number(t[kRegC])},
      {"Feedrate:", Number(t.G(0) ? bench.settings.rapid_feed : t[kRegF])},
      {"Distance:", distance},
      {"Plot Rotated Around X:", Number(rotation[0].angle)},
      {"Y:", Number(rotation[1].angle)},
      {"Z:", Number(rotation[2].angle)},
  };
}

std::vector<std::string> WatchEntries(std::string text) {
  std::erase(text, '.');
  std::erase(text, '-');
  std::vector<std::string> entries;
  if (text.empty()) return entries;
  const char kind = text[0];
  if (kind == '@' || kind == '#') {
    size_t at = 1;
    const long long first = LeadingNumber(text, at);
    long long last = first;
    if (at < text.size() && text[at] == kind) {
      ++at;
      last = LeadingNumber(text, at);
    }
    if (first < 0 || last < first) return entries;
    last = std::min(last, first + kMaxWatchRange - 1);
    for (long long n = first; n <= last; ++n) {
      entries.push_back(std::string(1, kind) + WholeNumberText(n) + ":");
    }
    return entries;
  }
  const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(kind)));
  if ((letter >= 'A' && letter <= 'Z') || letter == '$') entries.emplace_back(1, letter);
  return entries;
}

std::string WatchEntryText(const Workbench& bench, int turret, const std::string& entry) {
  if (entry.empty()) return entry;
  const char kind = entry[0];
  const TurretState& t = bench.interp.Turret(turret);
  if (kind == '@' || kind == '#') {
    size_t at = 1;
    const long long n = LeadingNumber(entry, at);
    if (n < 0) return entry;
    const long long variable = kind == '@' ? n : ScriptVariableNumber(n);
    const std::string head = std::string(1, kind) + WholeNumberText(n) + ": ";
    if (kind == '#' && variable == 0) return head + kUnknown;
    return head + VariableText(bench.macro_variables, variable);
  }
  if (kind == '$') {
    const InterpState& interp = bench.interp;
    const int pane = interp.run.turret == 2 ? 2 : interp.run.source_pane;
    return "$: " + PaneLine(bench, pane, interp.run.current_line);
  }
  std::string text = std::string(1, kind) + ": ";
  if (kind == 'G') {
    for (int g = 0; g < 100; ++g) {
      if (t.G(g)) text += "," + WholeNumberText(g);
    }
  } else if (kind == 'M') {
    for (int m = 1; m <= 99; ++m) {
      if (t.M(m)) text += WholeNumberText(m);
    }
  } else {
    const int reg = RegisterOf(kind);
    text += reg < 0 ? kUnknown : Number(t.reg[static_cast<size_t>(reg)]);
  }
  return text;
}

}  // namespace vormak
