#pragma once
// The ten machine slots of vormak.ini and the current machine.

#include <array>
#include <string>

// Qt defines `slots` as a macro; keep this header usable from window code.
#pragma push_macro("slots")
#undef slots

namespace vormak {

inline constexpr int kMachineSlots = 10;

struct MachineSlot {
  std::string path;  // full path of the machine file; empty slot when empty
  std::string name;  // the file's MachineName, "No Name" when it has none
};

struct MachineList {
  std::array<MachineSlot, kMachineSlots> slots{};  // slots[0] is machine 1
  int current = 1;                                  // 1..10

  const MachineSlot& Slot(int machine) const { return slots[static_cast<size_t>(machine - 1)]; }
  MachineSlot& Slot(int machine) { return slots[static_cast<size_t>(machine - 1)]; }
  int Count() const {
    int n = 0;
    for (const auto& s : slots) n += s.path.empty() ? 0 : 1;
    return n;
  }
};

}  // namespace vormak

#pragma pop_macro("slots")
