#pragma once
// The editor pane of the window: a QScintilla editor that is also the engine's EditControl.
// Text is kept in Latin-1 with CR-LF line ends, so every byte of an NC file (bytes above 127
// and NUL included) maps 1:1 to a character and lines match the engine's TextBuffer.

#include <Qsci/qsciscintilla.h>

#include <functional>
#include <string>

#include "nctext/edit_control.h"

class QsciLexer;

namespace vormak {

class SciEditControl : public QsciScintilla, public EditControl {
  Q_OBJECT

 public:
  explicit SciEditControl(QWidget* parent = nullptr);
  ~SciEditControl() override;

  int LineCount() const override;
  std::string GetLine(int line) const override;
  int LineLength(int line) const override;
  void InsertLine(int after, const std::string& text) override;
  void AppendLine(const std::string& text) override;
  void ReplaceLine(int line, const std::string& text) override;
  void DeleteLine(int line) override;

  TextSelection GetSelection() const override;
  void SetSelection(const TextSelection& selection) override;
  void ReplaceSelection(const std::string& text) override;
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

  bool IsModified() const override;
  void ClearModified() override;

  bool FindText(const std::string& text, const FindOptions& options = {}) override;

  int TopLine() const override;
  void SetTopLine(int line) override;
  int LineHeight() const override;
  int VisibleLineCount() const override;

  void SetBookmark(int number, int line) override;
  int BookmarkLine(int number) const override;
  void SetBookmarkColors(unsigned foreground_rgb, unsigned background_rgb) override;
  // The Edit menu's toggle and a click in the bookmark margin: a line holding bookmarks
  // loses them, any other line gets the lowest free number (0 when all ten are in use).
  void ToggleBookmark(int line);

  TextPosition PositionFromPoint(int x, int y) const override;

  bool ReadOnly() const override;
  void SetReadOnly(bool read_only) override;
  unsigned ForeColor() const override { return fore_color_; }
  void SetForeColor(unsigned rgb) override;
  int TabStopSize() const override;
  void SetTabStopSize(int size) override;
  int CaretWidth() const override { return caret_width_; }
  void SetCaretWidth(int width) override;
  std::string Syntax() const override { return syntax_; }
  void SetSyntax(const std::string& descriptor) override;
  bool Highlight() const override { return highlight_; }
  void SetHighlight(bool on) override;

  // Hook for the NC colouring lexer: given the Syntax descriptor, it makes the lexer that
  // colours words and comments (the pane owns it). Without a factory the text stays plain.
  using NcLexerFactory = std::function<QsciLexer*(const std::string& syntax, QObject* parent)>;
  void SetNcLexerFactory(NcLexerFactory factory);
  // The editor font; it stays in force when the colouring lexer is switched on or off.
  void SetPaneFont(const QFont& font);

  static constexpr int kUndoDepth = 1000;
  static constexpr int kLineNumberMargin = 0;
  static constexpr int kBookmarkMargin = 1;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 signals:
  // The text changed: an edit, an undo or redo, or a load (the window then asks IsModified).
  void Changed();
  // The first visible line changed (twin-turret panes scroll together).
  void VerticallyScrolled(int top_line);

 private:
  long Send(unsigned int message, unsigned long wparam = 0, long lparam = 0) const;
  long SendBytes(unsigned int message, unsigned long length, const char* bytes) const;
  long LineStart(int line) const;  // line from 1
  long LineEnd(int line) const;    // before the line break
  int LineOf(long position) const;
  long PositionOf(TextPosition p) const;
  TextPosition ToTextPosition(long position) const;
  std::string Range(long from, long to) const;
  // Replaces the bytes [from, to) by `text` (its line breaks made CR-LF); answers the
  // position after the new text.
  long ReplaceRange(long from, long to, const std::string& text);
  long MuteChangeNotices();
  void RestoreChangeNotices(long mask);
  void NoteStep();  // an edit through this interface is done
  void LoadBytes(std::string bytes);
  void ApplyNcColouring();
  void OnModification(int type, int lines_added);
  void OnUpdateUi(int updated);
  void OnMarginClicked(int margin, int line, Qt::KeyboardModifiers state);
  void UpdateLineNumberWidth();

  LineBreakStyle line_break_ = LineBreakStyle::kCrLf;
  unsigned fore_color_ = 0x000000;
  QFont pane_font_;
  int caret_width_ = 3;
  std::string syntax_;
  bool highlight_ = false;
  NcLexerFactory lexer_factory_;
  QsciLexer* lexer_ = nullptr;
  int last_top_line_ = 1;
  int line_number_digits_ = 0;
  // Steps that may still be undone or redone; the editor itself keeps more, but the pane
  // offers no more than kUndoDepth.
  int undo_steps_ = 0;
  int redo_steps_ = 0;
  int group_depth_ = 0;
  bool group_changed_ = false;
};

}  // namespace vormak
