#include "ncfiles/nc_files.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>

#include "nctext/edit_control.h"
#include "settings/temp_folder.h"
#include "support/fake_host.h"
#include "workbench/workbench.h"

namespace vormak {
namespace {

namespace fs = std::filesystem;

class NcFiles : public ::testing::Test {
 protected:
  NcFiles() {
    bench.settings.nc_path = dir.path();
    hooks.caption = [this] { ++captions; };
    hooks.add_recent = [this](const std::string& path) { recent.push_back(path); };
    hooks.modified_panel = [this] { ++panel_updates; };
  }
  EditControl& Pane(int n = 1) { return *bench.Pane(n); }
  void MakeReadOnly(const std::string& path) {
    fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
  }

  test::TempFolder dir;
  FakeHost host;
  Workbench bench{host};
  NcFileHooks hooks;
  int captions = 0;
  int panel_updates = 0;
  std::vector<std::string> recent;
};

TEST_F(NcFiles, RevisionsSaveUnderTheNextNumberAndKeepTheOldFile) {
  bench.settings.use.Set(kUseRevisions, true);
  const std::string part = dir.Write("PART.NC", "OLD\r\n");
  bench.nc_file_name = part;
  Pane().SetText("G0X1\r\n");
  ASSERT_TRUE(SaveNc(bench, hooks));
  EXPECT_EQ(bench.nc_file_name, dir.File("PART.0.NC"));
  EXPECT_EQ(dir.Read("PART.0.NC"), "G0X1\r\n");
  EXPECT_EQ(dir.Read("PART.NC"), "OLD\r\n");
  EXPECT_EQ(host.prompt_panel, " Saved NC:" + dir.File("PART.0.NC") + " (CR LF)");
  EXPECT_EQ(recent.back(), dir.File("PART.0.NC"));
  Pane().SetText("G0X2\r\n");
  ASSERT_TRUE(SaveNc(bench, hooks));
  EXPECT_EQ(bench.nc_file_name, dir.File("PART.1.NC"));
  EXPECT_EQ(dir.Read("PART.1.NC"), "G0X2\r\n");
  EXPECT_FALSE(Pane().IsModified());
}

TEST_F(NcFiles, BackupReplacesTheOlderBackupUnlessItIsReadOnly) {
  bench.settings.use.Set(kUseSaveBackup, true);
  bench.nc_file_name = dir.Write("PART.NC", "SECOND\r\n");
  dir.Write("PART.bak", "FIRST\r\n");
  Pane().SetText("THIRD");
  ASSERT_TRUE(SaveNCFile(bench, hooks));
  EXPECT_EQ(dir.Read("PART.bak"), "SECOND\r\n");
  EXPECT_EQ(dir.Read("PART.NC"), "THIRD");

  // A read-only backup is kept; the save goes on without one.
  MakeReadOnly(dir.File("PART.bak"));
  Pane().SetText("FOURTH");
  ASSERT_TRUE(SaveNCFile(bench, hooks));
  EXPECT_TRUE(host.Showed(kReadOnlyBackup));
  EXPECT_EQ(dir.Read("PART.bak"), "SECOND\r\n");
  EXPECT_EQ(dir.Read("PART.NC"), "FOURTH");

  // Without the option nothing is renamed.
  bench.settings.use.Set(kUseSaveBackup, false);
  BackupBeforeSave(bench, dir.File("PART.NC"));
  EXPECT_TRUE(fs::exists(dir.File("PART.NC")));
}

TEST_F(NcFiles, ReadOnlyTargetIsRefusedAndSaveAsKeepsTheOldName) {
  const std::string locked = dir.Write("LOCKED.NC", "KEEP\r\n");
  MakeReadOnly(locked);
  bench.nc_file_name = locked;
  Pane().SetText("NEW");
  EXPECT_FALSE(SaveNc(bench, hooks));
  EXPECT_TRUE(host.Showed(kReadOnlyTarget));
  EXPECT_EQ(dir.Read("LOCKED.NC"), "KEEP\r\n");
  EXPECT_EQ(host.prompt_panel, " ");
  EXPECT_TRUE(recent.empty());

  // Save As onto it, with backups on: refused before the backup could move it away.
  bench.settings.use.Set(kUseSaveBackup, true);
  bench.nc_file_name = dir.File("MINE.NC");
  host.QueueFileName(locked);
  EXPECT_FALSE(SaveNcAs(bench, hooks));
  EXPECT_EQ(bench.nc_file_name, dir.File("MINE.NC"));
  EXPECT_EQ(dir.Read("LOCKED.NC"), "KEEP\r\n");
  EXPECT_FALSE(fs::exists(dir.File("LOCKED.bak")));
  EXPECT_TRUE(Pane().IsModified());
}

TEST_F(NcFiles, SaveNcStampsTheDateButSaveAsDoesNot) {
  bench.nc_file_name = dir.File("DATED.NC");
  Pane().SetText("%\r\nO1000\r\n(TDT OLD DATE)\r\nG0X1\r\n");
  Pane().SetSelection({{4, 1}, {4, 3}});
  ASSERT_TRUE(SaveNc(bench, hooks));
  EXPECT_EQ(dir.Read("DATED.NC"), "%\r\nO1000\r\n(TDT 12/09/26, 10:30:00)\r\nG0X1\r\n");
  EXPECT_EQ(Pane().GetSelection(), (TextSelection{{4, 1}, {4, 3}}));

  Pane().ReplaceLine(3, "(TDT OLD DATE)");
  host.QueueFileName(dir.File("COPY"));
  ASSERT_TRUE(SaveNcAs(bench, hooks));
  EXPECT_EQ(bench.nc_file_name, dir.File("COPY.nc"));
  EXPECT_EQ(dir.Read("COPY.nc"), "%\r\nO1000\r\n(TDT OLD DATE)\r\nG0X1\r\n");
  EXPECT_EQ(host.prompt_panel, " Saved NC: " + dir.File("COPY.nc") + " (CR LF)");
  // A Unix-style machine writes bare line feeds, and the prompt says so.
  Pane().SetLineBreakStyle(LineBreakStyle::kLf);
  host.QueueFileName(dir.File("UNIX"));
  ASSERT_TRUE(SaveNcAs(bench, hooks));
  EXPECT_EQ(dir.Read("UNIX.nc"), "%\nO1000\n(TDT OLD DATE)\nG0X1\n");
  EXPECT_EQ(host.prompt_panel, " Saved NC: " + dir.File("UNIX.nc") + " (LF)");
  EXPECT_EQ(host.dialogs.back().caption, "Save NC As");
  EXPECT_EQ(host.dialogs.back().initial_dir, dir.path() + "/");

  // Only the heading lines are stamped, and never the last line.
  Pane().SetText("G0\r\n(TDT A)");
  ASSERT_TRUE(SaveNCFile(bench, hooks));
  EXPECT_EQ(Pane().GetLine(2), "(TDT A)");
}

TEST_F(NcFiles, CancellingSaveAsChangesNothing) {
  bench.nc_file_name = dir.File("PART.NC");
  Pane().SetText("X");
  host.prompt_panel = " Before";
  EXPECT_FALSE(SaveNcAs(bench, hooks));
  EXPECT_EQ(host.prompt_panel, " Before");
  EXPECT_EQ(panel_updates, 0);
  EXPECT_TRUE(recent.empty());
  EXPECT_EQ(bench.nc_file_name, dir.File("PART.NC"));
}

TEST_F(NcFiles, SaveSelectionWritesTheSelectedLinesWithCrLf) {
  bench.settings.use.Set(kUseSaveBackup, true);
  bench.nc_file_name = dir.Write("MAIN.NC", "MAIN\r\n");
  dir.Write("PIECE.NC", "OLD PIECE\r\n");
  Pane().SetLineBreakStyle(LineBreakStyle::kLf);
  Pane().SetText("L1\r\nL2\r\nL3\r\nL4\r\nL5\r\nL6");
  Pane().SetSelection({{5, 2}, {3, 1}});
  host.QueueFileName(dir.File("PIECE.NC"));
  ASSERT_TRUE(SaveNcSelection(bench, hooks));
  EXPECT_EQ(dir.Read("PIECE.NC"), "L3\r\nL4\r\nL5\r\n");
  EXPECT_EQ(dir.Read("PIECE.bak"), "OLD PIECE\r\n");  // named after the target
  EXPECT_FALSE(fs::exists(dir.File("MAIN.bak")));
  EXPECT_EQ(host.prompt_panel, " Saved: " + dir.File("PIECE.NC"));

  // A selection inside one line is none.
  Pane().SetSelection({{2, 0}, {2, 2}});
  host.QueueFileName(dir.File("ONE.NC"));
  EXPECT_FALSE(SaveNcSelection(bench, hooks));
  EXPECT_TRUE(host.Showed(kNoLinesSelected));
  EXPECT_FALSE(fs::exists(dir.File("ONE.NC")));

  // Escape part way leaves the file that was there.
  dir.Write("HALF.NC", "WHOLE\r\n");
  Pane().SetSelection({{1, 0}, {6, 0}});
  host.QueueFileName(dir.File("HALF.NC"));
  host.QueueEscape(2);
  bench.settings.use.Set(kUseSaveBackup, false);
  EXPECT_FALSE(SaveNcSelection(bench, hooks));
  EXPECT_EQ(dir.Read("HALF.NC"), "WHOLE\r\n");
}

TEST_F(NcFiles, MergeInsertsAboveTheCaretAsOneUndoStep) {
  dir.Write("part2.nc", "M1\r\nM2\nM3");
  Pane().SetText("A\r\nB\r\nC");
  Pane().SetSelection({{2, 1}, {2, 1}});
  ASSERT_TRUE(MergeNCFile(bench, "part2"));
  EXPECT_EQ(Pane().GetText(), "A\r\nM1\r\nM2\r\nM3\r\nB\r\nC");
  EXPECT_EQ(Pane().GetSelection(), (TextSelection{{5, 1}, {5, 1}}));
  Pane().Undo();
  EXPECT_EQ(Pane().GetText(), "A\r\nB\r\nC");

  EXPECT_FALSE(MergeNCFile(bench, "missing"));
  EXPECT_TRUE(host.Showed("FILE NOT FOUND"));
  EXPECT_EQ(Pane().GetText(), "A\r\nB\r\nC");

  host.QueueFileName(dir.File("part2.nc"));
  ASSERT_TRUE(MergeNc(bench, hooks));
  EXPECT_EQ(host.dialogs.back().caption, "Merge NC File");
  EXPECT_EQ(Pane().LineCount(), 6);
}

TEST_F(NcFiles, LoadReportsAMissingFileAndKeepsTheProgram) {
  bench.nc_file_name = dir.Write("OLD.NC", "OLD");
  Pane().SetText("EDITED");
  host.QueueFileName(dir.File("GONE.NC"));
  EXPECT_FALSE(LoadNc(bench, hooks));  // the question is answered No
  EXPECT_EQ(host.messages.front().caption, kEditorNotSavedCaption);
  EXPECT_TRUE(host.Showed("FILE NOT FOUND"));
  EXPECT_EQ(host.prompt_panel, " Cant Load: " + dir.File("GONE.NC"));
  EXPECT_EQ(Pane().GetText(), "EDITED");
  EXPECT_EQ(bench.nc_file_name, dir.File("OLD.NC"));
  EXPECT_TRUE(recent.empty());

  // Named on the command line: no message when it is not there.
  host.messages.clear();
  EXPECT_FALSE(LoadNCFile(bench, dir.File("GONE.NC"), /*starting_up=*/true));
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(NcFiles, LoadTakesTheFileAndClearsModifiedAndBookmarks) {
  const std::string file = dir.Write("NEW.NC", "N1\r\nN2\r\n");
  Pane().SetText("EDITED");
  Pane(2).SetText("B");
  Pane(2).SetBookmark(3, 1);
  // Cancelling the dialog leaves the edits marked as unsaved.
  EXPECT_FALSE(LoadNc(bench, hooks));
  EXPECT_TRUE(Pane().IsModified());
  EXPECT_EQ(host.dialogs.back().caption, "Open NC");
  EXPECT_EQ(host.dialogs.back().initial_dir, dir.path());

  host.QueueFileName(file);
  ASSERT_TRUE(LoadNc(bench, hooks));
  EXPECT_EQ(Pane().GetText(), "N1\r\nN2\r\n");
  EXPECT_EQ(bench.nc_file_name, file);
  EXPECT_FALSE(Pane().IsModified());
  EXPECT_FALSE(Pane(2).IsModified());
  EXPECT_EQ(Pane(2).BookmarkLine(3), 0);
  EXPECT_EQ(host.prompt_panel, " Loaded: " + file);
  EXPECT_EQ(recent, std::vector<std::string>{file});
  EXPECT_EQ(captions, 1);
}

TEST_F(NcFiles, AnsweringYesButNotSavingKeepsTheEdits) {
  const std::string file = dir.Write("NEW.NC", "N1");
  Pane().SetText("UNNAMED EDITS");
  host.QueueAnswer(Answer::kYes);  // save first: Save As, whose dialog is cancelled
  host.QueueFileName(std::nullopt);
  host.QueueFileName(file);
  EXPECT_FALSE(LoadNc(bench, hooks));
  EXPECT_EQ(Pane().GetText(), "UNNAMED EDITS");
}

// Files come back byte for byte in the machine's line-break style, whatever bytes the
// comments hold.
TEST_F(NcFiles, RoundTripIsByteExact) {
  const std::string high = "(MAT\xC4\xD6\xDC \xB0 \xFF)";
  const std::pair<LineBreakStyle, std::string> cases[] = {
      {LineBreakStyle::kCrLf, "%\r\nO1" + high + "\r\nG0X1\r\n%\r\n"},
      {LineBreakStyle::kLf, "%\nO1" + high + "\nG0X1\n\n%"},
      {LineBreakStyle::kCr, "%\rO1" + high + "\rG0X1\r%\r"},
  };
  for (const auto& [style, bytes] : cases) {
    const std::string file = dir.Write("TRIP.NC", bytes);
    Pane().SetLineBreakStyle(style);
    ASSERT_TRUE(OpenNcFile(bench, hooks, file));
    ASSERT_TRUE(SaveNc(bench, hooks));
    EXPECT_EQ(dir.Read("TRIP.NC"), bytes);
  }
}

// A save that runs out of room (here the file size limit) reports the failure and leaves the
// program on disk as it was, with no scratch file left behind.
TEST_F(NcFiles, FailedWriteLeavesTheOldFileIntact) {
  const std::string old_text(5000, 'O');
  bench.nc_file_name = dir.Write("BIG.NC", old_text);
  Pane().SetText(std::string(200000, 'X'));
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto* previous = signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 65536;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool saved_ok = SaveNCFile(bench, hooks);
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, previous);
  EXPECT_FALSE(saved_ok);
  EXPECT_EQ(dir.Read("BIG.NC"), old_text);
  EXPECT_TRUE(Pane().IsModified());
  ASSERT_FALSE(host.messages.empty());
  EXPECT_EQ(host.messages.back().text.rfind("I/O Error ", 0), 0u);
  int files = 0;
  for (const auto& entry : fs::directory_iterator(dir.path())) files += entry.exists() ? 1 : 0;
  EXPECT_EQ(files, 1);
}

}  // namespace
}  // namespace vormak
