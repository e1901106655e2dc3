// Every program of the corpus of real NC programs runs through the interpreter to its end
// (or a line limit) without a crash, with every register a number and the levels back in
// their tables; plain CAM output draws one move for nearly every block.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "interp/macro_variables.h"
#include "interp_fixture.h"
#include "support/test_paths.h"

namespace vormak::test {
namespace {

namespace fs = std::filesystem;

// Some macro programs loop without end when run on their own (their arguments all 0); the
// large CAM files are cut here too, which keeps the run short under the sanitizers.
constexpr int kLineLimit = 20000;

class CorpusRun : public InterpHarness {
 public:
  CorpusRun() {
    bench.settings.use.Set(kUseOffsets, true);
    bench.settings.use.Set(kUseG92G50, true);
    bench.settings.use.Set(kUseCodes, true);
  }

  int RunFile(const fs::path& file) {
    bench.Pane(1)->LoadFile(file.string());
    bench.settings.nc_path = file.parent_path().string();
    return RunProgram(kLineLimit);
  }

  void ExpectSaneState(const std::string& name) {
    for (const TurretState& ts : bench.interp.turret) {
      for (double v : ts.reg) EXPECT_FALSE(std::isnan(v)) << name;
    }
    EXPECT_GE(bench.interp.flow.level, 0) << name;
    EXPECT_LE(bench.interp.flow.level, kSubprogramLevels) << name;
    EXPECT_EQ(bench.interp.flow.jump_nesting, 0) << name;
    EXPECT_EQ(bench.interp.flow.file_depth, 0) << name;
    EXPECT_LT(bench.macro_variables.level, kMacroLevels) << name;
  }
};

TEST(CorpusRuns, EveryProgramRunsToItsEnd) {
  const fs::path root = CorpusDir();
  if (!fs::is_directory(root)) GTEST_SKIP() << "no corpus at " << root;
  int files = 0;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (!entry.is_regular_file() || entry.path().extension() == ".md") continue;
    const std::string name = entry.path().string();
    {
      CorpusRun run;
      if (name.find("lathe") != std::string::npos) run.Lathe();
      run.RunFile(entry.path());
      run.ExpectSaneState(name);
    }
    ++files;
  }
  EXPECT_GT(files, 30);
}

TEST(CorpusRuns, PlainCamOutputDrawsEveryBlock) {
  const fs::path file = fs::path(CorpusDir()) / "cam_output" / "lf_1110_wall_265bit.nc";
  if (!fs::is_regular_file(file)) GTEST_SKIP() << "no corpus file " << file;
  CorpusRun run;
  run.RunFile(file);
  EXPECT_TRUE(run.host.Texts().empty());
  // An independent interpreter counts 4962 motion segments in this program.
  EXPECT_NEAR(static_cast<double>(run.moves.size()), 4962, 5);
}

}  // namespace
}  // namespace vormak::test
