// Script files: loading, CHAIN and its return, and the pre-process script of a plot run.
#include "script/script_files.h"

#include <filesystem>
#include <fstream>

#include "interp/run_driver.h"
#include "nctext/status_services.h"
#include "script_fixture.h"

namespace vormak {
namespace {

namespace fs = std::filesystem;

class ScriptFilesTest : public ScriptTest {
 protected:
  fs::path dir;

  void SetUp() override {
    ScriptTest::SetUp();
    dir = fs::path(::testing::TempDir()) /
          ("vormak_scripts_" +
           std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    bench.settings.script_path = dir.string();
  }
  void TearDown() override { fs::remove_all(dir); }

  std::string Write(const std::string& name, const Text& lines) {
    std::ofstream out(dir / name, std::ios::binary);
    out << Joined(lines);
    return (dir / name).string();
  }
  // Loads the file into pane 3 as the window's Load does, and runs it.
  void RunFile(const std::string& path) {
    ASSERT_TRUE(LoadScriptFile(bench, path));
    bench.script.chain_files[0] = path;
    bench.script.chain_level = 0;
    ResetScript(bench);
    bench.script.running = true;
    RunScript(bench);
    bench.script.running = false;
  }
};

TEST_F(ScriptFilesTest, ChainedScriptReturnsAfterItsChainLine) {
  Write("part2.scr", {"#2=#1+1", "#3=1"});
  const std::string main = Write("main.scr", {"#1=5", "CHAIN PART2", "#4=#2*10", "#5=LINENO"});
  RunFile(main);
  EXPECT_DOUBLE_EQ(Var(2), 6);
  EXPECT_DOUBLE_EQ(Var(3), 1);
  EXPECT_DOUBLE_EQ(Var(4), 60);
  EXPECT_EQ(bench.script.chain_level, 0);
  EXPECT_FALSE(bench.stop_requested);
  EXPECT_EQ(PaneLine(bench, kScriptPane, 1), "#1=5");  // the first script is back in the pane
}

TEST_F(ScriptFilesTest, ExitInAChainedScriptReturnsAndEndStopsEveryLevel) {
  Write("sub.scr", {"#2=1", "EXIT", "#3=1"});
  RunFile(Write("main.scr", {"CHAIN SUB", "#4=1"}));
  EXPECT_DOUBLE_EQ(Var(2), 1);
  EXPECT_DOUBLE_EQ(Var(3), 0);
  EXPECT_DOUBLE_EQ(Var(4), 1);

  Program({"A", "B"});
  Write("stop.scr", {"END", "#5=1"});
  RunFile(Write("main2.scr", {"CHAIN STOP", "#6=1"}));
  EXPECT_TRUE(bench.stop_requested);
  EXPECT_DOUBLE_EQ(Var(5), 0);
  EXPECT_DOUBLE_EQ(Var(6), 0);
}

// Return lines are kept whole: a CHAIN far down a long script comes back to its place.
TEST_F(ScriptFilesTest, ChainBelowLine255ReturnsToItsPlace) {
  Text lines(300, ":0");
  lines[279] = "CHAIN SUB";
  lines[280] = "#7=LINENO";
  lines[281] = "#8=#8+1";
  Write("sub.scr", {"#9=1"});
  Program({"A", "B"}, 2);
  RunFile(Write("long.scr", lines));
  EXPECT_DOUBLE_EQ(Var(9), 1);
  EXPECT_DOUBLE_EQ(Var(7), 2);
  EXPECT_DOUBLE_EQ(Var(8), 1);
}

TEST_F(ScriptFilesTest, ChainToItselfStopsAtFiveLevels) {
  RunFile(Write("self.scr", {"#1=#1+1", "CHAIN SELF", "#2=1"}));
  EXPECT_DOUBLE_EQ(Var(1), 6);
  EXPECT_DOUBLE_EQ(Var(2), 0);
  EXPECT_TRUE(bench.stop_requested);
  EXPECT_TRUE(host.Showed(kMaxChainLevels));
}

TEST_F(ScriptFilesTest, MissingFilesStopWithAPrompt) {
  RunFile(Write("main.scr", {"CHAIN NOWHERE", "#1=1"}));
  EXPECT_TRUE(bench.stop_requested);
  EXPECT_EQ(bench.nctext.current_prompt, kFileNotFound);
  EXPECT_DOUBLE_EQ(Var(1), 0);

  bench.stop_requested = false;
  EXPECT_FALSE(LoadScriptFile(bench, (dir / "none.scr").string()));
  EXPECT_TRUE(bench.stop_requested);
  EXPECT_EQ(bench.nctext.current_prompt, kFileNotOpen);
  EXPECT_EQ(PaneLine(bench, kScriptPane, 1), "CHAIN NOWHERE");
}

TEST_F(ScriptFilesTest, OldStyleNamesAreReadInTheScriptsFolder) {
  fs::create_directories(dir / "lib");
  const std::string sub = Write("lib/Part2.scr", {});
  EXPECT_EQ(ScriptFilePath(bench, "LIB\\PART2"), sub);
  EXPECT_EQ(ScriptFilePath(bench, "C:\\LIB\\PART2.SCR"), sub);
  EXPECT_EQ(ScriptFilePath(bench, "/abs/x"), "/abs/x.scr");
  EXPECT_EQ(ScriptFilePath(bench, "lib/other.txt"), (dir / "lib" / "other.txt").string());
}

TEST_F(ScriptFilesTest, SaveQueryCancelKeepsTheModifiedScript) {
  bench.Pane(3)->SetText("#1=1");  // typed, not saved
  bool asked = false;
  bench.script.close_query = [&] {
    asked = true;
    return false;
  };
  EXPECT_FALSE(LoadScriptFile(bench, Write("other.scr", {"#2=2"})));
  EXPECT_TRUE(asked);
  EXPECT_EQ(PaneLine(bench, kScriptPane, 1), "#1=1");
}

// The pre-process script decides what of each line is plotted: here only lines holding X.
TEST_F(ScriptFilesTest, PreProcessPlotsOnlyLinesHoldingX) {
  bench.settings.system_type = SystemType::kMill;
  bench.settings.use.Set(kUseTools, false);
  Write("pre.scr", {"IFFIND X,10", "EXIT", ":10", "PLOT $"});
  bench.settings.custom_script = "pre";
  InstallRunDriver(bench);
  std::vector<int> moved;
  bench.interp.motion.move_observer = [&](const DrawnMove& m) { moved.push_back(m.line); };
  bench.Pane(1)->SetText("G90 G00 X1.\nY5.\nX2. Y6.\nZ-1.\nX3.\n");
  StartRun(bench, RunCommand::kResetNc);
  EXPECT_TRUE(bench.script.preprocess_on);
  EXPECT_EQ(PaneLine(bench, kScriptPane, 4), "PLOT $");
  StartRun(bench, RunCommand::kRunAll);
  EXPECT_EQ(moved, (std::vector<int>{1, 3, 5}));
  EXPECT_FALSE(bench.stop_requested);
}

TEST_F(ScriptFilesTest, PreProcessStopInTheScriptStopsTheRun) {
  bench.settings.system_type = SystemType::kMill;
  bench.settings.use.Set(kUseTools, false);
  Write("pre.scr", {"IFFIND Z,10", "PLOT $", "EXIT", ":10", "JUMP 99"});
  bench.settings.custom_script = "pre.scr";
  InstallRunDriver(bench);
  std::vector<int> moved;
  bench.interp.motion.move_observer = [&](const DrawnMove& m) { moved.push_back(m.line); };
  bench.Pane(1)->SetText("G90 G00 X1.\nZ-1.\nX3.\n");
  StartRun(bench, RunCommand::kResetNc);
  StartRun(bench, RunCommand::kRunAll);
  EXPECT_EQ(moved, (std::vector<int>{1}));
  EXPECT_TRUE(host.Showed("Bad JUMP in  JUMP 99"));

  // A missing pre-process file switches the pre-process off.
  bench.settings.custom_script = "gone";
  StartRun(bench, RunCommand::kResetNc);
  EXPECT_FALSE(bench.script.preprocess_on);
}

}  // namespace
}  // namespace vormak
