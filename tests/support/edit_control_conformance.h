#pragma once
// One suite of behaviour every EditControl must show, run against the engine's TextBuffer
// and the window's QScintilla pane. An implementation joins by specialising
// EditControlMaker<T> (a Make() returning a fresh control; the maker may own what the control
// needs, such as a host) and instantiating the suite:
//   INSTANTIATE_TYPED_TEST_SUITE_P(Name, EditControlConformance, ::testing::Types<T>);

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "nctext/edit_control.h"

namespace vormak {

template <typename T>
struct EditControlMaker;

template <typename T>
class EditControlConformance : public ::testing::Test {
 protected:
  EditControlConformance() : control_(maker_.Make()), pane(*control_) {}

  ~EditControlConformance() override {
    std::error_code ec;
    if (!folder_.empty()) std::filesystem::remove_all(folder_, ec);
  }

  // A scratch folder of this test's own (tests of both controls may run at once).
  std::string Path(const std::string& name) {
    if (folder_.empty()) {
      const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
      std::string tag = std::string(info->test_suite_name()) + "_" + info->name();
      for (char& c : tag) {
        if (c == '/') c = '_';
      }
      folder_ = std::filesystem::path(::testing::TempDir()) / ("vormak_edit_" + tag);
      std::filesystem::remove_all(folder_);
      std::filesystem::create_directories(folder_);
    }
    return (folder_ / name).string();
  }

  static void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }

  static std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }

  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    for (int n = 1; n <= pane.LineCount(); ++n) lines.push_back(pane.GetLine(n));
    return lines;
  }

  // Text loaded as from disk: no undo history, not modified.
  void Load(const std::string& bytes) {
    const std::string path = Path("loaded.nc");
    WriteBytes(path, bytes);
    pane.LoadFile(path);
  }

  EditControlMaker<T> maker_;
  std::unique_ptr<T> control_;
  EditControl& pane;

 private:
  std::filesystem::path folder_;
};

using Lines = std::vector<std::string>;

TYPED_TEST_SUITE_P(EditControlConformance);

TYPED_TEST_P(EditControlConformance, LineModelAtTheEnds) {
  EditControl& pane = this->pane;
  EXPECT_EQ(pane.LineCount(), 1);
  EXPECT_EQ(pane.GetLine(1), "");
  EXPECT_EQ(pane.GetText(), "");
  EXPECT_EQ(pane.TextSize(), 0);

  pane.SetText("N10 G0\r\nN20 X1\r\n");
  EXPECT_EQ(this->Lines(), (Lines{"N10 G0", "N20 X1", ""}));
  EXPECT_EQ(pane.GetLine(0), "");
  EXPECT_EQ(pane.GetLine(4), "");
  EXPECT_EQ(pane.LineLength(2), 6);
  EXPECT_EQ(pane.LineLength(3), 0);
  EXPECT_EQ(pane.LineLength(9), 0);
  EXPECT_EQ(pane.TextSize(), 16);

  pane.SetText("A\nB\rC");
  EXPECT_EQ(this->Lines(), (Lines{"A", "B", "C"}));
  EXPECT_EQ(pane.GetText(), "A\r\nB\r\nC");
  EXPECT_EQ(pane.TextSize(), 7);
}

TYPED_TEST_P(EditControlConformance, InsertLineAtStartMiddleAndPastTheEnd) {
  EditControl& pane = this->pane;
  pane.SetText("A\r\nB\r\nC");
  pane.InsertLine(0, "first");
  pane.InsertLine(2, "middle");
  EXPECT_EQ(this->Lines(), (Lines{"first", "A", "middle", "B", "C"}));
  pane.InsertLine(99, "last");
  EXPECT_EQ(pane.GetText(), "first\r\nA\r\nmiddle\r\nB\r\nC\r\nlast");

  pane.SetText("A\r\nB\r\n");
  pane.InsertLine(99, "last");
  EXPECT_EQ(pane.GetText(), "A\r\nB\r\nlast\r\n");
  pane.InsertLine(1, "two\r\nlines");
  EXPECT_EQ(this->Lines(), (Lines{"A", "two", "lines", "B", "last", ""}));
}

TYPED_TEST_P(EditControlConformance, AppendLineKeepsTheEnding) {
  EditControl& pane = this->pane;
  pane.AppendLine("N10");
  EXPECT_EQ(pane.GetText(), "N10\r\n");
  pane.AppendLine("N20");
  EXPECT_EQ(pane.GetText(), "N10\r\nN20\r\n");

  pane.SetText("N10\r\nN20");
  pane.AppendLine("N30");
  EXPECT_EQ(pane.GetText(), "N10\r\nN20\r\nN30");
  EXPECT_EQ(pane.LineCount(), 3);
}

TYPED_TEST_P(EditControlConformance, ReplaceAndDeleteShiftLaterLinesAndBookmarks) {
  EditControl& pane = this->pane;
  pane.SetText("L1\r\nL2\r\nL3\r\nL4\r\nL5");
  pane.SetBookmark(1, 4);
  pane.SetBookmark(2, 2);
  pane.SetBookmark(3, 5);
  EXPECT_EQ(pane.BookmarkLine(0), 0);

  pane.ReplaceLine(3, "X\r\nY");
  EXPECT_EQ(this->Lines(), (Lines{"L1", "L2", "X", "Y", "L4", "L5"}));
  EXPECT_EQ(pane.BookmarkLine(1), 5);
  EXPECT_EQ(pane.BookmarkLine(2), 2);

  pane.DeleteLine(1);
  EXPECT_EQ(this->Lines(), (Lines{"L2", "X", "Y", "L4", "L5"}));
  EXPECT_EQ(pane.BookmarkLine(1), 4);
  EXPECT_EQ(pane.BookmarkLine(2), 1);
  EXPECT_EQ(pane.BookmarkLine(3), 5);

  pane.InsertLine(0, "L0");
  EXPECT_EQ(pane.BookmarkLine(1), 5);
  EXPECT_EQ(pane.BookmarkLine(3), 6);

  // The last line goes together with the break before it.
  pane.DeleteLine(6);
  EXPECT_EQ(pane.GetText(), "L0\r\nL2\r\nX\r\nY\r\nL4");
  pane.DeleteLine(7);
  pane.ReplaceLine(0, "none");
  pane.ReplaceLine(9, "none");
  EXPECT_EQ(pane.GetText(), "L0\r\nL2\r\nX\r\nY\r\nL4");

  pane.SetBookmark(1, 0);
  EXPECT_EQ(pane.BookmarkLine(1), 0);
  pane.SetBookmark(4, 99);
  EXPECT_EQ(pane.BookmarkLine(4), 0);

  pane.SetText("only");
  pane.DeleteLine(1);
  EXPECT_EQ(pane.LineCount(), 1);
  EXPECT_EQ(pane.GetText(), "");
}

TYPED_TEST_P(EditControlConformance, BookmarksFollowUndo) {
  EditControl& pane = this->pane;
  this->Load("A\r\nB\r\nC\r\nD");
  pane.SetBookmark(5, 3);
  pane.InsertLine(1, "new");
  EXPECT_EQ(pane.BookmarkLine(5), 4);
  pane.Undo();
  EXPECT_EQ(pane.BookmarkLine(5), 3);
}

TYPED_TEST_P(EditControlConformance, LinesShiftUnderTheCaret) {
  EditControl& pane = this->pane;
  pane.SetText("A\r\nB\r\nC\r\nD");
  pane.SetSelection({{3, 1}, {3, 1}});
  pane.DeleteLine(1);
  EXPECT_EQ(pane.GetSelection().end, (TextPosition{2, 1}));
  pane.InsertLine(1, "X\r\nY");
  EXPECT_EQ(pane.GetSelection().end, (TextPosition{4, 1}));
}

TYPED_TEST_P(EditControlConformance, ReplaceSelectionWithLineBreaks) {
  EditControl& pane = this->pane;
  pane.SetText("ABCD\r\nEF");
  pane.SetSelection({{1, 1}, {1, 3}});
  EXPECT_EQ(pane.SelectedText(), "BC");
  pane.ReplaceSelection("x\r\nyz");
  EXPECT_EQ(this->Lines(), (Lines{"Ax", "yzD", "EF"}));
  EXPECT_EQ(pane.GetSelection(), (TextSelection{{2, 2}, {2, 2}}));

  // Without a selection the text goes in at the caret; a bare LF is a break too.
  pane.ReplaceSelection("1\n2");
  EXPECT_EQ(pane.GetText(), "Ax\r\nyz1\r\n2D\r\nEF");
  EXPECT_EQ(pane.GetSelection().end, (TextPosition{3, 1}));

  pane.SetSelection({{3, 1}, {3, 1}});
  pane.ReplaceSelection("\r\n");
  EXPECT_EQ(this->Lines(), (Lines{"Ax", "yz1", "2", "D", "EF"}));
  EXPECT_EQ(pane.GetSelection().end, (TextPosition{4, 0}));
}

TYPED_TEST_P(EditControlConformance, ReversedSelectionKeepsCaretAtItsEnd) {
  EditControl& pane = this->pane;
  pane.SetText("N10 G1 X5\r\nN20 Y6\r\nN30");
  const TextSelection reversed{{2, 3}, {1, 4}};
  pane.SetSelection(reversed);
  EXPECT_EQ(pane.GetSelection(), reversed);
  EXPECT_EQ(pane.SelectedText(), "G1 X5\r\nN20");
  pane.DeleteSelection();
  EXPECT_EQ(pane.GetText(), "N10  Y6\r\nN30");
  EXPECT_EQ(pane.GetSelection(), (TextSelection{{1, 4}, {1, 4}}));

  // Positions beyond the text are held to it.
  pane.SetSelection({{1, 2}, {9, 99}});
  EXPECT_EQ(pane.GetSelection(), (TextSelection{{1, 2}, {2, 3}}));
  pane.SetSelection({{1, 99}, {1, 99}});
  EXPECT_EQ(pane.GetSelection().end, (TextPosition{1, 7}));
}

TYPED_TEST_P(EditControlConformance, SelectAllAndClearAll) {
  EditControl& pane = this->pane;
  this->Load("N10\r\nN20\r\n");
  pane.SelectAll();
  EXPECT_EQ(pane.GetSelection(), (TextSelection{{1, 0}, {3, 0}}));
  EXPECT_EQ(pane.SelectedText(), "N10\r\nN20\r\n");
  pane.ClearAll();
  EXPECT_EQ(pane.GetText(), "");
  EXPECT_EQ(pane.LineCount(), 1);
  EXPECT_TRUE(pane.IsModified());
  pane.Undo();
  EXPECT_EQ(pane.GetText(), "N10\r\nN20\r\n");
}

TYPED_TEST_P(EditControlConformance, FindTextSearchesForwardFromTheCaret) {
  EditControl& pane = this->pane;
  pane.SetText("G1 X1\r\nG10 X2\r\ng1 x3");
  pane.SetSelection({{1, 0}, {1, 0}});
  ASSERT_TRUE(pane.FindText("X"));
  EXPECT_EQ(pane.GetSelection(), (TextSelection{{1, 3}, {1, 4}}));
  ASSERT_TRUE(pane.FindText("X"));
  EXPECT_EQ(pane.GetSelection(), (TextSelection{{2, 4}, {2, 5}}));
  EXPECT_FALSE(pane.FindText("X"));
  EXPECT_EQ(pane.GetSelection(), (TextSelection{{2, 4}, {2, 5}}));

  ASSERT_TRUE(pane.FindText("X", {.match_case = false}));
  EXPECT_EQ(pane.GetSelection(), (TextSelection{{3, 3}, {3, 4}}));

  pane.SetSelection({{1, 1}, {1, 1}});
  ASSERT_TRUE(pane.FindText("G1", {.match_case = false, .whole_word = true}));
  EXPECT_EQ(pane.GetSelection(), (TextSelection{{3, 0}, {3, 2}}));
  EXPECT_FALSE(pane.FindText("G1", {.match_case = true, .whole_word = false}));
  EXPECT_FALSE(pane.FindText(""));
}

TYPED_TEST_P(EditControlConformance, UndoGroupIsOneStep) {
  EditControl& pane = this->pane;
  this->Load("N10\r\nN20\r\nN30");
  EXPECT_FALSE(pane.CanUndo());

  pane.BeginUndoGroup();
  for (int n = 1; n <= 3; ++n) pane.ReplaceLine(n, pane.GetLine(n) + " M8");
  pane.InsertLine(1, "N15");
  pane.AppendLine("N40");
  pane.EndUndoGroup();
  const std::string changed = "N10 M8\r\nN15\r\nN20 M8\r\nN30 M8\r\nN40";
  EXPECT_EQ(pane.GetText(), changed);

  pane.Undo();
  EXPECT_EQ(pane.GetText(), "N10\r\nN20\r\nN30");
  EXPECT_FALSE(pane.CanUndo());
  ASSERT_TRUE(pane.CanRedo());
  pane.Redo();
  EXPECT_EQ(pane.GetText(), changed);
  EXPECT_FALSE(pane.CanRedo());

  // Edits outside a group undo one by one; a new edit ends the redo chain.
  pane.ReplaceLine(1, "A");
  pane.ReplaceLine(2, "B");
  pane.Undo();
  EXPECT_EQ(pane.GetLine(1), "A");
  EXPECT_EQ(pane.GetLine(2), "N15");
  pane.DeleteLine(5);
  EXPECT_FALSE(pane.CanRedo());

  pane.EmptyUndoBuffer();
  EXPECT_FALSE(pane.CanUndo());
  pane.Undo();
  EXPECT_EQ(pane.GetLine(1), "A");
}

TYPED_TEST_P(EditControlConformance, UndoDepthIsAThousandSteps) {
  EditControl& pane = this->pane;
  EXPECT_EQ(pane.UndoDepth(), 1000);
  this->Load("start");
  const int edits = pane.UndoDepth() + 5;
  for (int n = 1; n <= edits; ++n) pane.ReplaceLine(1, "edit " + std::to_string(n));
  int undone = 0;
  while (pane.CanUndo() && undone <= edits) {
    pane.Undo();
    ++undone;
  }
  EXPECT_EQ(undone, pane.UndoDepth());
  EXPECT_EQ(pane.GetText(), "edit 5");
  pane.Redo();
  EXPECT_EQ(pane.GetText(), "edit 6");
}

TYPED_TEST_P(EditControlConformance, ModifiedFlagFollowsEditsLoadAndSave) {
  EditControl& pane = this->pane;
  EXPECT_FALSE(pane.IsModified());
  pane.SetText("N10");
  EXPECT_TRUE(pane.IsModified());
  pane.ClearModified();
  EXPECT_FALSE(pane.IsModified());
  pane.AppendLine("N20");
  EXPECT_TRUE(pane.IsModified());
  pane.SaveFile(this->Path("saved.nc"));
  EXPECT_FALSE(pane.IsModified());
  pane.ReplaceLine(1, "N5");
  EXPECT_TRUE(pane.IsModified());
  pane.LoadFile(this->Path("saved.nc"));
  EXPECT_FALSE(pane.IsModified());
  EXPECT_FALSE(pane.CanUndo());
  EXPECT_EQ(pane.GetText(), "N10\r\nN20");
}

TYPED_TEST_P(EditControlConformance, LoadAndSaveAreByteIdenticalInEveryStyle) {
  EditControl& pane = this->pane;
  std::string high;
  for (int c = 0x80; c <= 0xFF; ++c) high += static_cast<char>(c);
  const Lines lines{
      "%", "O1234 (\xC4\xDF\xE9 ZEICHNUNG)", std::string("N10\0G1\0", 7), high, "", "N20 M30"};
  const struct {
    LineBreakStyle style;
    const char* brk;
  } styles[] = {
      {LineBreakStyle::kCrLf, "\r\n"}, {LineBreakStyle::kCr, "\r"}, {LineBreakStyle::kLf, "\n"}};
  for (const auto& s : styles) {
    for (const bool final_break : {true, false}) {
      SCOPED_TRACE(std::string("break ") +
                   (s.brk[0] == '\n' ? "LF"
                    : s.brk[1]       ? "CRLF"
                                     : "CR") +
                   (final_break ? " with final break" : " without final break"));
      std::string bytes;
      for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) bytes += s.brk;
        bytes += lines[i];
      }
      if (final_break) bytes += s.brk;
      const std::string in = this->Path("in.nc");
      const std::string out = this->Path("out.nc");
      this->WriteBytes(in, bytes);
      pane.LoadFile(in);
      EXPECT_EQ(pane.LineCount(), static_cast<int>(lines.size()) + (final_break ? 1 : 0));
      EXPECT_EQ(pane.GetLine(3), lines[2]);
      EXPECT_EQ(pane.GetLine(4), high);
      pane.SetLineBreakStyle(s.style);
      EXPECT_EQ(pane.GetLineBreakStyle(), s.style);
      pane.SaveFile(out);
      EXPECT_EQ(this->ReadBytes(out), bytes);
    }
  }
  // Loaded with one style, saved with another: only the breaks change.
  this->WriteBytes(this->Path("unix.nc"), "N1\nN2\n");
  pane.LoadFile(this->Path("unix.nc"));
  pane.SetLineBreakStyle(LineBreakStyle::kCrLf);
  pane.SaveFile(this->Path("unix.nc"));
  EXPECT_EQ(this->ReadBytes(this->Path("unix.nc")), "N1\r\nN2\r\n");
}

TYPED_TEST_P(EditControlConformance, ReadsMixedLineBreaks) {
  EditControl& pane = this->pane;
  this->Load("A\r\nB\rC\nD\n\rE\r\r\nF");
  EXPECT_EQ(this->Lines(), (Lines{"A", "B", "C", "D", "", "E", "", "F"}));
  pane.SetLineBreakStyle(LineBreakStyle::kLf);
  pane.SaveFile(this->Path("mixed.nc"));
  EXPECT_EQ(this->ReadBytes(this->Path("mixed.nc")), "A\nB\nC\nD\n\nE\n\nF");
}

TYPED_TEST_P(EditControlConformance, FileErrorsLeaveTextAndFilesAlone) {
  EditControl& pane = this->pane;
  pane.SetText("N10 G0");
  const std::string missing = this->Path("no such folder/prog.nc");
  try {
    pane.LoadFile(missing);
    ADD_FAILURE() << "loading a missing file succeeded";
  } catch (const EditError& error) {
    EXPECT_STREQ(error.what(), "TLEdit: File Error");
  }
  EXPECT_THROW(pane.LoadFile(this->Path("")), EditError);  // a folder
  EXPECT_THROW(pane.SaveFile(missing), EditError);
  EXPECT_THROW(pane.SaveFile(this->Path("")), EditError);
  EXPECT_EQ(pane.GetText(), "N10 G0");
  EXPECT_TRUE(pane.IsModified());

  // A save replaces the old file whole and leaves nothing else in the folder.
  const std::string target = this->Path("prog.nc");
  this->WriteBytes(target, "old text that is longer than the new one");
  pane.SaveFile(target);
  EXPECT_EQ(this->ReadBytes(target), "N10 G0");
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(this->Path(""))) {
    static_cast<void>(entry);
    ++files;
  }
  EXPECT_EQ(files, 1);
}

TYPED_TEST_P(EditControlConformance, ReadOnlyIgnoresEdits) {
  EditControl& pane = this->pane;
  this->Load("N10\r\nN20");
  pane.ReplaceLine(1, "N5");
  pane.ClearModified();
  pane.SetReadOnly(true);
  EXPECT_TRUE(pane.ReadOnly());
  pane.SetSelection({{1, 0}, {1, 2}});
  pane.InsertLine(0, "X");
  pane.AppendLine("X");
  pane.ReplaceLine(1, "X");
  pane.DeleteLine(1);
  pane.ReplaceSelection("X");
  pane.DeleteSelection();
  pane.Cut();
  pane.Paste();
  pane.SetText("X");
  pane.ClearAll();
  pane.Undo();
  EXPECT_EQ(pane.GetText(), "N5\r\nN20");
  EXPECT_FALSE(pane.IsModified());
  pane.SetReadOnly(false);
  pane.Undo();
  EXPECT_EQ(pane.GetText(), "N10\r\nN20");
}

TYPED_TEST_P(EditControlConformance, ClipboardRoundTrip) {
  EditControl& pane = this->pane;
  pane.SetText("N10 G1\r\nN20 X5");
  pane.SetSelection({{1, 4}, {2, 3}});
  pane.Copy();
  EXPECT_EQ(pane.GetText(), "N10 G1\r\nN20 X5");
  pane.SetSelection({{2, 7}, {2, 7}});
  pane.Paste();
  EXPECT_EQ(pane.GetText(), "N10 G1\r\nN20 X5G1\r\nN20");
  EXPECT_EQ(pane.GetSelection().end, (TextPosition{3, 3}));

  pane.SetSelection({{1, 0}, {1, 4}});
  pane.Cut();
  EXPECT_EQ(pane.GetLine(1), "G1");
  pane.SetSelection({{3, 0}, {3, 0}});
  pane.Paste();
  EXPECT_EQ(pane.GetLine(3), "N10 N20");
}

TYPED_TEST_P(EditControlConformance, TopLineAndScrollingTheCaretIntoView) {
  EditControl& pane = this->pane;
  std::string text;
  for (int n = 1; n <= 300; ++n) text += "N" + std::to_string(n) + "\r\n";
  this->Load(text);
  EXPECT_EQ(pane.TopLine(), 1);
  EXPECT_GT(pane.LineHeight(), 0);
  EXPECT_GT(pane.VisibleLineCount(), 0);
  pane.SetTopLine(100);
  EXPECT_EQ(pane.TopLine(), 100);
  pane.SetSelection({{20, 0}, {20, 1}});
  EXPECT_EQ(pane.TopLine(), 20);
  pane.SetSelection({{250, 0}, {250, 0}});
  EXPECT_LE(pane.TopLine(), 250);
  EXPECT_GT(pane.TopLine() + pane.VisibleLineCount(), 250);

  pane.SetTopLine(10);
  const TextPosition p = pane.PositionFromPoint(0, pane.LineHeight() * 2 + 1);
  EXPECT_EQ(p.line, 12);
}

TYPED_TEST_P(EditControlConformance, PropertiesAreKept) {
  EditControl& pane = this->pane;
  EXPECT_EQ(pane.TabStopSize(), 8);
  EXPECT_FALSE(pane.ReadOnly());
  pane.SetTabStopSize(4);
  EXPECT_EQ(pane.TabStopSize(), 4);
  pane.SetCaretWidth(2);
  EXPECT_EQ(pane.CaretWidth(), 2);
  pane.SetForeColor(0x1020F0);
  EXPECT_EQ(pane.ForeColor(), 0x1020F0u);
  pane.SetSyntax("(,)");
  pane.SetHighlight(true);
  EXPECT_EQ(pane.Syntax(), "(,)");
  EXPECT_TRUE(pane.Highlight());
  pane.SetBookmarkColors(0xFFFFFF, 0x0000FF);
}

TYPED_TEST_P(EditControlConformance, ReplaceLinesIsOneEditWithTheCaretAfterIt) {
  EditControl& pane = this->pane;
  pane.SetText("A\r\nB\r\nC\r\nD");
  pane.EmptyUndoBuffer();
  pane.SetBookmark(1, 4);
  pane.ReplaceLines(2, 3, {"b1", "b2", "b3"});
  EXPECT_EQ(this->Lines(), (Lines{"A", "b1", "b2", "b3", "D"}));
  EXPECT_EQ(pane.GetSelection(), (TextSelection{{4, 2}, {4, 2}}));
  EXPECT_EQ(pane.BookmarkLine(1), 5);
  // Fewer lines, beyond the end clamped, and a line holding a break is split.
  pane.ReplaceLines(4, 99, {"x\r\ny"});
  EXPECT_EQ(this->Lines(), (Lines{"A", "b1", "b2", "x", "y"}));
  pane.ReplaceLines(1, 5, {});
  EXPECT_EQ(this->Lines(), (Lines{""}));
  pane.Undo();
  EXPECT_EQ(this->Lines(), (Lines{"A", "b1", "b2", "x", "y"}));
  pane.Undo();
  pane.Undo();
  EXPECT_EQ(pane.GetText(), "A\r\nB\r\nC\r\nD");
  EXPECT_FALSE(pane.CanUndo());
}

REGISTER_TYPED_TEST_SUITE_P(EditControlConformance, LineModelAtTheEnds,
                            InsertLineAtStartMiddleAndPastTheEnd, AppendLineKeepsTheEnding,
                            ReplaceAndDeleteShiftLaterLinesAndBookmarks, BookmarksFollowUndo,
                            LinesShiftUnderTheCaret, ReplaceSelectionWithLineBreaks,
                            ReversedSelectionKeepsCaretAtItsEnd, SelectAllAndClearAll,
                            FindTextSearchesForwardFromTheCaret, UndoGroupIsOneStep,
                            UndoDepthIsAThousandSteps, ModifiedFlagFollowsEditsLoadAndSave,
                            LoadAndSaveAreByteIdenticalInEveryStyle, ReadsMixedLineBreaks,
                            FileErrorsLeaveTextAndFilesAlone, ReadOnlyIgnoresEdits,
                            ClipboardRoundTrip, TopLineAndScrollingTheCaretIntoView,
                            PropertiesAreKept, ReplaceLinesIsOneEditWithTheCaretAfterIt);

}  // namespace vormak
