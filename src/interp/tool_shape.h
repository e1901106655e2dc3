#pragma once
// The tool-nose record of each turret: where the tool's nose centre sits, its radius, angle,
// width and orientation. Read from the header of a CDL tool file and written back into one;
// lathe compensation and the tool picture work from it.

#include <array>
#include <string>

namespace vormak {

struct ToolShape {
  double centre_x = 0;
  double centre_z = 0;
  double nose_radius = 0;
  double angle = 0;
  double width = 0;
  int orientation = 0;  // the tool-nose direction code 0..9
  std::string name;     // "$TOOL=" of the tool file, at most 40 characters
};

inline constexpr int kTurretCount = 2;
inline constexpr size_t kToolNameLength = 40;

struct ToolShapes {
  ToolShape& Current() { return turret[static_cast<size_t>(current_turret == 2 ? 1 : 0)]; }
  const ToolShape& Current() const {
    return turret[static_cast<size_t>(current_turret == 2 ? 1 : 0)];
  }

  std::array<ToolShape, kTurretCount> turret{};  // turret A, turret B
  int current_turret = 1;
  std::string tool_file_name;  // the tool file last written or read
};

}  // namespace vormak
