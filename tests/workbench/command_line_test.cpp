#include "workbench/command_line.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "settings/machine_settings.h"

namespace vormak {
namespace {

TEST(CommandLine, WholeNumberOneToTenSelectsMachine) {
  EXPECT_EQ(ParseCommandLine("3").machine, 3);
  EXPECT_EQ(ParseCommandLine("10").machine, 10);
  EXPECT_TRUE(ParseCommandLine("3").nc_file.empty());
  EXPECT_EQ(ParseCommandLine("").machine, 0);
}

TEST(CommandLine, ZeroAndElevenAreFileNames) {
  const auto zero = ParseCommandLine("0");
  EXPECT_EQ(zero.machine, 0);
  EXPECT_EQ(zero.nc_file, "0");
  const auto eleven = ParseCommandLine("11");
  EXPECT_EQ(eleven.machine, 0);
  EXPECT_EQ(eleven.nc_file, "11");
}

TEST(CommandLine, CommaFormGivesMachineNcAndDrawing) {
  const auto r = ParseCommandLine("3,part.nc,shape.cdl");
  EXPECT_EQ(r.machine, 3);
  EXPECT_EQ(r.nc_file, "part.nc");
  EXPECT_EQ(r.cad_file, "shape.cdl");

  const auto skipped = ParseCommandLine("2,,shape.dxf");
  EXPECT_EQ(skipped.machine, 2);
  EXPECT_TRUE(skipped.nc_file.empty());
  EXPECT_EQ(skipped.cad_file, "shape.dxf");

  const auto no_machine = ParseCommandLine(",part.nc");
  EXPECT_EQ(no_machine.machine, 0);
  EXPECT_EQ(no_machine.nc_file, "part.nc");
}

TEST(CommandLine, SingleNameIsDrawingOnlyForCdlAfterFirstDot) {
  EXPECT_EQ(ParseCommandLine("shape.CdL").cad_file, "shape.CdL");
  EXPECT_EQ(ParseCommandLine("shape.cdlx").cad_file, "shape.cdlx");
  // The first "." decides: "a.nc.cdl" is an NC file.
  EXPECT_EQ(ParseCommandLine("a.nc.cdl").nc_file, "a.nc.cdl");
  EXPECT_EQ(ParseCommandLine("shape.dxf").nc_file, "shape.dxf");
  EXPECT_EQ(ParseCommandLine("part").nc_file, "part");
}

TEST(CommandLine, AbsoluteNames) {
  EXPECT_TRUE(IsAbsoluteFileName("/home/a.nc"));
  EXPECT_TRUE(IsAbsoluteFileName("C:\\NC\\a.nc"));
  EXPECT_TRUE(IsAbsoluteFileName("d:/nc/a.nc"));
  EXPECT_FALSE(IsAbsoluteFileName("a.nc"));
  EXPECT_FALSE(IsAbsoluteFileName("C:a.nc"));
  EXPECT_FALSE(IsAbsoluteFileName(""));
}

TEST(CommandLine, BareNamesComeFromTheMachineDirectories) {
  const auto dir = std::filesystem::temp_directory_path() / "vormak_cmdline_test";
  std::filesystem::create_directories(dir);
  std::ofstream(dir / "part.nc") << "G0X1\n";
  EXPECT_EQ(ResolveCommandLineFile("part.nc", dir.string()), (dir / "part.nc").string());
  EXPECT_EQ(ResolveCommandLineFile("part.nc", dir.string() + "/"), (dir / "part.nc").string());
  EXPECT_EQ(ResolveCommandLineFile("/x/part.nc", dir.string()), "/x/part.nc");
  EXPECT_EQ(ResolveCommandLineFile("part.nc", ""), "part.nc");
  // Missing in the directory: still named there, so the load reports the expected place.
  EXPECT_EQ(ResolveCommandLineFile("none.nc", dir.string()), (dir / "none.nc").string());
  std::filesystem::remove_all(dir);

  MachineSettings settings;
  settings.cdl_path = "/cdl";
  settings.dxf_path = "/dxf";
  settings.iges_path = "/iges";
  EXPECT_EQ(DrawingDirectory("a.DXF", settings), "/dxf");
  EXPECT_EQ(DrawingDirectory("a.igs", settings), "/iges");
  EXPECT_EQ(DrawingDirectory("a.cdl", settings), "/cdl");
}

}  // namespace
}  // namespace vormak
