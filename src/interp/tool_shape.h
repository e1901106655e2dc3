#pragma once
// What each turret carries besides its registers: the tool picture drawn at the tool's
// position (lines, points, arcs and circles from a CDL tool file or a "TM " cutter), the solid
// outline the solid view sweeps, and the tool-nose record lathe compensation works from.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "interp/interp_state.h"

namespace vormak {

// The tool-nose record: where the nose centre sits, its radius, angle, width and orientation.
// Read from the header of a CDL tool file and written back into one.
struct ToolNose {
  double centre_x = 0;
  double centre_z = 0;
  double nose_radius = 0;
  double angle = 0;
  double width = 0;
  int orientation = 0;  // the tool-nose direction code 0..9
  std::string name;     // "$TOOL=" of the tool file, at most 40 characters
};

// One entry of a tool picture: d[0] is the kind, d[1..8] as the kind says, relative to the
// tool's reference point (the programmed position).
//   LINE   1: start x y z (d1..d3), end x y z (d4..d6), d8 layer
//   POINT  2: x y z, d6 colour (RGB), d8 layer
//   ARC    3: centre x y z, d4 radius, d5 start angle, d6 end angle, d7 plane, d8 layer
//   CIRCLE 4: centre x y z, d4 radius, d7 plane, d8 layer
//   end   30
struct ToolEntry {
  std::array<double, 9> d{};
  int Kind() const { return static_cast<int>(d[0]); }
};

inline constexpr int kToolLine = 1;
inline constexpr int kToolPoint = 2;
inline constexpr int kToolArc = 3;
inline constexpr int kToolCircle = 4;
inline constexpr int kToolEnd = 30;
inline constexpr size_t kToolEntries = 40;

struct ToolPicture {
  ToolPicture() { Clear(); }
  void Clear() {
    for (ToolEntry& e : entries) e.d = {kToolEnd, 0, 0, 0, 0, 0, 0, 0, 0};
  }
  std::array<ToolEntry, kToolEntries> entries;
};

// The outline the solid view paints along the path: up to 4 circles and up to 10 points
// (one polygon), from the records of the tool file on the solid layer.
struct SolidCircle {
  double x = 0;
  double y = 0;
  double radius = 0;
};
struct SolidPoint {
  double x = 0;
  double y = 0;
};
inline constexpr size_t kSolidOutlineCircles = 4;
inline constexpr size_t kSolidOutlinePoints = 10;

struct SolidOutline {
  std::vector<SolidCircle> circles;
  std::vector<SolidPoint> points;
  bool Empty() const { return circles.empty() && points.empty(); }
};

// Where a turret's picture stands on the screen, so that it can be erased before it moves.
// During a plain run the picture is only painted where somebody can look at it (the run's end
// or stop, a repaint of the window): `drawn` says where it stands, `painted` whether its
// pixels are on the canvas, which a clear of the window (`PlotState::clears`) takes away.
struct PictureStand {
  bool drawn = false;
  Xyz at;
  bool turned = false;  // drawn whole turned by `angle` (a rotary sweep)
  double angle = 0;
  bool painted = false;
  unsigned painted_clears = 0;  // the window's clear count when it was painted
};

// One turret's move of a twin-turret line pair, kept until both turrets are swept together.
struct SweptMove {
  int kind = 0;  // 0 no move, 1 line, 2 arc
  Xyz start;
  Xyz end;
  Xyz centre;  // arcs
  int direction = 0;
};

inline constexpr int kTurretCount = 2;
inline constexpr size_t kToolNameLength = 40;

struct ToolShapes {
  static size_t Index(int turret) { return turret == 2 ? 1 : 0; }
  ToolNose& Current() { return turret[Index(current_turret)]; }
  const ToolNose& Current() const { return turret[Index(current_turret)]; }

  std::array<ToolNose, kTurretCount> turret{};  // tool-nose record of turret A, turret B
  std::array<ToolPicture, kTurretCount> shape{};
  std::array<SolidOutline, kTurretCount> solid{};
  std::array<std::string, kTurretCount> tool_name{};  // the text after "TL" as programmed
  std::array<bool, kTurretCount> loaded{};            // a tool picture is defined
  std::array<PictureStand, kTurretCount> stand{};
  int current_turret = 1;
  std::string tool_file_name;     // the tool file last written or read
  double mill_corner_radius = 0;  // of the last "TM " cutter
  std::array<SweptMove, kTurretCount> pair_move{};
  PictureStand mouse;  // the picture following the mouse while its left button is held
  int mouse_turret = 1;
  int crash_line = 0;  // the line of the last rapid that hit the part, 0 for none
  // Shows the plot after every sweep step; empty when no window watches (no step delay then).
  std::function<void()> repaint;
  // The two tool name panels of the main window; empty when nobody shows them.
  std::function<void(const std::string&, const std::string&)> show_names;
};

}  // namespace vormak
