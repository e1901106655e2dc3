// APT output: a mill program plotted into a cutter-location file, checked statement by statement,
// and the file's life: header and FINI, a stopped run, a folder that cannot be written.
#include "interp/apt_output.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "interp/apt_command.h"
#include "interp/run_driver.h"
#include "interp_fixture.h"
#include "settings/temp_folder.h"

namespace vormak::test {
namespace {

using Statements = std::vector<std::string>;

const Statements kHeader = {"PARTNO/0", "MCS/1.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,1.0,0.0,0.0",
                            "SEQNO/OFF", "SELECT/0", "MULTAX/OFF"};

class AptOutput : public InterpFixture {
 protected:
  AptOutput() { InstallRunDriver(bench); }

  // The statements between the header and FINI of the file the program plots into.
  Statements Plot(const std::string& program) {
    Load(program);
    const std::string path = folder.File("part.apt");
    EXPECT_TRUE(PlotToAptFile(bench, path));
    return Body(folder.Read("part.apt"));
  }

  // Statements written while the file is open, without plotting a program.
  Statements Written(std::initializer_list<std::string> lines) {
    EXPECT_TRUE(OpenAptOutput(bench, folder.File("lines.apt")));
    Lines(lines);
    EXPECT_TRUE(CloseAptOutput(bench));
    return Body(folder.Read("lines.apt"));
  }

  Statements Body(const std::string& text) {
    Statements lines;
    std::stringstream in(text);
    for (std::string line; std::getline(in, line, '\n');) {
      EXPECT_TRUE(!line.empty() && line.back() == '\r') << "not CR LF: " << line;
      if (!line.empty()) line.pop_back();
      lines.push_back(line);
    }
    EXPECT_GE(lines.size(), kHeader.size() + 1);
    if (lines.size() < kHeader.size() + 1) return {};
    EXPECT_EQ(Statements(lines.begin(), lines.begin() + 5), kHeader);
    EXPECT_EQ(lines.back(), "FINI");
    return Statements(lines.begin() + 5, lines.end() - 1);
  }

  TempFolder folder;
};

TEST(AptStatements, NumbersAsPlainText) {
  EXPECT_EQ(AptGotoLine({1, 2, 3}, 0), "GOTO/1.0,2.0,3.0,.0,.0,1.0");
  EXPECT_EQ(AptGotoLine({-0.5, 0, 12.34567}, 90), "GOTO/-.5,.0,12.3457,.0,1.0,.0");
  EXPECT_EQ(AptGotoLine({0, 0, 0}, -90), "GOTO/.0,.0,.0,.0,-1.0,.0");
  EXPECT_EQ(AptCircleLine({1, 2, 0}, 0.5, 2), "CIRCLE/1.0,2.0,.0,.0,.0,-1.0,.5");
  EXPECT_EQ(AptCircleLine({1, 2, 0}, 0.5, 3), "CIRCLE/1.0,2.0,.0,.0,.0,1.0,.5");
  EXPECT_EQ(AptLoadToolLine(4.6), "LOADTL/5,LENGTH,0.0,OSETNO,5");
}

TEST_F(AptOutput, MillProgramWithArcsCycleAndToolChanges) {
  const Statements apt = Plot(
      "%\n"
      "O1234\n"
      "(APT PPRINT BRACKET OP 10)\n"
      "G90 G17 G80\n"
      "T1 M06\n"
      "S1200 M03\n"
      "G00 X0 Y0 Z1. M08\n"
      "G01 Z-.2 F10.\n"
      "G01 X2. F20.\n"
      "G03 X3. Y1. I0 J1.\n"
      "G02 X2. Y2. R1.\n"
      "G00 Z1.\n"
      "T2 M06\n"
      "S1999.6 M03\n"
      "G99 G81 X1. Y1. Z-.5 R.1 F5.\n"
      "X2.\n"
      "G80\n"
      "G00 Z2.\n"
      "M30\n");
  const Statements expected = {
      " PPRINT BRACKET OP 10",
      "CYCLE/OFF",
      "LOADTL/1,LENGTH,0.0,OSETNO,1",
      "SPINDL/RPM,1200",
      "COOLNT/FLOOD",
      "RAPID",
      "GOTO/.0,.0,1.0,.0,.0,1.0",
      "FEDRAT/IPM,10.0",
      "GOTO/.0,.0,-.2,.0,.0,1.0",
      "FEDRAT/IPM,20.0",
      "GOTO/2.0,.0,-.2,.0,.0,1.0",
      "CIRCLE/2.0,1.0,-.2,.0,.0,1.0,1.0",
      "GOTO/3.0,1.0,-.2",
      // The short way round for R: the centre above the start.
      "CIRCLE/3.0,2.0,-.2,.0,.0,-1.0,1.0",
      "GOTO/2.0,2.0,-.2",
      "RAPID",
      "GOTO/2.0,2.0,1.0,.0,.0,1.0",
      "LOADTL/2,LENGTH,0.0,OSETNO,2",
      "SPINDL/RPM,2000",
      // The cycle line carries the block's own depth, feed and R level; no RAPID while it
      // is in force, one GOTO a leg: over the hole, down to R, to the bottom, back to R.
      "FEDRAT/IPM,5.0",
      "CYCLE/DRILL,FEDTO,-.5,IPM,5.0,RAPTO,.1,RTRCTO,1.0",
      "GOTO/1.0,1.0,1.0,.0,.0,1.0",
      "GOTO/1.0,1.0,.1,.0,.0,1.0",
      "GOTO/1.0,1.0,-.5,.0,.0,1.0",
      "GOTO/1.0,1.0,.1,.0,.0,1.0",
      // G99: the second hole starts from the R level.
      "GOTO/2.0,1.0,.1,.0,.0,1.0",
      "GOTO/2.0,1.0,.1,.0,.0,1.0",
      "GOTO/2.0,1.0,-.5,.0,.0,1.0",
      "GOTO/2.0,1.0,.1,.0,.0,1.0",
      "CYCLE/OFF",
      "RAPID",
      "GOTO/2.0,1.0,2.0,.0,.0,1.0",
      "END",
  };
  EXPECT_EQ(apt, expected);
}

TEST_F(AptOutput, RotaryWrapsEveryLinearGotoAndTiltsTheToolAxis) {
  bench.settings.use.Set(kUseRotary, true);
  T1()[kRegA] = 90;
  EXPECT_EQ(Written({"G01 X1. Y0 Z0 F10."}),
            (Statements{"FEDRAT/IPM,10.0", "MULTAX/ON", "GOTO/1.0,.0,.0,.0,1.0,.0", "MULTAX/OFF"}));
  T1()[kRegA] = 0;
  EXPECT_EQ(Written({"G00 X1. Y2. Z3."}),
            (Statements{"RAPID", "MULTAX/ON", "GOTO/1.0,2.0,3.0,.0,.0,1.0", "MULTAX/OFF"}));
}

TEST_F(AptOutput, ArcAxisIsMinusOneForG02InAnyPlane) {
  const Statements xz = Written({"G18 G00 X0 Y0 Z1.", "G02 X2. Z1. I1. K0 F10."});
  ASSERT_EQ(xz.size(), 5u);
  EXPECT_EQ(xz[3], "CIRCLE/1.0,.0,1.0,.0,.0,-1.0,1.0");
  EXPECT_EQ(xz[4], "GOTO/2.0,.0,1.0");
}

TEST_F(AptOutput, LatheWritesNoMotionStatements) {
  Lathe();
  EXPECT_EQ(
      Written({"T0101 M08", "G00 X2. Z1. S500", "G01 Z-1. F.01", "G02 X3. Z-1.5 I0 K-.5", "M30"}),
      (Statements{"COOLNT/FLOOD", "LOADTL/101,LENGTH,0.0,OSETNO,101", "END"}));
}

TEST_F(AptOutput, ClosedFileIsQuietAndCutterLineWaitsForItsCaller) {
  Lines({"G00 X1. F5. T3 M08"});
  WriteAptCutter(bench, .5, .03);
  EXPECT_FALSE(AptOutputOn(bench));
  EXPECT_EQ(Written({}), Statements{});
  ASSERT_TRUE(OpenAptOutput(bench, folder.File("cutter.apt")));
  WriteAptCutter(bench, .5, .03);
  ASSERT_TRUE(CloseAptOutput(bench));
  EXPECT_EQ(Body(folder.Read("cutter.apt")), Statements{"CUTTER/.5,.03"});
}

TEST_F(AptOutput, MillToolCommentWritesTheCutter) {
  const Statements body = Plot("(TM .5,.03)\nG01 X1. F5.\n(TM 0.25)\n");
  ASSERT_GE(body.size(), 3u);
  EXPECT_EQ(body.front(), "CUTTER/.5,.03");
  EXPECT_EQ(body.back(), "CUTTER/.25,.0");
}

TEST_F(AptOutput, StoppedRunStillEndsWithFini) {
  bench.interp.run.line_limit = 40;
  const Statements apt = Plot("WHILE [1 EQ 1] DO1\nG01 X1. F10.\nG01 X0\nEND1\nM30\n");
  EXPECT_FALSE(apt.empty());
  EXPECT_EQ(std::count(apt.begin(), apt.end(), "END"), 0);
  EXPECT_FALSE(std::filesystem::exists(folder.File("part.apt.~apt")));
}

TEST_F(AptOutput, SelectionOnlyIsPlotted) {
  Load("G00 X1. Y1. Z1.\nG00 X2.\nG00 X3.\n");
  bench.Pane(1)->SetSelection({{2, 0}, {4, 0}});
  ASSERT_TRUE(PlotToAptFile(bench, folder.File("sel.apt")));
  const Statements apt = Body(folder.Read("sel.apt"));
  ASSERT_EQ(apt.size(), 4u);
  EXPECT_EQ(apt[1].substr(0, 9), "GOTO/2.0,");
  EXPECT_EQ(apt[3].substr(0, 9), "GOTO/3.0,");
}

TEST_F(AptOutput, CommandAsksForTheFileAndSaysWhenDone) {
  bench.settings.nc_path = folder.path();
  Load("G00 X1. Y2. Z3.\nM30\n");
  host.QueueFileName(folder.File("cmd.apt"));
  AptOutputCommand(bench);
  ASSERT_EQ(host.dialogs.size(), 1u);
  EXPECT_EQ(host.dialogs[0].initial_dir, folder.path());
  EXPECT_EQ(host.dialogs[0].filter, "APT Files (*.APT)|*.APT|Text files (*.TXT)|*.TXT");
  EXPECT_EQ(host.dialogs[0].default_ext, "APT");
  EXPECT_TRUE(host.Showed("Closed APT Output File"));
  EXPECT_EQ(Body(folder.Read("cmd.apt")),
            (Statements{"RAPID", "GOTO/1.0,2.0,3.0,.0,.0,1.0", "END"}));

  host.messages.clear();
  host.QueueFileName(std::nullopt);
  AptOutputCommand(bench);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(AptOutput, UnwritableFolderIsReportedAndNothingPlotted) {
  Load("G00 X1. Y2. Z3.\n");
  EXPECT_FALSE(PlotToAptFile(bench, folder.File("no/such/folder/part.apt")));
  EXPECT_EQ(host.messages.size(), 1u);
  EXPECT_TRUE(moves.empty());
  EXPECT_FALSE(AptOutputOn(bench));
}

TEST_F(AptOutput, FailedWriteKeepsTheEarlierFile) {
  const std::string path = folder.Write("kept.apt", "earlier\r\n");
  ASSERT_TRUE(OpenAptOutput(bench, path));
  bench.interp.apt.write_error = ENOSPC;  // as a full disk leaves it
  Lines({"G00 X1."});
  EXPECT_FALSE(CloseAptOutput(bench));
  EXPECT_EQ(folder.Read("kept.apt"), "earlier\r\n");
  EXPECT_FALSE(std::filesystem::exists(path + ".~apt"));
}

}  // namespace
}  // namespace vormak::test
