// Writing machine files: every key round-trips, the user's own lines survive, and the partial
// writes touch only their keys.
#include <gtest/gtest.h>

#include "settings/ini_file.h"
#include "settings/machine_keys.h"
#include "settings_fixture.h"

namespace vormak {
namespace {

using test::SettingsTest;

// Every member set away from its default.
MachineSettings Unusual() {
  MachineSettings s;
  s.nc_extension = "min";
  s.machine_name = "Okuma LB15";
  s.cdl_path = "/cad";
  s.dxf_path = "/dxf";
  s.iges_path = "/iges";
  s.nc_path = "C:\\NC";
  s.tool_path = "/tools";
  s.picture_path = "/pictures";
  s.script_path = "/scripts";
  s.project_path = "/projects";
  s.background_color = 3;
  s.cad_file_type = CadFileType::kIges;
  s.vertical_lathe = true;
  s.x_radius = true;
  s.plot_speed = 77;
  s.upper_case = true;
  s.mirror = {true, true, true};
  s.punch_type = 3;
  s.comm_port = 4;
  s.comm_baud_rate = 19200;
  s.comm_parity = 'E';
  s.comm_data_bits = 7;
  s.comm_stop_bits = 2;
  s.punch_wait = 150;
  s.inches_leader = 12;
  s.comm_handshake = 2;
  s.comm_device = "/dev/ttyUSB0";
  s.plot_speed_factor = 12.5;
  s.clip_tool_margin = 1.25;
  s.corner_radius = 0.0625;
  s.solid_tool_color = 2;
  s.decel_factor = 0.0000123456789;
  s.print_margin = 7;
  s.edit_window_size = 45;
  s.rapid_cutoff = 150;
  s.rapid_feed = 1200.5;
  s.feed_cutoff = 80.25;
  s.block_increment = 10;
  s.start_block = 100;
  s.system_type = SystemType::kEdm;
  s.rotary_rapid = 3600;
  s.rotary_axis = {2, 3, 1};
  s.arc_type = 2;
  s.solid_layer = 17;
  s.lathe_minus = true;
  s.twin_turrets = true;
  s.recall_files = true;
  s.file_save_style = 3;
  s.code_format = 2;
  s.mirror_lathe_cad = true;
  s.address_order = "NGXYZIJKFSTM";
  s.comment_char = ";";
  s.end_comment_char = "";
  s.multi_address = "GM";
  s.ignore_char = "%/";
  s.sldwrks = {"D1@Sketch1", "D2", "D3", "D4", "D5", "D6"};
  s.model_link_file = "/tmp/model.link";
  s.var_prefix = "V";
  s.custom_script = "/scripts/pre.scr";
  s.stamp = "JB 12/09";
  s.clip_draw = true;
  s.save_toolbar_pos = true;
  for (int i = 0; i < kToolBoxButtons; ++i) s.toolbox[i] = {"CMD" + std::to_string(i), "b.bmp"};
  s.toolbox[0] = {"RENUMBER", ""};
  s.toolbox[19] = {"", "only.bmp"};
  for (int f = 1; f <= kUseFlagCount; ++f) s.use.Set(f, f % 3 != 0 || f == kUseMacros);
  s.highlight = {{{'X', 1}, {'Y', 2}, {'Z', 3}, {'F', 4}, {'S', 5}, {'T', 0}, {'(', 5}}};
  for (int i = 0; i < kMacroCallRows; ++i)
    s.macros[i] = {"M" + std::to_string(i), 1.5 * i, 9000 + i};
  s.macros[0] = {"DRILL", 2.5, 9010};
  s.macros[5] = {"TAP", -1, 9020};
  s.exec = {"/usr/bin/gedit", "", "calc", "scripts/post.sh"};
  for (auto& format : s.letter_formats) format = "0000.000,1,1,0";
  s.letter_formats[0] = "0.000,0,1,1";
  s.letter_formats[25] = "00000.00,0,0,1";
  s.cad_file = "/cad/part.cdl";
  s.nc_file = "/nc/part.nc";
  s.start_width = 1024;
  s.start_height = 700;
  s.start_left = 10;
  s.start_top = 20;
  s.start_edit_width = 420;
  s.font_name = "DejaVu Sans Mono";
  s.font_size = 11;
  s.font_style = {true, false, false, true};
  s.font_color = 255;
  return s;
}

TEST_F(SettingsTest, EveryWrittenKeyRoundTrips) {
  // The round trip proves something only for keys that differ from their default.
  for (const auto& key : MachineKeys()) {
    if (key.group == KeyGroup::kReadOnly) continue;
    EXPECT_NE(key.text(Unusual()), key.text(MachineSettings{})) << key.name;
  }
  ASSERT_TRUE(Load(""));
  bench.settings = Unusual();
  ASSERT_TRUE(SaveMachineSettings(bench));
  bench.settings = MachineSettings{};
  ASSERT_TRUE(LoadMachineSettings(bench, 1));
  EXPECT_EQ(bench.settings, Unusual());
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(SettingsTest, SaveWritesInTableOrderAndSkipsReadOnlyAndEmptyRows) {
  ASSERT_TRUE(Load(""));
  bench.settings.toolbox[4] = {"RUN", ""};
  ASSERT_TRUE(SaveMachineSettings(bench));
  const IniFile file(MachineFileText());
  for (const char* never : {"MaxRPM", "MaxClip", "HomeXYZ", "ToolBox1", "Macro1", "CommDevice"})
    EXPECT_FALSE(file.Has("VORMAK", never)) << never;
  EXPECT_EQ(file.Find("VORMAK", "ToolBox5"), "RUN,");
  EXPECT_EQ(file.Find("VORMAK", "DecelFactor"), "0.00002");
  EXPECT_EQ(file.Find("VORMAK", "RapidCutoff"), ".05");
  EXPECT_EQ(file.Find("VORMAK", "Use"),
            "1,1,0,0,0,0,0,0,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,");
  const std::string text = MachineFileText();
  EXPECT_LT(text.find("NCExtension="), text.find("MachineName="));
  EXPECT_LT(text.find("CommHandshake="), text.find("PlotSpeedFactor="));
  EXPECT_LT(text.find("Z=000"), text.find("FontColor="));
}

TEST_F(SettingsTest, SaveKeepsCommentsUnknownKeysAndSpelling) {
  const std::string original =
      "; big Okuma in bay 3\r\n"
      "[Vormak]\r\n"
      "ncextension=min\r\n"
      "; operator's favourite\r\n"
      "Spindle Warmup=10\r\n"
      "CommBaudRate=4800\r\n"
      "\r\n"
      "[ToolbarPositions]\r\n"
      "Plot=1,2,3\r\n";
  ASSERT_TRUE(Load(original));
  bench.settings.comm_baud_rate = 9600;
  ASSERT_TRUE(SaveMachineSettings(bench));
  const std::string text = MachineFileText();
  const std::string kept =
      "; big Okuma in bay 3\r\n[Vormak]\r\nncextension=min\r\n; operator's favourite\r\n"
      "Spindle Warmup=10\r\nCommBaudRate=9600\r\nMachineName=\r\n";
  EXPECT_EQ(text.substr(0, kept.size()), kept) << text;
  EXPECT_NE(text.find("\r\n\r\n[ToolbarPositions]\r\nPlot=1,2,3\r\n"), std::string::npos);
  EXPECT_EQ(text.find('\n', 0), text.find("\r\n", 0) + 1);  // the file's CR-LF kept
  EXPECT_EQ(text.find("\n\n"), std::string::npos);
}

TEST_F(SettingsTest, ClearedToolBoxButtonAndMacroRowStayCleared) {
  ASSERT_TRUE(
      LoadKeys("ToolBox3=RENUMBER,renum.bmp\nMacro2=DRILL,1,9010\nCommDevice=/dev/ttyS1\n"));
  bench.settings.toolbox[2] = {};
  bench.settings.macros[1] = {};
  bench.settings.comm_device.clear();
  ASSERT_TRUE(SaveMachineSettings(bench));
  ASSERT_TRUE(LoadMachineSettings(bench, 1));
  EXPECT_EQ(bench.settings.toolbox[2], ToolBoxButton{});
  EXPECT_EQ(bench.settings.macros[1], MacroCallRow{});
  EXPECT_EQ(bench.settings.comm_device, "");
}

TEST_F(SettingsTest, SaveToUnreadableFileShowsTheMessageAndWritesNothing) {
  bench.machines.Slot(1).path = folder.File("gone.ini");
  EXPECT_FALSE(SaveMachineSettings(bench));
  EXPECT_TRUE(host.Showed("Can't Open ini File: " + folder.File("gone.ini")));
  EXPECT_FALSE(std::filesystem::exists(folder.File("gone.ini")));
  bench.machines.current = 0;
  EXPECT_FALSE(SaveMachineSettings(bench));
  EXPECT_TRUE(host.Showed("Bad Format Settings Number"));
}

TEST_F(SettingsTest, FontAndSessionWritesTouchOnlyTheirKeys) {
  ASSERT_TRUE(LoadKeys("FontName=Courier\nRapidFeed=300.0\n"));
  bench.settings.rapid_feed = 999;
  bench.settings.font_name = "Hack";
  bench.settings.font_style = {false, true, false, false};
  bench.settings.nc_file = "/nc/last.nc";
  bench.settings.start_width = 800;
  ASSERT_TRUE(SaveEditorFont(bench));
  EXPECT_EQ(MachineFileText(),
            "[VORMAK]\nFontName=Hack\nRapidFeed=300.0\nFontSize=8\nFontStyle=0,1,0,0\n"
            "FontColor=16711680\n");
  ASSERT_TRUE(SaveSessionSettings(bench));
  const IniFile file(MachineFileText());
  EXPECT_EQ(file.Find("VORMAK", "NCFile"), "/nc/last.nc");
  EXPECT_EQ(file.Find("VORMAK", "StartWidth"), "800");
  EXPECT_EQ(file.Find("VORMAK", "RapidFeed"), "300.0");

  // A machine file that has gone away is not made again at shut-down.
  bench.machines.Slot(1).path = folder.File("gone.ini");
  EXPECT_FALSE(SaveSessionSettings(bench));
  EXPECT_FALSE(std::filesystem::exists(folder.File("gone.ini")));
}

TEST_F(SettingsTest, WindowPlacementRestoresOnlyUsableSizes) {
  ASSERT_TRUE(LoadKeys("StartWidth=99\nStartHeight=600\nStartLeft=30\nStartTop=40\n"));
  WindowPlacement p = RestoreWindowPlacement(bench, 1, 1920, 1080, false);
  EXPECT_TRUE(p.full_screen);
  EXPECT_EQ(p.left, 0);
  EXPECT_EQ(p.width, 1920);
  EXPECT_EQ(p.height, 1080);

  ASSERT_TRUE(LoadKeys("StartWidth=3000\nStartHeight=600\nStartLeft=30\nStartTop=40\n"));
  p = RestoreWindowPlacement(bench, 1, 1920, 1080, false);
  EXPECT_FALSE(p.full_screen);
  EXPECT_EQ(p.left, 30);
  EXPECT_EQ(p.top, 40);
  EXPECT_EQ(p.width, 1920);  // limited to the screen
  EXPECT_EQ(p.height, 600);

  EXPECT_TRUE(RestoreWindowPlacement(bench, 1, 1920, 1080, true).keep_maximized);

  bench.machines.Slot(2).path = folder.File("gone.ini");
  p = RestoreWindowPlacement(bench, 2, 800, 600, false);
  EXPECT_TRUE(p.full_screen);
  EXPECT_EQ(p.width, 800);
  EXPECT_TRUE(host.Showed("Can't Open ini File: " + folder.File("gone.ini")));
}

}  // namespace
}  // namespace vormak
