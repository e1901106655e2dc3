// vormak.ini: the machines list, the folders it lives in and its first creation.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "settings/ini_file.h"
#include "settings_fixture.h"
#include "support/test_paths.h"

namespace vormak {
namespace {

using test::SettingsTest;

class MachineListTest : public SettingsTest {
 protected:
  void WriteList(const std::string& keys) {
    folder.Write("config/vormak.ini", "[MachineINI]\n" + keys);
  }
};

TEST_F(MachineListTest, GapEndsTheList) {
  folder.Write("install/a.ini", "[VORMAK]\nMachineName=Mill A\n");
  folder.Write("install/b.ini", "[VORMAK]\n");
  WriteList("Machine1=a.ini\nMachine2=b.ini\nMachine4=a.ini\n");
  bench.machines.Slot(7).path = "stale";
  LoadMachineList(bench);
  EXPECT_EQ(bench.machines.Count(), 2);
  EXPECT_EQ(bench.machines.Slot(1).name, "Mill A");
  EXPECT_EQ(bench.machines.Slot(2).name, "No Name");
  EXPECT_EQ(bench.machines.Slot(7).path, "");
}

TEST_F(MachineListTest, BareNamesGetExtensionAndInstallFolder) {
  folder.Write("install/lathe.ini", "[VORMAK]\nMachineName=Lathe\n");
  folder.Write("install/EDM.INI", "[VORMAK]\nMachineName=Wire\n");
  folder.Write("elsewhere/my.mill/turn", "[VORMAK]\nMachineName=Far\n");
  WriteList("Machine1=lathe\nMachine2=edm\nMachine3=" + folder.File("elsewhere/my.mill/turn") +
            "\nMachine4=" + folder.File("elsewhere\\mill") + "\n");
  LoadMachineList(bench);
  EXPECT_EQ(bench.machines.Slot(1).path, folder.File("install/lathe.ini"));
  EXPECT_EQ(bench.machines.Slot(1).name, "Lathe");
  EXPECT_EQ(bench.machines.Slot(2).name, "Wire");  // found without regard to case
  // A dot in a folder name does not count as the file's extension.
  EXPECT_EQ(bench.machines.Slot(3).path, folder.File("elsewhere/my.mill/turn.ini"));
  EXPECT_EQ(bench.machines.Slot(4).path, folder.File("elsewhere/mill.ini"));
  ASSERT_TRUE(LoadMachineSettings(bench, 2));
  EXPECT_EQ(bench.settings.machine_name, "Wire");
}

TEST_F(MachineListTest, MachinesDialogWritesTenKeysAndReloads) {
  folder.Write("install/a.ini", "[VORMAK]\nMachineName=A\n");
  WriteList("; my machines\nMachine1=x\nMachine2=y\nMachine3=z\n");
  std::vector<std::string> entries;
  for (int i = 0; i < 10; ++i) EXPECT_TRUE(AddMachineEntry(host, entries, "a"));
  EXPECT_FALSE(AddMachineEntry(host, entries, "eleventh"));
  EXPECT_EQ(entries.size(), 10u);
  EXPECT_TRUE(host.Showed("Maximum 10 Machines"));

  WriteMachineList(bench, {"a", "b"});
  const IniFile file(folder.Read("config/vormak.ini"));
  EXPECT_EQ(file.Find("MachineINI", "Machine2"), "b");
  EXPECT_EQ(file.Find("MachineINI", "Machine3"), "");
  EXPECT_EQ(file.Find("MachineINI", "Machine10"), "");
  EXPECT_NE(folder.Read("config/vormak.ini").find("; my machines\n"), std::string::npos);
  EXPECT_EQ(bench.machines.Count(), 2);
  EXPECT_EQ(bench.machines.Slot(1).name, "A");
}

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    setenv(name, value.c_str(), 1);
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST_F(MachineListTest, FirstStartCopiesTheShippedMachines) {
  ScopedEnv home("VORMAK_HOME", folder.File("install"));
  ScopedEnv config("XDG_CONFIG_HOME", folder.File("xdg"));
  folder.Write("install/machines/lathe.ini", "[VORMAK]\nMachineName=Lathe\nSystemType=1\n");
  folder.Write("install/machines/mill.ini", "[VORMAK]\nMachineName=Mill\nSystemType=2\n");
  folder.Write("install/machines/zz_custom.ini", "[VORMAK]\nMachineName=Custom\n");

  const Locations locations = FindLocations("/usr/local/bin/vormak");
  EXPECT_EQ(locations.install_dir, folder.File("install"));
  EXPECT_EQ(locations.config_dir, folder.File("xdg/vormak"));
  EnsureMainSettings(locations);
  bench.locations = locations;
  LoadMachineList(bench);
  ASSERT_EQ(bench.machines.Count(), 3);
  EXPECT_EQ(bench.machines.Slot(1).path, folder.File("xdg/vormak/mill.ini"));
  EXPECT_EQ(bench.machines.Slot(2).name, "Lathe");
  EXPECT_EQ(bench.machines.Slot(3).name, "Custom");
  ASSERT_TRUE(LoadMachineSettings(bench, 1));
  EXPECT_EQ(bench.settings.system_type, SystemType::kMill);

  // The user's own list and machine files are never replaced.
  folder.Write("xdg/vormak/vormak.ini", "[MachineINI]\nMachine1=mine\n");
  folder.Write("xdg/vormak/mill.ini", "[VORMAK]\nMachineName=Edited\n");
  EnsureMainSettings(locations);
  EXPECT_EQ(folder.Read("xdg/vormak/vormak.ini"), "[MachineINI]\nMachine1=mine\n");
  EXPECT_EQ(folder.Read("xdg/vormak/mill.ini"), "[VORMAK]\nMachineName=Edited\n");
}

TEST_F(MachineListTest, FirstStartCopiesTheShippedToolsOnce) {
  folder.Write("install/tools/tools.txt", "Turning,3\r\n T,3,A\r\n");
  folder.Write("install/tools/A.CDL", "LINE   .0,.0,.0,1.0,.0,.0,15,1,0,1\r\n");
  Locations locations;
  locations.install_dir = folder.File("install");
  locations.config_dir = folder.File("cfg");
  EnsureMainSettings(locations);
  EXPECT_EQ(folder.Read("cfg/tools/A.CDL"), "LINE   .0,.0,.0,1.0,.0,.0,15,1,0,1\r\n");
  EXPECT_EQ(folder.Read("cfg/tools/tools.txt"), "Turning,3\r\n T,3,A\r\n");
  // The user's catalogue and tools stay as they are; a removed shipped tool is not restored.
  folder.Write("cfg/tools/tools.txt", "Mine,1\r\n");
  std::filesystem::remove(folder.File("cfg/tools/A.CDL"));
  EnsureUserTools(locations);
  EXPECT_EQ(folder.Read("cfg/tools/tools.txt"), "Mine,1\r\n");
  EXPECT_FALSE(std::filesystem::exists(folder.File("cfg/tools/A.CDL")));
}

TEST_F(MachineListTest, ConfigFolderFallsBackToHome) {
  ScopedEnv config("XDG_CONFIG_HOME", "");
  ScopedEnv home("HOME", "/home/machinist");
  EXPECT_EQ(FindLocations("vormak").config_dir, "/home/machinist/.config/vormak");
}

TEST_F(MachineListTest, ShippedMachineFilesLoad) {
  bench.locations.install_dir = test::SourceDataDir();
  const std::string dir = test::SourceDataDir() + "/machines/";
  const struct {
    const char* file;
    SystemType type;
    bool twin;
  } shipped[] = {{"mill.ini", SystemType::kMill, false},
                 {"lathe.ini", SystemType::kLathe, false},
                 {"edm.ini", SystemType::kEdm, false},
                 {"twin_lathe.ini", SystemType::kLathe, true}};
  for (const auto& m : shipped) {
    bench.machines.Slot(1).path = dir + m.file;
    ASSERT_TRUE(LoadMachineSettings(bench, 1)) << m.file;
    EXPECT_EQ(bench.settings.system_type, m.type) << m.file;
    EXPECT_EQ(bench.settings.twin_turrets, m.twin) << m.file;
    EXPECT_FALSE(bench.settings.machine_name.empty()) << m.file;
  }
}

}  // namespace
}  // namespace vormak
