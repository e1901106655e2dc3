#pragma once
// A host for the fuzz targets: every message is swallowed, warnings answer as told.

#include <cstddef>
#include <cstdint>
#include <string>

#include "nctext/quiet_host.h"
#include "settings/machine_settings.h"

namespace vormak {

class FuzzHost : public QuietHost {
 public:
  Answer warning_answer = Answer::kOk;
  int messages = 0;

  Answer Warning(const std::string&, const std::string&) override {
    ++messages;
    return warning_answer;
  }
  void Information(const std::string&, const std::string&) override { ++messages; }
};

// Takes one byte off the front of the input (0 when it is empty).
inline uint8_t TakeByte(const uint8_t*& data, size_t& size) {
  if (size == 0) return 0;
  --size;
  return *data++;
}

// The machine an input runs on, from one of its bytes: system type, dialect and radius mode,
// and no folder where a called subprogram could be found.
inline void FuzzMachine(MachineSettings& s, uint8_t machine) {
  s.system_type = static_cast<SystemType>(1 + machine % 3);
  s.code_format = (machine >> 2) % 3;
  s.x_radius = (machine & 0x10) != 0;
  s.nc_path = "/nonexistent-vormak-fuzz";
}

}  // namespace vormak
