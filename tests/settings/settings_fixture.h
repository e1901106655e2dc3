#pragma once
// A workbench whose machine 1 is a file in a fresh temp folder.

#include <gtest/gtest.h>

#include <string>

#include "support/fake_host.h"
#include "temp_folder.h"
#include "workbench/machine_file.h"
#include "workbench/workbench.h"

namespace vormak::test {

class SettingsTest : public ::testing::Test {
 protected:
  SettingsTest() : bench(host) {
    bench.locations.install_dir = folder.File("install");
    bench.locations.config_dir = folder.File("config");
    bench.machines.Slot(1).path = folder.File("machine.ini");
  }

  // Writes the machine file and loads it as machine 1.
  bool Load(const std::string& text) {
    folder.Write("machine.ini", text);
    return LoadMachineSettings(bench, 1);
  }
  bool LoadKeys(const std::string& keys) { return Load("[VORMAK]\n" + keys); }
  std::string MachineFileText() const { return folder.Read("machine.ini"); }

  TempFolder folder;
  FakeHost host;
  Workbench bench;
};

}  // namespace vormak::test
