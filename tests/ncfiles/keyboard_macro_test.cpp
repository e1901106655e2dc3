#include "ncfiles/keyboard_macro.h"

#include <gtest/gtest.h>

#include "nctext/edit_control.h"
#include "settings/temp_folder.h"
#include "support/fake_host.h"
#include "workbench/workbench.h"

namespace vormak {
namespace {

class KeyboardMacros : public ::testing::Test {
 protected:
  KeyboardMacros() {
    bench.settings.script_path = dir.path();
    std::string text;
    for (int n = 1; n <= 40; ++n) text += "N" + std::to_string(n) + "\r\n";
    bench.Pane(1)->SetText(text);
  }
  void Record(const std::vector<KeyRecord>& keys) {
    ASSERT_TRUE(macro.StartRecording(bench));
    for (const KeyRecord& k : keys) macro.RecordKeyEvent(k.key, k.shift, k.kind);
    macro.EndRecording(bench);
  }
  // A pane stand-in: Down moves the caret a line, as typed.
  KeyboardMacro::SendKey Sender() {
    return [this](const KeyRecord& k) {
      sent.push_back(k);
      if (k.key == kVkDown && k.kind == kKeyDown) {
        const int line = bench.Pane(1)->GetSelection().end.line + 1;
        bench.Pane(1)->SetSelection({{line, 0}, {line, 0}});
      }
    };
  }
  int Plays() const {
    int plays = 0;
    for (const KeyRecord& k : sent) plays += k == KeyRecord{'X', 0, kKeyDown} ? 1 : 0;
    return plays;
  }

  test::TempFolder dir;
  FakeHost host;
  Workbench bench{host};
  KeyboardMacro macro;
  std::vector<KeyRecord> sent;
};

TEST_F(KeyboardMacros, RecordsThreeByteEventsButNeverF4) {
  Record({{'X', kShiftBit, kKeyDown},
          {kVkF4, 0, kKeyDown},
          {'X', kShiftBit, kKeyUp},
          {kVkF4, 0, kKeyUp},
          {kVkDown, kCtrlBit | kAltBit, kKeyDown}});
  EXPECT_EQ(dir.Read(kMacroFileName), std::string("X\x01\x02X\x01\x01\x28\x06\x02", 9));
  EXPECT_EQ(host.command_panel, " END MACRO RECORDING");
  EXPECT_FALSE(macro.recording());

  const PlayCounts counts = macro.Play(bench, Sender());
  EXPECT_EQ(counts.downs, 1);
  ASSERT_EQ(sent.size(), 4u);
  // One more key-up of the last key ends the play.
  EXPECT_EQ(sent.back(), (KeyRecord{kVkDown, kCtrlBit | kAltBit, kKeyUp}));
}

TEST_F(KeyboardMacros, CutOffFilesPlayTheirWholeRecordsAndMissingOnesNothing) {
  EXPECT_EQ(ParseKeyRecords(std::string("A\0\x02"
                                        "B\0",
                                        5))
                .size(),
            1u);
  EXPECT_TRUE(ParseKeyRecords("").empty());
  macro.Play(bench, Sender());
  EXPECT_TRUE(sent.empty());
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(KeyboardMacros, UntilBookmarkPlaysOncePerLineOfTheSelection) {
  Record({{'X', 0, kKeyDown}, {'X', 0, kKeyUp}, {kVkDown, 0, kKeyDown}, {kVkDown, 0, kKeyUp}});
  bench.Pane(1)->SetSelection({{10, 0}, {20, 0}});
  macro.PlayUntilBookmark(bench, Sender(), {});
  EXPECT_EQ(Plays(), 11);
  EXPECT_EQ(host.command_panel, " ");

  // A bookmark stops the run before its line.
  sent.clear();
  bench.Pane(1)->SetBookmark(3, 15);
  bench.Pane(1)->SetSelection({{10, 0}, {20, 0}});
  macro.PlayUntilBookmark(bench, Sender(), {});
  EXPECT_EQ(Plays(), 5);
  EXPECT_TRUE(bench.stop_requested);
}

TEST_F(KeyboardMacros, EnterExtendsTheRunAndAMacroWithoutDownEndsIt) {
  Record({{'X', 0, kKeyDown}, {kVkReturn, 0, kKeyDown}, {kVkDown, 0, kKeyDown}});
  bench.Pane(1)->SetSelection({{10, 0}, {20, 0}});
  int repaints = 0;
  macro.PlayUntilBookmark(bench, Sender(), [&repaints] { ++repaints; });
  // current moves 2 a play, the end 1: lines 10 to 20 take 11 plays.
  EXPECT_EQ(Plays(), 11);
  EXPECT_EQ(repaints, 11);

  sent.clear();
  Record({{'X', 0, kKeyDown}, {kVkReturn, 0, kKeyDown}});
  bench.Pane(1)->SetSelection({{10, 0}, {20, 0}});
  macro.PlayUntilBookmark(bench, Sender(), {});
  EXPECT_EQ(Plays(), 1);
}

TEST_F(KeyboardMacros, StoredMacrosAreCopiesOfTheMacroFile) {
  Record({{'Q', 0, kKeyDown}});
  ASSERT_TRUE(macro.SaveAs(bench, dir.File("DRILL.key")));
  Record({{'Z', 0, kKeyDown}});
  macro.PlayStored(bench, "DRILL", Sender());
  EXPECT_EQ(sent.front(), (KeyRecord{'Q', 0, kKeyDown}));
  EXPECT_EQ(dir.Read(kMacroFileName), dir.Read("DRILL.key"));

  EXPECT_FALSE(macro.Load(bench, dir.File("NONE.key")));
  EXPECT_FALSE(host.messages.empty());
  EXPECT_EQ(dir.Read(kMacroFileName), dir.Read("DRILL.key"));
}

}  // namespace
}  // namespace vormak
