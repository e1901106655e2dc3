#pragma once
// A host for the fuzz targets: every message is swallowed, warnings answer as told.

#include <unistd.h>

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

// A file name of this process for the files a target hands to a reader or has a writer save,
// in memory-backed /dev/shm where there is one: a file rewritten and renamed on every run
// would otherwise have the file system flush it to disk each time.
inline std::string ScratchFile(const std::string& stem) {
  static const std::string folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
  return folder + "/vormak-fuzz-" + stem + "-" + std::to_string(getpid());
}

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
