#pragma once
// The engine's own edit control: the whole text in memory as lines. Used for panes in the
// batch program and in tests, and as the reference the window's editor is checked against.

#include <array>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "nctext/edit_control.h"
#include "nctext/line_store.h"

namespace vormak {

class Host;

class TextBuffer : public EditControl {
 public:
  // The host, when given, supplies the clipboard; without one the buffer keeps its own.
  explicit TextBuffer(Host* host = nullptr);

  int LineCount() const override;
  std::string GetLine(int line) const override;
  void ReadLine(int line, std::string& into) const override;
  int LineLength(int line) const override;
  void InsertLine(int after, const std::string& text) override;
  void AppendLine(const std::string& text) override;
  void ReplaceLine(int line, const std::string& text) override;
  void DeleteLine(int line) override;

  TextSelection GetSelection() const override;
  void SetSelection(const TextSelection& selection) override;
  void ReplaceSelection(const std::string& text) override;
  void ReplaceLines(int first, int last, std::vector<std::string> lines) override;
  std::string SelectedText() const override;
  void DeleteSelection() override;
  void ClearAll() override;
  void SelectAll() override;
  void Cut() override;
  void Copy() override;
  void Paste() override;

  void Undo() override;
  void Redo() override;
  bool CanUndo() const override;
  bool CanRedo() const override;
  void BeginUndoGroup() override;
  void EndUndoGroup() override;
  void EmptyUndoBuffer() override;
  int UndoDepth() const override { return kUndoDepth; }

  std::string GetText() const override;
  void SetText(const std::string& text) override;
  long long TextSize() const override;
  void LoadFile(const std::string& path) override;
  void SaveFile(const std::string& path) override;
  void SetLineBreakStyle(LineBreakStyle style) override { line_break_ = style; }
  LineBreakStyle GetLineBreakStyle() const override { return line_break_; }

  bool IsModified() const override { return modified_; }
  void ClearModified() override { modified_ = false; }

  bool FindText(const std::string& text, const FindOptions& options = {}) override;

  int TopLine() const override { return top_line_; }
  void SetTopLine(int line) override;
  int LineHeight() const override { return 16; }
  int VisibleLineCount() const override { return visible_lines_; }
  void SetVisibleLineCount(int lines) { visible_lines_ = lines < 1 ? 1 : lines; }

  void SetBookmark(int number, int line) override;
  int BookmarkLine(int number) const override;
  void SetBookmarkColors(unsigned foreground_rgb, unsigned background_rgb) override;

  TextPosition PositionFromPoint(int x, int y) const override;

  bool ReadOnly() const override { return read_only_; }
  void SetReadOnly(bool read_only) override { read_only_ = read_only; }
  unsigned ForeColor() const override { return fore_color_; }
  void SetForeColor(unsigned rgb) override { fore_color_ = rgb; }
  int TabStopSize() const override { return tab_stop_; }
  void SetTabStopSize(int size) override { tab_stop_ = size; }
  int CaretWidth() const override { return caret_width_; }
  void SetCaretWidth(int width) override { caret_width_ = width; }
  std::string Syntax() const override { return syntax_; }
  void SetSyntax(const std::string& descriptor) override { syntax_ = descriptor; }
  bool Highlight() const override { return highlight_; }
  void SetHighlight(bool on) override { highlight_ = on; }

  static constexpr int kUndoDepth = 1000;

 private:
  // Every edit replaces lines [first, first + removed) by `inserted` lines (0-based).
  struct Splice {
    int first = 0;
    int removed = 0;
    int inserted = 0;
  };
  // One undo step. While it can be undone it keeps the lines its splices removed, in splice
  // order; while it can be redone, the lines they inserted. The other side is always in the
  // text itself, so a step costs the memory of what it changed, once.
  struct UndoStep {
    std::vector<Splice> splices;
    std::vector<std::string> removed_lines;
    std::vector<std::string> inserted_lines;
    TextSelection selection_before;
    TextSelection selection_after;
  };

  void ApplySplice(int first, int remove_count, std::vector<std::string> lines);
  void ShiftMarks(const Splice& splice);
  void FinishStep();
  void EndEdit();  // closes the undo step unless a group is open
  void ReplaceRange(TextPosition from, TextPosition to, const std::string& text);
  TextPosition Clamp(TextPosition p) const;
  void ScrollCaretIntoView();
  std::string_view Line(int line) const { return lines_[static_cast<size_t>(line - 1)]; }

  LineStore lines_;
  TextSelection selection_{};
  LineBreakStyle line_break_ = LineBreakStyle::kCrLf;
  bool modified_ = false;
  bool read_only_ = false;
  int top_line_ = 1;
  int visible_lines_ = 40;
  unsigned fore_color_ = 0x000000;
  int tab_stop_ = 8;
  int caret_width_ = 3;
  std::string syntax_;
  bool highlight_ = false;
  std::array<int, kBookmarkCount> bookmarks_{};

  std::deque<UndoStep> undo_;
  std::vector<UndoStep> redo_;
  UndoStep pending_;
  int group_depth_ = 0;

  Host* host_ = nullptr;
  std::string own_clipboard_;
};

// Splits text at CR-LF, CR or LF into lines (a trailing break gives a last empty line).
std::vector<std::string> SplitLines(const std::string& text);

}  // namespace vormak
