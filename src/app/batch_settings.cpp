// vormak-batch settings MACHINE_FILE: the machine file as the program sees it after loading.
#include <cstdio>

#include "app/batch_commands.h"
#include "app/batch_host.h"
#include "settings/machine_keys.h"
#include "workbench/machine_file.h"
#include "workbench/workbench.h"

namespace vormak::batch {

int RunSettings(const Args& args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: vormak-batch settings MACHINE_FILE\n");
    return 2;
  }
  ConsoleHost host;
  Workbench bench(host);
  bench.locations = FindLocations("");
  bench.machines.Slot(1).path = args[0];
  if (!LoadMachineSettings(bench, 1)) return 1;  // the message is on stderr
  for (const auto& key : MachineKeys()) {
    std::printf("%s=%s\n", key.name.c_str(), key.text(bench.settings).c_str());
  }
  return 0;
}

}  // namespace vormak::batch
