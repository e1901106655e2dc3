#include "ncfiles/twin_turret.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "ncfiles/nc_files.h"
#include "nctext/edit_control.h"
#include "settings/temp_folder.h"
#include "support/fake_host.h"
#include "support/test_paths.h"
#include "workbench/workbench.h"

namespace vormak {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  std::istringstream in(text);
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> NonEmpty(const std::vector<std::string>& lines) {
  std::vector<std::string> kept;
  for (const std::string& line : lines) {
    if (!line.empty()) kept.push_back(line);
  }
  return kept;
}

std::string Join(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class TwinTurret : public ::testing::Test {
 protected:
  TwinTurret() { bench.settings.twin_turrets = true; }

  // Loads the program's lines from a file of their own.
  bool Load(const std::vector<std::string>& lines, const std::string& name = "PART.MIN") {
    return LoadTwinTurretFile(bench, dir.Write(name, Join(lines)));
  }
  std::vector<std::string> A() const { return ReadTwinPanes(bench).a; }
  std::vector<std::string> B() const { return ReadTwinPanes(bench).b; }
  // The line number holding `text` in the pane's lines, 0 when none does.
  static int LineOf(const std::vector<std::string>& lines, const std::string& text) {
    for (size_t i = 0; i < lines.size(); ++i) {
      if (lines[i] == text) return static_cast<int>(i) + 1;
    }
    return 0;
  }
  std::vector<std::string> Saved(const std::string& name = "OUT.MIN") {
    if (!SaveTwinTurretFile(bench, dir.File(name))) return {};
    return Lines(dir.Read(name));
  }

  test::TempFolder dir;
  FakeHost host;
  Workbench bench{host};
};

TEST_F(TwinTurret, SectionsSplitLineUpAndJoinInSyncOrder) {
  ASSERT_TRUE(Load({"G13", "A1", "A2", "G14", "B1", "G13 P10", "A3", "A4", "A5", "G14 P10", "B2"}));
  const auto a = A();
  const auto b = B();
  EXPECT_EQ(NonEmpty(a),
            (std::vector<std::string>{"G13", "A1", "A2", "G13 P10", "A3", "A4", "A5"}));
  EXPECT_EQ(NonEmpty(b), (std::vector<std::string>{"G14", "B1", "G14 P10", "B2"}));
  EXPECT_EQ(LineOf(a, "G13 P10"), LineOf(b, "G14 P10"));
  EXPECT_FALSE(bench.Pane(1)->IsModified());
  EXPECT_FALSE(bench.Pane(2)->IsModified());

  EXPECT_EQ(Saved(), (std::vector<std::string>{"G13", "A1", "A2", "G14", "B1", "G13 P10", "A3",
                                               "A4", "A5", "G14 P10", "B2"}));
  EXPECT_EQ(host.prompt_panel, " Saved: " + dir.File("OUT.MIN"));
}

TEST_F(TwinTurret, TurretBSectionsGoAfterTheirNumberOrBeforeTheNextLarger) {
  ASSERT_TRUE(Load({"G13", "A0", "G13 P10", "A10", "G13 P20", "A20", "G14", "B0", "G14 P15", "B15",
                    "G14 P30", "B30"}));
  EXPECT_EQ(Saved(),
            (std::vector<std::string>{"G13", "A0", "G14", "B0", "G13 P10", "A10", "G14 P15", "B15",
                                      "G13 P20", "A20", "G14 P30", "B30"}));
}

TEST_F(TwinTurret, OneTurretASectionIsFollowedByEveryTurretBSection) {
  ASSERT_TRUE(
      Load({"G13", "A P10", "A P20", "A P30", "G14", "B0", "G14 P20", "B20", "G14 P30", "B30"}));
  EXPECT_EQ(Saved(), (std::vector<std::string>{"G13", "A P10", "A P20", "A P30", "G14", "B0",
                                               "G14 P20", "B20", "G14 P30", "B30"}));
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(TwinTurret, ZeroPaddedSyncNumbersFindTheirPartner) {
  ASSERT_TRUE(Load({"G13", "X1.", "X2.", "X3.", "N40 P05", "G14", "Z1.", "N50 P05"}));
  EXPECT_EQ(LineOf(A(), "N40 P05"), LineOf(B(), "N50 P05"));
  EXPECT_NE(LineOf(A(), "N40 P05"), 0);
}

TEST_F(TwinTurret, LineUpDropsOnlyLinesEmptyInBothPanes) {
  bench.Pane(1)->SetText("G13\r\n\r\nX1.\r\n\r\nX2.");
  bench.Pane(2)->SetText("G14\r\n\r\n\r\nZ1.\r\n");
  LineUpSyncNumbers(bench);
  EXPECT_EQ(A(), (std::vector<std::string>{"G13", "X1.", "", "X2."}));
  EXPECT_EQ(B(), (std::vector<std::string>{"G14", "", "Z1.", ""}));
  EXPECT_EQ(bench.interp.run.current_line, 1);
}

TEST_F(TwinTurret, RealProgramsSurviveLoadSaveLoad) {
  const std::string examples = test::SourceDataDir() + "/examples/";
  const std::string twin = test::TestDataDir() + "/twin/";
  for (const std::string& path :
       {examples + "twin_shaft.min", twin + "chuck_part.min", twin + "bar_feed.min"}) {
    SCOPED_TRACE(path);
    const std::vector<std::string> original = NonEmpty(Lines(ReadFile(path)));
    ASSERT_TRUE(LoadTwinTurretFile(bench, path));
    const TwinPanes first = ReadTwinPanes(bench);
    EXPECT_EQ(Saved(), original);
    ASSERT_TRUE(LoadTwinTurretFile(bench, dir.File("OUT.MIN")));
    const TwinPanes second = ReadTwinPanes(bench);
    EXPECT_EQ(second.a, first.a);
    EXPECT_EQ(second.b, first.b);
    EXPECT_TRUE(host.messages.empty()) << host.Texts().front();
  }
}

TEST_F(TwinTurret, LinesAboveTheFirstMarkerAreWrittenFirstTurretAThenB) {
  // Turret B's start only exists after an edit: the loader puts everything above G13 in A.
  bench.Pane(1)->SetText("%\r\nO100\r\nG13\r\nX1. P1");
  bench.Pane(2)->SetText("(B START)\r\n\r\nG14\r\nZ1. P1");
  EXPECT_EQ(Saved(),
            (std::vector<std::string>{"%", "O100", "(B START)", "G13", "X1. P1", "G14", "Z1. P1"}));
}

TEST_F(TwinTurret, AHundredSectionsPerTurretAreAllSaved) {
  std::vector<std::string> program;
  for (int n = 1; n <= 100; ++n) {
    program.push_back("G13 P" + std::to_string(n));
    program.push_back("X" + std::to_string(n) + ".");
  }
  for (int n = 1; n <= 100; ++n) {
    program.push_back("G14 P" + std::to_string(n));
    program.push_back("Z" + std::to_string(n) + ".");
  }
  ASSERT_TRUE(Load(program));
  const std::vector<std::string> saved = Saved();
  ASSERT_EQ(saved.size(), program.size());
  // Partner sections alternate: A's P n, then B's P n.
  EXPECT_EQ(saved[0], "G13 P1");
  EXPECT_EQ(saved[2], "G14 P1");
  EXPECT_EQ(saved[396], "G13 P100");
  EXPECT_EQ(saved[398], "G14 P100");
  EXPECT_EQ(LineOf(A(), "G13 P100"), LineOf(B(), "G14 P100"));
}

TEST_F(TwinTurret, FilesWithoutMarkersEmptyOrMissingAreReported) {
  ASSERT_TRUE(Load({"G0 X1.", "G1 Z-1."}));
  EXPECT_TRUE(host.Showed(kTwinNoMarkers));
  EXPECT_EQ(A(), (std::vector<std::string>{"G0 X1.", "G1 Z-1."}));

  ASSERT_TRUE(LoadTwinTurretFile(bench, dir.Write("EMPTY.MIN", "")));
  EXPECT_TRUE(host.Showed(kTwinEmptyFile));
  EXPECT_EQ(A(), (std::vector<std::string>{"G0 X1.", "G1 Z-1."}));

  host.messages.clear();
  EXPECT_FALSE(LoadTwinTurretFile(bench, dir.File("MISSING.MIN")));
  EXPECT_FALSE(host.messages.empty());
  EXPECT_EQ(A(), (std::vector<std::string>{"G0 X1.", "G1 Z-1."}));
}

TEST_F(TwinTurret, BadFallingAndRepeatedNumbersWarnAndCancelStopsTheSave) {
  ASSERT_TRUE(Load({"G13 P10", "X0 P0", "X1 P5", "X2 P10", "G14 P10", "Z1."}));
  EXPECT_TRUE(host.Showed(std::string(kBadSyncNumber) + "X0 P0"));
  EXPECT_TRUE(host.Showed(std::string(kSyncOutOfOrder) + "X1 P5"));
  EXPECT_TRUE(host.Showed(std::string(kDuplicateSyncA) + "X2 P10"));

  const std::string target = dir.Write("KEEP.MIN", "OLD\r\n");
  host.QueueAnswer(Answer::kCancel);
  EXPECT_FALSE(SaveTwinTurretFile(bench, target));
  EXPECT_EQ(dir.Read("KEEP.MIN"), "OLD\r\n");
  EXPECT_TRUE(bench.stop_requested);
}

TEST_F(TwinTurret, TurretBAboveItsPartnerIsToldOnce) {
  ASSERT_TRUE(Load({"G13", "X1.", "G14", "Z1. P7", "G13", "X2. P7", "X3. P8", "G14", "Z2. P8"}));
  int told = 0;
  for (const std::string& text : host.Texts()) told += text == kSyncBBeforeA ? 1 : 0;
  EXPECT_EQ(told, 1);
  EXPECT_EQ(LineOf(A(), "X2. P7"), LineOf(B(), "Z1. P7"));
}

TEST_F(TwinTurret, SaveRefusesSectionsWithoutNumbersAndUnpairedNumbers) {
  ASSERT_TRUE(Load({"G13", "X1.", "G13", "X2.", "G13 P10", "X3.", "G14 P10", "Z1."}));
  const std::string target = dir.Write("KEEP.MIN", "OLD\r\n");
  EXPECT_FALSE(SaveTwinTurretFile(bench, target));
  EXPECT_TRUE(host.Showed(kSectionWithoutSyncA));
  EXPECT_EQ(bench.Pane(1)->GetSelection().start.line, LineOf(A(), "X2.") - 1);
  EXPECT_EQ(dir.Read("KEEP.MIN"), "OLD\r\n");

  // A turret-B section whose numbers pair with two different turret-A sections.
  ASSERT_TRUE(Load({"G13 P10", "X1.", "G13 P20", "X2.", "G14 P10", "Z1.", "Z2. P20"}));
  EXPECT_FALSE(SaveTwinTurretFile(bench, target));
  EXPECT_TRUE(host.Showed(kUnmatchedSync));
  EXPECT_EQ(bench.Pane(2)->GetSelection().start.line, LineOf(B(), "Z2. P20"));

  // Paired and unpaired numbers mixed in one section.
  ASSERT_TRUE(Load({"G13 P10", "X1.", "G14 P10", "Z1. P99"}));
  host.messages.clear();
  EXPECT_FALSE(SaveTwinTurretFile(bench, target));
  EXPECT_TRUE(host.Showed(kUnmatchedSync));
  EXPECT_EQ(dir.Read("KEEP.MIN"), "OLD\r\n");
}

TEST_F(TwinTurret, SaveKeepsTheOldFileAsBackupAndRefusesReadOnlyTargets) {
  bench.settings.use.Set(kUseSaveBackup, true);
  ASSERT_TRUE(Load({"G13", "X1. P1", "G14", "Z1. P1"}));
  bench.Pane(1)->ReplaceLine(LineOf(A(), "X1. P1"), "X9. P1");
  const std::string target = dir.Write("PART.MIN", "OLD\r\n");
  ASSERT_TRUE(SaveTwinTurretFile(bench, target));
  EXPECT_EQ(dir.Read("PART.bak"), "OLD\r\n");
  EXPECT_EQ(Lines(dir.Read("PART.MIN")),
            (std::vector<std::string>{"G13", "X9. P1", "G14", "Z1. P1"}));
  EXPECT_FALSE(bench.Pane(1)->IsModified());

  fs::permissions(target, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  EXPECT_FALSE(SaveTwinTurretFile(bench, target));
  EXPECT_TRUE(host.Showed(kReadOnlyTarget));
  EXPECT_EQ(host.prompt_panel, " ");
}

TEST_F(TwinTurret, FileCommandsGoThroughTheTurretsInTwinMode) {
  const std::string path = dir.Write("PART.MIN", Join({"G13", "X1. P1", "G14", "Z1. P1"}));
  NcFileHooks hooks;
  int outlines = 0;
  hooks.outline = [&outlines] { ++outlines; };
  ASSERT_TRUE(OpenNcFile(bench, hooks, path));
  EXPECT_EQ(NonEmpty(B()), (std::vector<std::string>{"G14", "Z1. P1"}));
  EXPECT_EQ(outlines, 1);
  bench.Pane(2)->ReplaceLine(LineOf(B(), "Z1. P1"), "Z2. P1");
  ASSERT_TRUE(SaveNc(bench, hooks));
  EXPECT_EQ(Lines(dir.Read("PART.MIN")),
            (std::vector<std::string>{"G13", "X1. P1", "G14", "Z2. P1"}));
}

}  // namespace
}  // namespace vormak
