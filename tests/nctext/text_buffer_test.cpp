#include "nctext/text_buffer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "nctext/text_file_io.h"
#include "support/fake_host.h"

namespace vormak {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& name)
      : path_(fs::path(::testing::TempDir()) / ("vormak_text_buffer_" + name)) {
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  fs::path operator/(const std::string& name) const { return path_ / name; }
  int FileCount() const {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(path_)) {
      static_cast<void>(entry);
      ++count;
    }
    return count;
  }

 private:
  fs::path path_;
};

TEST(TextBufferTest, ClipboardGoesThroughTheHost) {
  FakeHost host;
  TextBuffer pane(&host);
  pane.SetText("N10 G1 X5");
  pane.SetSelection({{1, 4}, {1, 6}});
  pane.Copy();
  EXPECT_EQ(host.clipboard, "G1");
  host.clipboard = "M8\r\nN20";
  pane.SetSelection({{1, 9}, {1, 9}});
  pane.Paste();
  EXPECT_EQ(pane.GetText(), "N10 G1 X5M8\r\nN20");

  // Without a host the buffer keeps a clipboard of its own.
  TextBuffer alone;
  alone.SetText("ABC");
  alone.SetSelection({{1, 0}, {1, 2}});
  alone.Cut();
  alone.SetSelection({{1, 1}, {1, 1}});
  alone.Paste();
  EXPECT_EQ(alone.GetText(), "CAB");
}

// Random edits, single and grouped; undoing them all walks back through every state.
TEST(TextBufferTest, UndoAndRedoRetraceRandomEdits) {
  std::mt19937 random(99);
  TextBuffer pane;
  std::string text;
  for (int n = 1; n <= 40; ++n) text += "N" + std::to_string(n) + "\r\n";
  pane.SetText(text);
  pane.EmptyUndoBuffer();
  std::vector<std::string> states{pane.GetText()};
  for (int step = 0; step < 200; ++step) {
    const bool group = random() % 3 == 0;
    if (group) pane.BeginUndoGroup();
    for (int k = 0; k < (group ? 6 : 1); ++k) {
      const int line = static_cast<int>(random() % static_cast<unsigned>(pane.LineCount() + 1));
      const std::string word = "W" + std::to_string(step);
      switch (random() % 5) {
        case 0:
          pane.InsertLine(line, word);
          break;
        case 1:
          pane.ReplaceLine(line, word + "\r\n" + word);
          break;
        case 2:
          pane.DeleteLine(line);
          break;
        case 3:
          pane.AppendLine(word);
          break;
        default:
          pane.SetSelection({{line, 1}, {line + 2, 0}});
          pane.ReplaceSelection(word);
          break;
      }
    }
    if (group) pane.EndUndoGroup();
    if (pane.GetText() != states.back()) states.push_back(pane.GetText());
  }
  for (size_t i = states.size() - 1; i > 0; --i) {
    ASSERT_TRUE(pane.CanUndo());
    pane.Undo();
    ASSERT_EQ(pane.GetText(), states[i - 1]) << "undo to state " << i - 1;
  }
  EXPECT_FALSE(pane.CanUndo());
  for (size_t i = 1; i < states.size(); ++i) {
    pane.Redo();
    ASSERT_EQ(pane.GetText(), states[i]) << "redo to state " << i;
  }
}

// A utility run over a whole program: every line rewritten and a line added after each,
// all in one group, comes back in one undo and goes again in one redo.
TEST(TextBufferTest, UtilityRunOverEveryLineUndoesAtOnce) {
  TextBuffer pane;
  std::string text;
  for (int n = 1; n <= 3000; ++n)
    text += "N" + std::to_string(n) + " G1 X" + std::to_string(n) + "\r\n";
  pane.SetText(text);
  pane.EmptyUndoBuffer();
  const int lines = pane.LineCount();
  pane.BeginUndoGroup();
  for (int n = 1; n < lines; ++n) pane.ReplaceLine(n, pane.GetLine(n) + " F100");
  for (int n = 1; n < pane.LineCount(); n += 2) pane.InsertLine(n, "M1");
  pane.EndUndoGroup();
  const std::string changed = pane.GetText();
  EXPECT_EQ(pane.LineCount(), 2 * lines - 1);
  EXPECT_EQ(pane.GetLine(3), "N2 G1 X2 F100");
  EXPECT_EQ(pane.GetLine(4), "M1");
  pane.Undo();
  EXPECT_EQ(pane.GetText(), text);
  EXPECT_FALSE(pane.CanUndo());
  pane.Redo();
  EXPECT_EQ(pane.GetText(), changed);
}

TEST(TextBufferTest, LoadingAFolderOrAnUnreadableFileFails) {
  ScratchFolder folder("unreadable");
  TextBuffer pane;
  pane.SetText("keep");
  EXPECT_THROW(pane.LoadFile((folder / "").string()), EditError);
  EXPECT_EQ(pane.GetText(), "keep");
}

TEST(ReplacingFileWriterTest, AnAbandonedSaveLeavesTheOldFile) {
  ScratchFolder folder("abandoned");
  const fs::path target = folder / "prog.nc";
  std::ofstream(target, std::ios::binary) << "old";
  {
    ReplacingFileWriter writer(target.string());
    writer.Write("new and half written");
  }
  EXPECT_EQ(ReadBytes(target), "old");
  EXPECT_EQ(folder.FileCount(), 1);
}

TEST(ReplacingFileWriterTest, KeepsPermissionsAndWritesThroughLinks) {
  ScratchFolder folder("links");
  const fs::path target = folder / "prog.nc";
  const fs::path link = folder / "link.nc";
  std::ofstream(target, std::ios::binary) << "old";
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink(target, link);
  ReplacingFileWriter writer(link.string());
  writer.WriteConvertingBreaks("A\r\nB\rC\nD", 8, LineBreakStyle::kCr);
  writer.Commit();
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadBytes(target), "A\rB\rC\rD");
  EXPECT_EQ(fs::status(target).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(folder.FileCount(), 2);
}

}  // namespace
}  // namespace vormak
