#pragma once
// The editor pane as the engine sees it. Lines are numbered from 1, columns from 0; text is
// bytes (Latin-1 in the window), so NC comments with bytes above 127 survive unchanged.
//
// Line model: a line break ends a line, and the text after the last break is one more line
// (empty when the text ends with a break). An empty pane has one empty line.

#include <stdexcept>
#include <string>
#include <vector>

namespace vormak {

// A failure inside the control; the message is one of the "TLEdit: ..." texts.
class EditError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr const char* kEditOutOfMemory = "TLEdit: Out of memory";
inline constexpr const char* kEditTooLongLine = "TLEdit: Too long line";
inline constexpr const char* kEditFileError = "TLEdit: File Error";
inline constexpr const char* kEditClipboardError = "TLEdit: Clipboard Error";

// How lines end when a pane is saved. Reading accepts all three.
enum class LineBreakStyle { kCrLf, kCr, kLf };

struct TextPosition {
  int line = 1;
  int column = 0;
  friend bool operator==(const TextPosition&, const TextPosition&) = default;
};

// start is the anchor, end is the caret (it may lie before start).
struct TextSelection {
  TextPosition start;
  TextPosition end;
  friend bool operator==(const TextSelection&, const TextSelection&) = default;
};

struct FindOptions {
  bool match_case = true;
  bool whole_word = false;
};

inline constexpr int kBookmarkCount = 10;  // bookmarks 0..9

class EditControl {
 public:
  virtual ~EditControl() = default;

  // Line access.
  virtual int LineCount() const = 0;
  virtual std::string GetLine(int line) const = 0;  // "" when there is no such line
  // GetLine into a string the caller keeps: a run reading line after line reuses its room.
  virtual void ReadLine(int line, std::string& into) const { into = GetLine(line); }
  virtual int LineLength(int line) const = 0;
  // The text becomes a new line directly after line `after` (0: first; past the end: last).
  virtual void InsertLine(int after, const std::string& text) = 0;
  virtual void AppendLine(const std::string& text) = 0;
  virtual void ReplaceLine(int line, const std::string& text) = 0;
  virtual void DeleteLine(int line) = 0;

  // Selection and caret. Setting it scrolls the caret into view.
  virtual TextSelection GetSelection() const = 0;
  virtual void SetSelection(const TextSelection& selection) = 0;
  virtual void ReplaceSelection(const std::string& text) = 0;  // may hold "\r\n"
  // Lines `first` to `last` (clamped to the text) become `lines`, which hold no line break,
  // as one edit; the caret ends after the last new line. A utility rewriting a long program
  // hands its lines over whole: a control that keeps lines apart takes them without the
  // text being joined and cut up again.
  virtual void ReplaceLines(int first, int last, std::vector<std::string> lines);
  virtual std::string SelectedText() const = 0;
  virtual void DeleteSelection() = 0;
  virtual void ClearAll() = 0;
  virtual void SelectAll() = 0;
  virtual void Cut() = 0;
  virtual void Copy() = 0;
  virtual void Paste() = 0;

  // Undo. Edits between BeginUndoGroup and EndUndoGroup undo as one step (a utility run).
  virtual void Undo() = 0;
  virtual void Redo() = 0;
  virtual bool CanUndo() const = 0;
  virtual bool CanRedo() const = 0;
  virtual void BeginUndoGroup() = 0;
  virtual void EndUndoGroup() = 0;
  virtual void EmptyUndoBuffer() = 0;
  virtual int UndoDepth() const = 0;

  // Whole text, with lines joined by "\r\n".
  virtual std::string GetText() const = 0;
  virtual void SetText(const std::string& text) = 0;
  virtual long long TextSize() const = 0;  // characters, line breaks counted as two
  // Throw EditError(kEditFileError) when the file cannot be read or written. Loading
  // clears the undo history and the modified flag; saving clears the modified flag.
  virtual void LoadFile(const std::string& path) = 0;
  virtual void SaveFile(const std::string& path) = 0;
  virtual void SetLineBreakStyle(LineBreakStyle style) = 0;
  virtual LineBreakStyle GetLineBreakStyle() const = 0;

  virtual bool IsModified() const = 0;
  virtual void ClearModified() = 0;

  // Searches forward from the caret; found: selects the match (caret at its end), true.
  virtual bool FindText(const std::string& text, const FindOptions& options = {}) = 0;

  virtual int TopLine() const = 0;
  virtual void SetTopLine(int line) = 0;
  virtual int LineHeight() const = 0;  // pixels per line
  virtual int VisibleLineCount() const = 0;

  // Bookmarks 0..9; line 0 removes the bookmark; BookmarkLine answers 0 when unset.
  virtual void SetBookmark(int number, int line) = 0;
  virtual int BookmarkLine(int number) const = 0;
  virtual void SetBookmarkColors(unsigned foreground_rgb, unsigned background_rgb) = 0;

  virtual TextPosition PositionFromPoint(int x, int y) const = 0;

  // Properties.
  virtual bool ReadOnly() const = 0;
  virtual void SetReadOnly(bool read_only) = 0;
  virtual unsigned ForeColor() const = 0;  // 0xRRGGBB
  virtual void SetForeColor(unsigned rgb) = 0;
  virtual int TabStopSize() const = 0;
  virtual void SetTabStopSize(int size) = 0;
  virtual int CaretWidth() const = 0;
  virtual void SetCaretWidth(int width) = 0;
  // Colouring rules of NC words and comments; the control interprets the descriptor.
  virtual std::string Syntax() const = 0;
  virtual void SetSyntax(const std::string& descriptor) = 0;
  virtual bool Highlight() const = 0;
  virtual void SetHighlight(bool on) = 0;
};

}  // namespace vormak
