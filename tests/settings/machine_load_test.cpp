// Loading a machine file: defaults, mending and the effects on the editor panes.
#include <gtest/gtest.h>

#include "settings/machine_keys.h"
#include "settings_fixture.h"

namespace vormak {
namespace {

using test::SettingsTest;

TEST_F(SettingsTest, EmptyFileGivesEveryDefault) {
  ASSERT_TRUE(Load(""));
  const MachineSettings& s = bench.settings;
  EXPECT_EQ(s.system_type, SystemType::kLathe);
  for (const auto& format : s.letter_formats) EXPECT_EQ(format, "000.0000,1,0,0");
  EXPECT_EQ(s.comment_char, "(");
  EXPECT_EQ(s.end_comment_char, ")");
  EXPECT_EQ(s.nc_extension, "nc");
  EXPECT_EQ(s.comm_baud_rate, 600);
  EXPECT_EQ(s.comm_port, 2);
  EXPECT_EQ(s.comm_parity, 'N');
  EXPECT_EQ(s.comm_data_bits, 8);
  EXPECT_EQ(s.comm_stop_bits, 1);
  EXPECT_EQ(s.picture_path, bench.locations.install_dir);
  EXPECT_TRUE(s.use[kUseCodes] && s.use[kUseTools] && s.use[kUseMacros]);
  EXPECT_FALSE(s.use[kUseSubprograms]);
  EXPECT_EQ(s.exec[3], "None");
  EXPECT_EQ(s.home_xyz, (std::array<double, 3>{100, 100, 100}));
  EXPECT_EQ(bench.machines.Slot(1).name, "No Name");
  EXPECT_EQ(bench.Pane(1)->GetLineBreakStyle(), LineBreakStyle::kCrLf);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(SettingsTest, OutOfRangeValuesAreMended) {
  ASSERT_TRUE(LoadKeys("FileSaveStyle=7\nSolidLayer=0\nPlotSpeed=-3\n"));
  EXPECT_EQ(bench.settings.file_save_style, 1);
  EXPECT_EQ(bench.settings.solid_layer, 254);
  EXPECT_EQ(bench.settings.plot_speed, 1);
  ASSERT_TRUE(LoadKeys("SolidLayer=255\nSolidLayer=7\n"));  // the first of two lines counts
  EXPECT_EQ(bench.settings.solid_layer, 254);
  ASSERT_TRUE(LoadKeys("SolidLayer=1\nPlotSpeed=100\n"));
  EXPECT_EQ(bench.settings.solid_layer, 1);
  EXPECT_EQ(bench.settings.plot_speed, 100);
}

TEST_F(SettingsTest, GarbageReadsAsTheDefault) {
  ASSERT_TRUE(
      LoadKeys("CommBaudRate=fast\nRapidFeed=lots\nPlotSpeed=x\nSystemType=9\nMirrorX=yes\n"
               "CommPort=2.5\nFontColor=blue\nMaxRPM=\nPrintMargin=1e400\nCommParity=MARK\n"
               "CADFileType=STEP\nOrientation=diagonal\n"));
  const MachineSettings defaults;
  const MachineSettings& s = bench.settings;
  EXPECT_EQ(s.comm_baud_rate, defaults.comm_baud_rate);
  EXPECT_EQ(s.rapid_feed, defaults.rapid_feed);
  EXPECT_EQ(s.plot_speed, defaults.plot_speed);
  EXPECT_EQ(s.system_type, SystemType::kLathe);
  EXPECT_FALSE(s.mirror[0]);
  EXPECT_EQ(s.comm_port, defaults.comm_port);
  EXPECT_EQ(s.font_color, defaults.font_color);
  EXPECT_EQ(s.max_rpm, defaults.max_rpm);
  EXPECT_EQ(s.print_margin, defaults.print_margin);
  EXPECT_EQ(s.comm_parity, 'N');
  EXPECT_EQ(s.cad_file_type, CadFileType::kCdl);
  EXPECT_FALSE(s.vertical_lathe);
}

TEST_F(SettingsTest, NumbersAreReadWithBlanksRemovedAndWholeTextRounded) {
  ASSERT_TRUE(
      LoadKeys("RapidFeed= 1 200.5\nPlotSpeed=12.6\nStartBlock=9.4\nBlockIncrement=-2.5\n"
               "CommBaudRate=9600\nDecelFactor=2E-5\n"));
  EXPECT_EQ(bench.settings.rapid_feed, 1200.5);
  EXPECT_EQ(bench.settings.plot_speed, 13);
  EXPECT_EQ(bench.settings.start_block, 9);
  EXPECT_EQ(bench.settings.block_increment, -3);
  EXPECT_EQ(bench.settings.comm_baud_rate, 9600);
  EXPECT_DOUBLE_EQ(bench.settings.decel_factor, 0.00002);
}

TEST_F(SettingsTest, EndCommentCharFollowsTheCommentChar) {
  ASSERT_TRUE(LoadKeys("CommentChar=;\nEndCommentChar=\n"));
  EXPECT_EQ(bench.settings.comment_char, ";");
  EXPECT_EQ(bench.settings.end_comment_char, "");
  ASSERT_TRUE(LoadKeys("CommentChar=;\n"));
  EXPECT_EQ(bench.settings.end_comment_char, "");
  ASSERT_TRUE(LoadKeys("CommentChar=(\nEndCommentChar=\n"));
  EXPECT_EQ(bench.settings.end_comment_char, ")");
  ASSERT_TRUE(LoadKeys("CommentChar=\nEndCommentChar=]\n"));
  EXPECT_EQ(bench.settings.comment_char, "(");
  EXPECT_EQ(bench.settings.end_comment_char, "]");
}

TEST_F(SettingsTest, HomeXyzIsReadInFull) {
  ASSERT_TRUE(LoadKeys("HomeXYZ=12.5,-100.25,3\n"));
  EXPECT_EQ(bench.settings.home_xyz, (std::array<double, 3>{12.5, -100.25, 3}));
  EXPECT_EQ(bench.interp.machine.home, (Xyz{12.5, -100.25, 3}));  // where G28 goes
  ASSERT_TRUE(LoadKeys("HomeXYZ=1.123456789,oops\n"));
  EXPECT_EQ(bench.settings.home_xyz, (std::array<double, 3>{1.123456789, 100, 100}));
}

TEST_F(SettingsTest, UseFlagsFollowTheFieldRules) {
  ASSERT_TRUE(LoadKeys("Use=0\n"));  // no comma: no fields at all
  for (int field = 1; field <= kUseFlagCount; ++field) {
    const bool expected = field == kUseCodes || field == kUseTools || field == kUseMacros;
    EXPECT_EQ(bench.settings.use[field], expected) << field;
  }
  ASSERT_TRUE(LoadKeys("Use=0,x,yes,1,1 ,0,0,0,0,\n"));
  EXPECT_FALSE(bench.settings.use[kUseCodes]);
  EXPECT_TRUE(bench.settings.use[kUseTools]);         // anything but "0"
  EXPECT_FALSE(bench.settings.use[kUseSubprograms]);  // only exactly "1"
  EXPECT_TRUE(bench.settings.use[kUseG92G50]);
  EXPECT_FALSE(bench.settings.use[kUseRotary]);
  EXPECT_TRUE(bench.settings.use[kUseMacros]);  // switched on whatever the file says
}

TEST_F(SettingsTest, CompoundForms) {
  ASSERT_TRUE(
      LoadKeys("ToolBox1=RENUMBER,renum.bmp\nToolBox2=plain.bmp\nToolBox3=a,b,c\n"
               "Macro1=DRILL,2.5,9010\nMacro2=TAP,3\nMacro3=ABCDEFGHIJKLMN,1,2\n"
               "Highlight=X,1,,2,(,5,\nFontStyle=1,0,1\nEXEC2=\n"
               "NCPathName=C:\\NC\\\nCDLPathName=/home/cad/\nA=0.0,1\n"));
  const MachineSettings& s = bench.settings;
  EXPECT_EQ(s.toolbox[0], (ToolBoxButton{"RENUMBER", "renum.bmp"}));
  EXPECT_EQ(s.toolbox[1], (ToolBoxButton{"", "plain.bmp"}));
  EXPECT_EQ(s.toolbox[2], (ToolBoxButton{"a", "b,c"}));
  EXPECT_EQ(s.macros[0], (MacroCallRow{"DRILL", 2.5, 9010}));
  EXPECT_EQ(s.macros[1], (MacroCallRow{"TAP", 0, 0}));  // no second comma
  EXPECT_EQ(s.macros[2].name, "ABCDEFGHIJ");
  EXPECT_EQ(s.highlight[0], (HighlightPair{'X', 1}));
  EXPECT_EQ(s.highlight[1], (HighlightPair{0, 2}));
  EXPECT_EQ(s.highlight[2], (HighlightPair{'(', 5}));
  EXPECT_EQ(s.highlight[6], (HighlightPair{}));
  EXPECT_EQ(s.font_style, (std::array<bool, 4>{true, false, true, false}));
  EXPECT_EQ(s.exec[1], "");
  EXPECT_EQ(s.exec[0], "None");
  EXPECT_EQ(s.nc_path, "C:\\NC");
  EXPECT_EQ(s.cdl_path, "/home/cad");
  // The stored form is read through the format table and kept in its written form.
  EXPECT_EQ(s.letter_formats[0], "0.0,1,1,1");
}

TEST_F(SettingsTest, LoadSetsThePanesAndTheMillsRadiusAxis) {
  bench.active_pane = 2;
  bench.Pane(1)->SetReadOnly(true);
  ASSERT_TRUE(LoadKeys("FileSaveStyle=3\nTwinTurrets=0\nSystemType=2\nXAxisDimension=DIA\n"));
  EXPECT_EQ(bench.Pane(1)->GetLineBreakStyle(), LineBreakStyle::kLf);
  EXPECT_EQ(bench.Pane(2)->GetLineBreakStyle(), LineBreakStyle::kLf);
  EXPECT_EQ(bench.active_pane, 1);
  EXPECT_FALSE(bench.Pane(1)->ReadOnly());
  EXPECT_TRUE(bench.settings.x_radius);

  bench.active_pane = 2;
  ASSERT_TRUE(LoadKeys("FileSaveStyle=2\nTwinTurrets=1\nMachineName=Okuma LB\n"));
  EXPECT_EQ(bench.Pane(2)->GetLineBreakStyle(), LineBreakStyle::kCr);
  EXPECT_EQ(bench.active_pane, 2);
  EXPECT_EQ(bench.machines.Slot(1).name, "Okuma LB");
}

TEST_F(SettingsTest, SectionAndKeysMatchWithoutCase) {
  ASSERT_TRUE(Load("[vormak]\nsystemtype=3\npicturepathname=/pics\\\n"));
  EXPECT_EQ(bench.settings.system_type, SystemType::kEdm);
  EXPECT_EQ(bench.settings.picture_path, "/pics");
}

TEST_F(SettingsTest, UnreadableFileLeavesSettingsUnchanged) {
  bench.settings.machine_name = "current";
  bench.settings.comm_baud_rate = 9600;
  bench.Pane(1)->SetLineBreakStyle(LineBreakStyle::kCr);
  const MachineSettings before = bench.settings;
  bench.machines.Slot(3).path = folder.File("gone.ini");
  EXPECT_FALSE(LoadMachineSettings(bench, 3));
  EXPECT_EQ(host.Texts(),
            std::vector<std::string>{"Can't Open ini File: " + folder.File("gone.ini")});
  EXPECT_EQ(bench.settings, before);
  EXPECT_EQ(bench.Pane(1)->GetLineBreakStyle(), LineBreakStyle::kCr);
  EXPECT_EQ(bench.machines.current, 1);

  host.messages.clear();
  EXPECT_FALSE(LoadMachineSettings(bench, 11));
  EXPECT_FALSE(LoadMachineSettings(bench, 0));
  EXPECT_EQ(host.Texts(),
            (std::vector<std::string>{"Bad Format Settings Number", "Bad Format Settings Number"}));
  EXPECT_EQ(bench.settings, before);
}

TEST_F(SettingsTest, MachineFileFoundWithoutRegardToCase) {
  folder.Write("MILL.INI", "[VORMAK]\nSystemType=2\n");
  bench.machines.Slot(2).path = folder.File("mill.ini");
  ASSERT_TRUE(LoadMachineSettings(bench, 2));
  EXPECT_EQ(bench.settings.system_type, SystemType::kMill);
  EXPECT_EQ(bench.machines.current, 2);
}

TEST_F(SettingsTest, RecallFilesOnlyWhenNoneIsNamedYet) {
  ASSERT_TRUE(LoadKeys("RecallFiles=1\nNCFile=/nc/a.nc\nCADFile=/cad/a.cdl\n"));
  bench.nc_file_name = "/nc/from_command_line.nc";
  const RecalledFiles files = FilesToRecall(bench);
  EXPECT_EQ(files.nc_file, "");
  EXPECT_EQ(files.cad_file, "/cad/a.cdl");
  ASSERT_TRUE(LoadKeys("RecallFiles=0\nNCFile=/nc/a.nc\n"));
  bench.nc_file_name.clear();
  EXPECT_EQ(FilesToRecall(bench).nc_file, "");
}

}  // namespace
}  // namespace vormak

namespace vormak {
namespace {

using test::SettingsTest;

TEST_F(SettingsTest, LoadFillsFormatSetOneColouringAndHidesTheSolidLayer) {
  ASSERT_TRUE(
      LoadKeys("X=0000.000,0,1,1\nCommentChar=;\nSolidLayer=7\nUse=1,1,0,0,0,0,0,0,0,0,"
               "0,0,0,0,0,0,0,0,1,\n"));
  const LetterFormat& x = bench.word_formats.Get(1, 'X');
  EXPECT_EQ(x.integer_digits, 4);
  EXPECT_EQ(x.decimal_digits, 3);
  EXPECT_FALSE(x.decimal_point);
  EXPECT_TRUE(x.leading_zeros && x.trailing_zeros);
  EXPECT_EQ(bench.word_formats.Get(1, 'Y').decimal_digits, 4);  // defaults elsewhere
  for (int pane : {1, 2}) {
    EXPECT_EQ(bench.Pane(pane)->Syntax().substr(0, 5), "001;0") << pane;
    EXPECT_TRUE(bench.Pane(pane)->Highlight()) << pane;
  }
  EXPECT_FALSE(bench.cad.table.LayerVisible(7));
  EXPECT_TRUE(bench.cad.table.LayerVisible(254));
}

}  // namespace
}  // namespace vormak
