// Any text read as a machine file gives settings, and those settings written back and read again
// give the same file: what Configuration > Save writes is what the next start reads.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "settings/ini_file.h"
#include "settings/machine_keys.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vormak;
  const IniFile original(std::string_view(reinterpret_cast<const char*>(data), size));
  const MachineSettings read = ReadMachineSettings(original, "/nonexistent-vormak-fuzz");
  IniFile first;
  WriteMachineKeys(read, KeyGroup::kMachine, first);
  const MachineSettings again = ReadMachineSettings(first, "/nonexistent-vormak-fuzz");
  IniFile second;
  WriteMachineKeys(again, KeyGroup::kMachine, second);
  if (first.Text() != second.Text()) std::abort();
  return 0;
}
