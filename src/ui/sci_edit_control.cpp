#include "ui/sci_edit_control.h"

#include <Qsci/qscilexer.h>

#include <QColor>
#include <QKeyEvent>
#include <QKeySequence>
#include <algorithm>

#include "nctext/text_file_io.h"

namespace vormak {

namespace {

// Inside the pane every line ends with CR-LF, whatever the file or the caller used.
std::string WithCrLf(const std::string& text) {
  if (text.find_first_of("\r\n") == std::string::npos) return text;
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      out += "\r\n";
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += c;
    }
  }
  return out;
}

// True when every line break already is CR-LF, so a loaded file can go in unchanged.
bool HasOnlyCrLf(const std::string& text) {
  const char* p = text.data();
  const char* const end = p + text.size();
  for (; p != end; ++p) {
    if (*p == '\r') {
      if (p + 1 == end || p[1] != '\n') return false;
      ++p;
    } else if (*p == '\n') {
      return false;
    }
  }
  return true;
}

QColor FromRgb(unsigned rgb) {
  return QColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                static_cast<int>(rgb & 0xFF));
}

constexpr int kBookmarkMask = (1 << kBookmarkCount) - 1;

}  // namespace

SciEditControl::SciEditControl(QWidget* parent) : QsciScintilla(parent) {
  setUtf8(false);
  pane_font_ = font();
  Send(SCI_SETCODEPAGE, 0);
  setEolMode(EolWindows);
  Send(SCI_SETPASTECONVERTENDINGS, 1);
  // Whole-word search treats only letters, digits and "_" as word characters, as the
  // engine's own buffer does, so bytes above 127 in comments separate words.
  SendScintilla(SCI_SETWORDCHARS, 0UL,
                "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_");
  setTabWidth(8);
  setCaretWidth(caret_width_);
  setWrapMode(WrapNone);

  setMarginType(kLineNumberMargin, NumberMargin);
  setMarginMarkerMask(kLineNumberMargin, 0);
  setMarginType(kBookmarkMargin, SymbolMargin);
  setMarginWidth(kBookmarkMargin, 16);
  setMarginMarkerMask(kBookmarkMargin, kBookmarkMask);
  setMarginSensitivity(kBookmarkMargin, true);
  for (int n = 0; n < kBookmarkCount; ++n) {
    Send(SCI_MARKERDEFINE, static_cast<unsigned long>(n), SC_MARK_CHARACTER + '0' + n);
  }
  SetBookmarkColors(0xFFFFFF, 0x000080);
  UpdateLineNumberWidth();

  connect(this, &QsciScintillaBase::SCN_MODIFIED, this,
          [this](int, int type, const char*, int, int lines_added, int, int, int, int, int) {
            OnModification(type, lines_added);
          });
  connect(this, &QsciScintillaBase::SCN_UPDATEUI, this, &SciEditControl::OnUpdateUi);
  connect(this, &QsciScintilla::marginClicked, this, &SciEditControl::OnMarginClicked);
  connect(this, &QsciScintilla::textChanged, this, &SciEditControl::Changed);
}

SciEditControl::~SciEditControl() = default;

long SciEditControl::Send(unsigned int message, unsigned long wparam, long lparam) const {
  return SendScintilla(message, wparam, lparam);
}

long SciEditControl::SendBytes(unsigned int message, unsigned long length,
                               const char* bytes) const {
  return SendScintilla(message, static_cast<uintptr_t>(length), bytes);
}

// ---- positions -----------------------------------------------------------------------

int SciEditControl::LineCount() const {
  return static_cast<int>(Send(SCI_GETLINECOUNT));
}

long SciEditControl::LineStart(int line) const {
  return Send(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line - 1));
}

long SciEditControl::LineEnd(int line) const {
  return Send(SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line - 1));
}

int SciEditControl::LineOf(long position) const {
  return static_cast<int>(Send(SCI_LINEFROMPOSITION, static_cast<unsigned long>(position))) + 1;
}

long SciEditControl::PositionOf(TextPosition p) const {
  const int line = std::clamp(p.line, 1, LineCount());
  const long start = LineStart(line);
  return start + std::clamp<long>(p.column, 0, LineEnd(line) - start);
}

TextPosition SciEditControl::ToTextPosition(long position) const {
  const int line = LineOf(position);
  return {line, static_cast<int>(position - LineStart(line))};
}

std::string SciEditControl::Range(long from, long to) const {
  if (to <= from) return {};
  const auto* bytes = reinterpret_cast<const char*>(
      Send(SCI_GETRANGEPOINTER, static_cast<unsigned long>(from), to - from));
  if (bytes == nullptr) return {};
  return std::string(bytes, static_cast<std::size_t>(to - from));
}

long SciEditControl::MuteChangeNotices() {
  // The editor reports every change to its accessibility layer, which counts the characters
  // from the start of the text each time: a utility rewriting line after line of a long
  // program would go quadratic. Edits made through this interface go without those notices;
  // the pane counts their undo steps and tells of the change itself.
  const long mask = Send(SCI_GETMODEVENTMASK);
  Send(SCI_SETMODEVENTMASK, 0);
  return mask;
}

void SciEditControl::RestoreChangeNotices(long mask) {
  Send(SCI_SETMODEVENTMASK, static_cast<unsigned long>(mask));
}

void SciEditControl::NoteStep() {
  UpdateLineNumberWidth();
  if (group_depth_ > 0) {
    group_changed_ = true;
    return;
  }
  undo_steps_ = std::min(undo_steps_ + 1, kUndoDepth);
  redo_steps_ = 0;
  emit Changed();
}

long SciEditControl::ReplaceRange(long from, long to, const std::string& text) {
  const std::string bytes = WithCrLf(text);
  if (from == to && bytes.empty()) return to;
  const long mask = MuteChangeNotices();
  // Each call is an undo step of its own: the editor would otherwise merge edits that
  // follow each other in the text, as it does for typing.
  Send(SCI_BEGINUNDOACTION);
  Send(SCI_SETTARGETRANGE, static_cast<unsigned long>(from), to);
  SendBytes(SCI_REPLACETARGET, bytes.size(), bytes.data());
  Send(SCI_ENDUNDOACTION);
  RestoreChangeNotices(mask);
  NoteStep();
  return Send(SCI_GETTARGETEND);
}

// ---- lines ---------------------------------------------------------------------------

std::string SciEditControl::GetLine(int line) const {
  if (line < 1 || line > LineCount()) return {};
  return Range(LineStart(line), LineEnd(line));
}

int SciEditControl::LineLength(int line) const {
  if (line < 1 || line > LineCount()) return 0;
  return static_cast<int>(LineEnd(line) - LineStart(line));
}

void SciEditControl::InsertLine(int after, const std::string& text) {
  if (ReadOnly()) return;
  if (after >= LineCount()) {
    AppendLine(text);
    return;
  }
  const long at = LineStart(std::max(after, 0) + 1);
  ReplaceRange(at, at, text + "\r\n");
}

void SciEditControl::AppendLine(const std::string& text) {
  if (ReadOnly()) return;
  const long end = Send(SCI_GETLENGTH);
  // After a final line break the new line goes before the empty last line.
  if (LineLength(LineCount()) == 0) {
    ReplaceRange(end, end, text + "\r\n");
  } else {
    ReplaceRange(end, end, "\r\n" + text);
  }
}

void SciEditControl::ReplaceLine(int line, const std::string& text) {
  if (ReadOnly() || line < 1 || line > LineCount()) return;
  ReplaceRange(LineStart(line), LineEnd(line), text);
}

void SciEditControl::DeleteLine(int line) {
  const int count = LineCount();
  if (ReadOnly() || line < 1 || line > count) return;
  if (line < count) {
    ReplaceRange(LineStart(line), LineStart(line + 1), "");
  } else if (line > 1) {
    // The last line goes together with the break that ends the line before it.
    ReplaceRange(LineEnd(line - 1), LineEnd(line), "");
  } else {
    ReplaceRange(0, LineEnd(line), "");
  }
}

// ---- selection -----------------------------------------------------------------------

TextSelection SciEditControl::GetSelection() const {
  return {ToTextPosition(Send(SCI_GETANCHOR)), ToTextPosition(Send(SCI_GETCURRENTPOS))};
}

void SciEditControl::SetSelection(const TextSelection& selection) {
  Send(SCI_SETSEL, static_cast<unsigned long>(PositionOf(selection.start)),
       PositionOf(selection.end));
}

void SciEditControl::ReplaceSelection(const std::string& text) {
  if (ReadOnly()) return;
  const long anchor = Send(SCI_GETANCHOR);
  const long caret = Send(SCI_GETCURRENTPOS);
  const long end = ReplaceRange(std::min(anchor, caret), std::max(anchor, caret), text);
  Send(SCI_GOTOPOS, static_cast<unsigned long>(end));
}

std::string SciEditControl::SelectedText() const {
  const long anchor = Send(SCI_GETANCHOR);
  const long caret = Send(SCI_GETCURRENTPOS);
  return Range(std::min(anchor, caret), std::max(anchor, caret));
}

void SciEditControl::DeleteSelection() {
  if (ReadOnly() || Send(SCI_GETANCHOR) == Send(SCI_GETCURRENTPOS)) return;
  ReplaceSelection("");
}

void SciEditControl::ClearAll() {
  if (ReadOnly()) return;
  ReplaceRange(0, Send(SCI_GETLENGTH), "");
  Send(SCI_GOTOPOS, 0);
}

void SciEditControl::SelectAll() {
  Send(SCI_SETSEL, 0, Send(SCI_GETLENGTH));
}

void SciEditControl::Cut() {
  cut();
}
void SciEditControl::Copy() {
  copy();
}
void SciEditControl::Paste() {
  paste();
}

// ---- undo ----------------------------------------------------------------------------

// Typing, the clipboard and the editor's own keys: their undo steps are counted here.
void SciEditControl::OnModification(int type, int lines_added) {
  if ((type & (SC_MOD_INSERTTEXT | SC_MOD_DELETETEXT)) == 0) return;
  if (lines_added != 0) UpdateLineNumberWidth();
  if ((type & SC_PERFORMED_USER) != 0 && (type & SC_STARTACTION) != 0) {
    undo_steps_ = std::min(undo_steps_ + 1, kUndoDepth);
    redo_steps_ = 0;
  } else if ((type & SC_PERFORMED_UNDO) != 0 && (type & SC_LASTSTEPINUNDOREDO) != 0) {
    undo_steps_ = std::max(undo_steps_ - 1, 0);
    ++redo_steps_;
  } else if ((type & SC_PERFORMED_REDO) != 0 && (type & SC_LASTSTEPINUNDOREDO) != 0) {
    redo_steps_ = std::max(redo_steps_ - 1, 0);
    undo_steps_ = std::min(undo_steps_ + 1, kUndoDepth);
  }
}

void SciEditControl::Undo() {
  if (ReadOnly() || !CanUndo()) return;
  const long mask = MuteChangeNotices();
  Send(SCI_UNDO);
  RestoreChangeNotices(mask);
  --undo_steps_;
  ++redo_steps_;
  UpdateLineNumberWidth();
  emit Changed();
}

void SciEditControl::Redo() {
  if (ReadOnly() || !CanRedo()) return;
  const long mask = MuteChangeNotices();
  Send(SCI_REDO);
  RestoreChangeNotices(mask);
  --redo_steps_;
  undo_steps_ = std::min(undo_steps_ + 1, kUndoDepth);
  UpdateLineNumberWidth();
  emit Changed();
}

bool SciEditControl::CanUndo() const {
  return undo_steps_ > 0 && Send(SCI_CANUNDO) != 0;
}
bool SciEditControl::CanRedo() const {
  return redo_steps_ > 0 && Send(SCI_CANREDO) != 0;
}

void SciEditControl::BeginUndoGroup() {
  ++group_depth_;
  Send(SCI_BEGINUNDOACTION);
}

void SciEditControl::EndUndoGroup() {
  if (group_depth_ == 0) return;
  --group_depth_;
  Send(SCI_ENDUNDOACTION);
  if (group_depth_ == 0 && group_changed_) {
    group_changed_ = false;
    NoteStep();
  }
}

void SciEditControl::EmptyUndoBuffer() {
  Send(SCI_EMPTYUNDOBUFFER);
  group_changed_ = false;
  undo_steps_ = 0;
  redo_steps_ = 0;
}

void SciEditControl::keyPressEvent(QKeyEvent* event) {
  // Keyboard undo obeys the same depth as the Edit menu's.
  if (event->matches(QKeySequence::Undo)) {
    Undo();
    return;
  }
  if (event->matches(QKeySequence::Redo)) {
    Redo();
    return;
  }
  QsciScintilla::keyPressEvent(event);
}

// ---- whole text and files ------------------------------------------------------------

std::string SciEditControl::GetText() const {
  const long length = Send(SCI_GETLENGTH);
  const auto* bytes = static_cast<const char*>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
  if (bytes == nullptr || length <= 0) return {};
  return std::string(bytes, static_cast<std::size_t>(length));
}

void SciEditControl::SetText(const std::string& text) {
  if (ReadOnly()) return;
  ReplaceRange(0, Send(SCI_GETLENGTH), text);
  Send(SCI_GOTOPOS, 0);
}

long long SciEditControl::TextSize() const {
  return Send(SCI_GETLENGTH);
}

void SciEditControl::LoadBytes(std::string bytes) {
  if (!HasOnlyCrLf(bytes)) bytes = WithCrLf(bytes);
  const bool read_only = ReadOnly();
  Send(SCI_SETREADONLY, 0);
  Send(SCI_SETUNDOCOLLECTION, 0);
  // No change notices while the text goes in: the editor would otherwise hand the whole
  // program, as wide text, to every listener, which costs more than the load itself.
  const long event_mask = Send(SCI_GETMODEVENTMASK);
  Send(SCI_SETMODEVENTMASK, 0);
  Send(SCI_CLEARALL);
  Send(SCI_MARKERDELETEALL, static_cast<unsigned long>(-1));
  Send(SCI_ALLOCATE, static_cast<unsigned long>(bytes.size() + 1024));
  // One hand-over of the whole text: a large program must not go in line by line.
  SendBytes(SCI_APPENDTEXT, bytes.size(), bytes.data());
  Send(SCI_SETMODEVENTMASK, static_cast<unsigned long>(event_mask));
  Send(SCI_SETUNDOCOLLECTION, 1);
  EmptyUndoBuffer();
  Send(SCI_SETSAVEPOINT);
  Send(SCI_SETREADONLY, read_only ? 1 : 0);
  Send(SCI_GOTOPOS, 0);
  UpdateLineNumberWidth();
  emit Changed();
}

void SciEditControl::LoadFile(const std::string& path) {
  LoadBytes(ReadFileBytes(path));
}

void SciEditControl::SaveFile(const std::string& path) {
  ReplacingFileWriter writer(path);
  const long length = Send(SCI_GETLENGTH);
  const auto* bytes = static_cast<const char*>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
  if (bytes != nullptr && length > 0) {
    writer.WriteConvertingBreaks(bytes, static_cast<std::size_t>(length), line_break_);
  }
  writer.Commit();
  Send(SCI_SETSAVEPOINT);
}

bool SciEditControl::IsModified() const {
  return Send(SCI_GETMODIFY) != 0;
}
void SciEditControl::ClearModified() {
  Send(SCI_SETSAVEPOINT);
}

// ---- find and view -------------------------------------------------------------------

bool SciEditControl::FindText(const std::string& text, const FindOptions& options) {
  if (text.empty() || text.find_first_of("\r\n") != std::string::npos) return false;
  int flags = 0;
  if (options.match_case) flags |= SCFIND_MATCHCASE;
  if (options.whole_word) flags |= SCFIND_WHOLEWORD;
  Send(SCI_SETSEARCHFLAGS, static_cast<unsigned long>(flags));
  Send(SCI_SETTARGETRANGE, static_cast<unsigned long>(Send(SCI_GETCURRENTPOS)),
       Send(SCI_GETLENGTH));
  if (SendBytes(SCI_SEARCHINTARGET, text.size(), text.data()) < 0) return false;
  Send(SCI_SETSEL, static_cast<unsigned long>(Send(SCI_GETTARGETSTART)), Send(SCI_GETTARGETEND));
  return true;
}

int SciEditControl::TopLine() const {
  const long visible = Send(SCI_GETFIRSTVISIBLELINE);
  return static_cast<int>(Send(SCI_DOCLINEFROMVISIBLE, static_cast<unsigned long>(visible))) + 1;
}

void SciEditControl::SetTopLine(int line) {
  Send(SCI_SETFIRSTVISIBLELINE, static_cast<unsigned long>(std::clamp(line, 1, LineCount()) - 1));
}

int SciEditControl::LineHeight() const {
  return static_cast<int>(Send(SCI_TEXTHEIGHT, 0));
}

int SciEditControl::VisibleLineCount() const {
  return std::max(1, static_cast<int>(Send(SCI_LINESONSCREEN)));
}

void SciEditControl::OnUpdateUi(int updated) {
  if ((updated & SC_UPDATE_V_SCROLL) == 0) return;
  const int top = TopLine();
  if (top == last_top_line_) return;
  last_top_line_ = top;
  emit VerticallyScrolled(top);
}

void SciEditControl::UpdateLineNumberWidth() {
  int digits = 1;
  for (int n = LineCount(); n >= 10; n /= 10) ++digits;
  digits = std::max(digits, 4);
  if (digits == line_number_digits_) return;
  line_number_digits_ = digits;
  setMarginWidth(kLineNumberMargin, QString(digits + 1, QLatin1Char('9')));
}

TextPosition SciEditControl::PositionFromPoint(int x, int y) const {
  return ToTextPosition(
      Send(SCI_POSITIONFROMPOINT, static_cast<unsigned long>(std::max(x, 0)), std::max(y, 0)));
}

// ---- bookmarks -----------------------------------------------------------------------

void SciEditControl::SetBookmark(int number, int line) {
  if (number < 0 || number >= kBookmarkCount) return;
  Send(SCI_MARKERDELETEALL, static_cast<unsigned long>(number));
  if (line >= 1 && line <= LineCount()) {
    Send(SCI_MARKERADD, static_cast<unsigned long>(line - 1), number);
  }
}

int SciEditControl::BookmarkLine(int number) const {
  if (number < 0 || number >= kBookmarkCount) return 0;
  const long line = Send(SCI_MARKERNEXT, 0, 1L << number);
  return line < 0 ? 0 : static_cast<int>(line) + 1;
}

void SciEditControl::SetBookmarkColors(unsigned foreground_rgb, unsigned background_rgb) {
  for (int n = 0; n < kBookmarkCount; ++n) {
    SendScintilla(SCI_MARKERSETFORE, static_cast<unsigned long>(n), FromRgb(foreground_rgb));
    SendScintilla(SCI_MARKERSETBACK, static_cast<unsigned long>(n), FromRgb(background_rgb));
  }
}

void SciEditControl::ToggleBookmark(int line) {
  if (line < 1 || line > LineCount()) return;
  const long marks = Send(SCI_MARKERGET, static_cast<unsigned long>(line - 1)) & kBookmarkMask;
  if (marks != 0) {
    for (int n = 0; n < kBookmarkCount; ++n) {
      if ((marks & (1L << n)) != 0) SetBookmark(n, 0);
    }
    return;
  }
  int number = 0;
  while (number < kBookmarkCount && BookmarkLine(number) != 0) ++number;
  SetBookmark(number == kBookmarkCount ? 0 : number, line);
}

void SciEditControl::OnMarginClicked(int margin, int line, Qt::KeyboardModifiers) {
  if (margin == kBookmarkMargin) ToggleBookmark(line + 1);
}

// ---- properties ----------------------------------------------------------------------

bool SciEditControl::ReadOnly() const {
  return Send(SCI_GETREADONLY) != 0;
}
void SciEditControl::SetReadOnly(bool read_only) {
  setReadOnly(read_only);
}

void SciEditControl::SetForeColor(unsigned rgb) {
  fore_color_ = rgb & 0xFFFFFF;
  setColor(FromRgb(fore_color_));
  // The colouring lexer took the old colour for plain text when it was made.
  if (lexer_ != nullptr) ApplyNcColouring();
}

int SciEditControl::TabStopSize() const {
  return tabWidth();
}

void SciEditControl::SetTabStopSize(int size) {
  if (size > 0) setTabWidth(size);
}

void SciEditControl::SetCaretWidth(int width) {
  caret_width_ = std::max(width, 0);
  setCaretWidth(caret_width_);
}

void SciEditControl::SetSyntax(const std::string& descriptor) {
  syntax_ = descriptor;
  ApplyNcColouring();
}

void SciEditControl::SetHighlight(bool on) {
  highlight_ = on;
  ApplyNcColouring();
}

void SciEditControl::SetNcLexerFactory(NcLexerFactory factory) {
  lexer_factory_ = std::move(factory);
  ApplyNcColouring();
}

void SciEditControl::SetPaneFont(const QFont& font) {
  pane_font_ = font;
  // A pane with a lexer ignores a new font: the lexer goes first and is made again with it.
  QsciLexer* old = lexer_;
  lexer_ = nullptr;
  setLexer(nullptr);
  delete old;
  setFont(font);
  line_number_digits_ = 0;  // the margin is measured in the new font
  UpdateLineNumberWidth();
  ApplyNcColouring();
}

void SciEditControl::ApplyNcColouring() {
  QsciLexer* old = lexer_;
  lexer_ = (highlight_ && lexer_factory_) ? lexer_factory_(syntax_, this) : nullptr;
  setLexer(lexer_);
  delete old;
  if (lexer_ == nullptr) {
    // Leaving a lexer puts the default style back to the application's font.
    setFont(pane_font_);
    setColor(FromRgb(fore_color_));
  }
}

}  // namespace vormak
