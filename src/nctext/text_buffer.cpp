#include "nctext/text_buffer.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "nctext/host.h"
#include "nctext/text_file_io.h"

namespace vormak {

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  const char* p = text.data();
  const char* const end = p + text.size();
  while (true) {
    const char* brk = p;
    while (brk != end && *brk != '\r' && *brk != '\n') ++brk;
    lines.emplace_back(p, brk);
    if (brk == end) break;
    p = brk + 1;
    if (*brk == '\r' && p != end && *p == '\n') ++p;
  }
  return lines;
}

TextBuffer::TextBuffer(Host* host) : host_(host) {
  lines_.Assign({std::string()});
}

int TextBuffer::LineCount() const {
  return static_cast<int>(lines_.size());
}

std::string TextBuffer::GetLine(int line) const {
  if (line < 1 || line > LineCount()) return {};
  return std::string(Line(line));
}

void TextBuffer::ReadLine(int line, std::string& into) const {
  if (line < 1 || line > LineCount()) {
    into.clear();
  } else {
    into.assign(Line(line));
  }
}

int TextBuffer::LineLength(int line) const {
  if (line < 1 || line > LineCount()) return 0;
  return static_cast<int>(Line(line).size());
}

TextPosition TextBuffer::Clamp(TextPosition p) const {
  p.line = std::clamp(p.line, 1, LineCount());
  p.column = std::clamp(p.column, 0, LineLength(p.line));
  return p;
}

// ---- edits and undo ------------------------------------------------------------------

void TextBuffer::ApplySplice(int first, int remove_count, std::vector<std::string> lines) {
  // A pane always holds at least one (possibly empty) line.
  if (lines.empty() && remove_count == LineCount()) lines.emplace_back();
  if (pending_.splices.empty()) pending_.selection_before = selection_;
  redo_.clear();
  std::vector<std::string>& pool = pending_.removed_lines;
  const size_t at = pool.size();
  pool.resize(at + static_cast<size_t>(remove_count));
  lines_.Splice(static_cast<size_t>(first), static_cast<size_t>(remove_count), lines.data(),
                lines.size(), pool.data() + at);
  const Splice splice{first, remove_count, static_cast<int>(lines.size())};
  ShiftMarks(splice);
  // A utility rewriting line after line makes one splice of the whole run, not one per line.
  if (!pending_.splices.empty() &&
      pending_.splices.back().first + pending_.splices.back().inserted == first) {
    pending_.splices.back().removed += splice.removed;
    pending_.splices.back().inserted += splice.inserted;
  } else {
    pending_.splices.push_back(splice);
  }
  modified_ = true;
}

void TextBuffer::ShiftMarks(const Splice& splice) {
  // Bookmarks and the selection travel with their lines; one on a replaced line moves to
  // the start of what replaced it.
  const int end = splice.first + splice.removed;  // 0-based, exclusive
  const int delta = splice.inserted - splice.removed;
  const int last = LineCount();
  for (int& mark : bookmarks_) {
    if (mark == 0) continue;
    if (mark - 1 >= end) {
      mark += delta;
    } else if (mark - 1 >= splice.first) {
      mark = std::min(splice.first + 1, last);
    }
  }
  for (TextPosition* p : {&selection_.start, &selection_.end}) {
    if (p->line - 1 >= end) {
      p->line += delta;
    } else if (p->line - 1 >= splice.first) {
      *p = {std::min(splice.first + 1, last), 0};
    }
    *p = Clamp(*p);
  }
}

void TextBuffer::FinishStep() {
  if (pending_.splices.empty()) return;
  pending_.selection_after = selection_;
  undo_.push_back(std::move(pending_));
  pending_ = UndoStep{};
  while (static_cast<int>(undo_.size()) > kUndoDepth) undo_.pop_front();
}

void TextBuffer::EndEdit() {
  if (group_depth_ == 0) FinishStep();
}

void TextBuffer::BeginUndoGroup() {
  ++group_depth_;
}

void TextBuffer::EndUndoGroup() {
  if (group_depth_ == 0) return;
  --group_depth_;
  EndEdit();
}

void TextBuffer::EmptyUndoBuffer() {
  undo_.clear();
  redo_.clear();
  pending_ = UndoStep{};
}

bool TextBuffer::CanUndo() const {
  return !undo_.empty() || !pending_.splices.empty();
}
bool TextBuffer::CanRedo() const {
  return !redo_.empty();
}

void TextBuffer::Undo() {
  if (read_only_) return;
  FinishStep();
  if (undo_.empty()) return;
  UndoStep step = std::move(undo_.back());
  undo_.pop_back();
  size_t inserted_total = 0;
  for (const Splice& s : step.splices) inserted_total += static_cast<size_t>(s.inserted);
  step.inserted_lines.resize(inserted_total);
  size_t removed_end = step.removed_lines.size();
  size_t inserted_end = inserted_total;
  for (auto it = step.splices.rbegin(); it != step.splices.rend(); ++it) {
    removed_end -= static_cast<size_t>(it->removed);
    inserted_end -= static_cast<size_t>(it->inserted);
    lines_.Splice(static_cast<size_t>(it->first), static_cast<size_t>(it->inserted),
                  step.removed_lines.data() + removed_end, static_cast<size_t>(it->removed),
                  step.inserted_lines.data() + inserted_end);
    ShiftMarks({it->first, it->inserted, it->removed});
  }
  std::vector<std::string>().swap(step.removed_lines);
  selection_ = {Clamp(step.selection_before.start), Clamp(step.selection_before.end)};
  ScrollCaretIntoView();
  redo_.push_back(std::move(step));
  modified_ = true;
}

void TextBuffer::Redo() {
  if (read_only_ || redo_.empty()) return;
  FinishStep();
  UndoStep step = std::move(redo_.back());
  redo_.pop_back();
  size_t removed_total = 0;
  for (const Splice& s : step.splices) removed_total += static_cast<size_t>(s.removed);
  step.removed_lines.resize(removed_total);
  size_t removed_at = 0;
  size_t inserted_at = 0;
  for (const Splice& s : step.splices) {
    lines_.Splice(static_cast<size_t>(s.first), static_cast<size_t>(s.removed),
                  step.inserted_lines.data() + inserted_at, static_cast<size_t>(s.inserted),
                  step.removed_lines.data() + removed_at);
    ShiftMarks(s);
    removed_at += static_cast<size_t>(s.removed);
    inserted_at += static_cast<size_t>(s.inserted);
  }
  std::vector<std::string>().swap(step.inserted_lines);
  selection_ = {Clamp(step.selection_after.start), Clamp(step.selection_after.end)};
  ScrollCaretIntoView();
  undo_.push_back(std::move(step));
  modified_ = true;
}

// ---- lines ---------------------------------------------------------------------------

void TextBuffer::InsertLine(int after, const std::string& text) {
  if (read_only_) return;
  if (after >= LineCount()) {
    AppendLine(text);
    return;
  }
  ApplySplice(std::max(after, 0), 0, SplitLines(text));
  EndEdit();
}

void TextBuffer::AppendLine(const std::string& text) {
  if (read_only_) return;
  std::vector<std::string> lines = SplitLines(text);
  const int last = LineCount();
  if (Line(last).empty()) {
    // The text ends with a line break: the new line goes before the empty last line.
    lines.emplace_back();
    ApplySplice(last - 1, 1, std::move(lines));
  } else {
    ApplySplice(last, 0, std::move(lines));
  }
  EndEdit();
}

void TextBuffer::ReplaceLine(int line, const std::string& text) {
  if (read_only_ || line < 1 || line > LineCount()) return;
  ApplySplice(line - 1, 1, SplitLines(text));
  EndEdit();
}

void TextBuffer::DeleteLine(int line) {
  if (read_only_ || line < 1 || line > LineCount()) return;
  ApplySplice(line - 1, 1, {});
  EndEdit();
}

// ---- selection -----------------------------------------------------------------------

TextSelection TextBuffer::GetSelection() const {
  return selection_;
}

void TextBuffer::SetSelection(const TextSelection& selection) {
  selection_ = {Clamp(selection.start), Clamp(selection.end)};
  ScrollCaretIntoView();
}

void TextBuffer::ScrollCaretIntoView() {
  const int caret = selection_.end.line;
  if (caret < top_line_) {
    top_line_ = caret;
  } else if (caret >= top_line_ + visible_lines_) {
    top_line_ = caret - visible_lines_ + 1;
  }
}

void TextBuffer::ReplaceRange(TextPosition from, TextPosition to, const std::string& text) {
  from = Clamp(from);
  to = Clamp(to);
  if (to.line < from.line || (to.line == from.line && to.column < from.column)) std::swap(from, to);
  if (from == to && text.empty()) return;
  std::string joined(Line(from.line).substr(0, static_cast<size_t>(from.column)));
  joined += text;
  joined += Line(to.line).substr(static_cast<size_t>(to.column));
  // The caret goes to the end of the inserted text.
  const std::vector<std::string> inserted = SplitLines(text);
  TextPosition caret;
  caret.line = from.line + static_cast<int>(inserted.size()) - 1;
  caret.column = inserted.size() == 1 ? from.column + static_cast<int>(inserted[0].size())
                                      : static_cast<int>(inserted.back().size());
  ApplySplice(from.line - 1, to.line - from.line + 1, SplitLines(joined));
  selection_ = {caret, caret};
  ScrollCaretIntoView();
  EndEdit();
}

void TextBuffer::ReplaceSelection(const std::string& text) {
  if (read_only_) return;
  ReplaceRange(selection_.start, selection_.end, text);
}

void TextBuffer::ReplaceLines(int first, int last, std::vector<std::string> lines) {
  if (read_only_) return;
  // One pass over each line's bytes: find_first_of would look each one up in "\r\n".
  const bool has_break = std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
    return std::any_of(line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; });
  });
  if (has_break) {
    EditControl::ReplaceLines(first, last, std::move(lines));
    return;
  }
  first = std::clamp(first, 1, LineCount());
  last = std::clamp(last, first, LineCount());
  if (lines.empty()) lines.emplace_back();
  const TextPosition caret{first + static_cast<int>(lines.size()) - 1,
                           static_cast<int>(lines.back().size())};
  ApplySplice(first - 1, last - first + 1, std::move(lines));
  selection_ = {caret, caret};
  ScrollCaretIntoView();
  EndEdit();
}

std::string TextBuffer::SelectedText() const {
  TextPosition from = selection_.start;
  TextPosition to = selection_.end;
  if (to.line < from.line || (to.line == from.line && to.column < from.column)) std::swap(from, to);
  if (from.line == to.line) {
    return std::string(Line(from.line).substr(static_cast<size_t>(from.column),
                                              static_cast<size_t>(to.column - from.column)));
  }
  std::string out(Line(from.line).substr(static_cast<size_t>(from.column)));
  for (int l = from.line + 1; l < to.line; ++l) {
    out += "\r\n";
    out += Line(l);
  }
  out += "\r\n";
  out += Line(to.line).substr(0, static_cast<size_t>(to.column));
  return out;
}

void TextBuffer::DeleteSelection() {
  if (read_only_ || selection_.start == selection_.end) return;
  ReplaceRange(selection_.start, selection_.end, "");
}

void TextBuffer::ClearAll() {
  if (read_only_) return;
  if (LineCount() > 1 || !Line(1).empty()) ApplySplice(0, LineCount(), {std::string()});
  selection_ = {};
  top_line_ = 1;
  EndEdit();
}

void TextBuffer::SelectAll() {
  selection_.start = {1, 0};
  selection_.end = {LineCount(), LineLength(LineCount())};
}

void TextBuffer::Copy() {
  if (selection_.start == selection_.end) return;
  const std::string text = SelectedText();
  if (host_ != nullptr) {
    host_->SetClipboardText(text);
  } else {
    own_clipboard_ = text;
  }
}

void TextBuffer::Cut() {
  if (read_only_) return;
  Copy();
  DeleteSelection();
}

void TextBuffer::Paste() {
  if (read_only_) return;
  ReplaceSelection(host_ != nullptr ? host_->ClipboardText() : own_clipboard_);
}

// ---- whole text and files ------------------------------------------------------------

std::string TextBuffer::GetText() const {
  std::string out;
  out.reserve(static_cast<size_t>(TextSize()));
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (i > 0) out += "\r\n";
    out += lines_[i];
  }
  return out;
}

void TextBuffer::SetText(const std::string& text) {
  if (read_only_) return;
  ApplySplice(0, LineCount(), SplitLines(text));
  selection_ = {};
  top_line_ = 1;
  EndEdit();
}

long long TextBuffer::TextSize() const {
  // Each line but the last ends in CR LF.
  return static_cast<long long>(lines_.LineBytes()) + 2 * static_cast<long long>(lines_.size()) - 2;
}

void TextBuffer::LoadFile(const std::string& path) {
  lines_.AssignText(ReadFileBytes(path));
  selection_ = {};
  top_line_ = 1;
  bookmarks_.fill(0);
  EmptyUndoBuffer();
  modified_ = false;
}

void TextBuffer::SaveFile(const std::string& path) {
  const char* brk = LineBreakText(line_break_);
  const size_t brk_size = std::strlen(brk);
  ReplacingFileWriter out(path);
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (i > 0) out.Write(brk, brk_size);
    const std::string_view line = lines_[i];
    out.Write(line.data(), line.size());
  }
  out.Commit();
  modified_ = false;
}

// ---- find and view -------------------------------------------------------------------

namespace {

bool SameChar(char a, char b, bool match_case) {
  if (match_case) return a == b;
  return std::toupper(static_cast<unsigned char>(a)) == std::toupper(static_cast<unsigned char>(b));
}

bool IsWordChar(char c) {
  const unsigned char u = static_cast<unsigned char>(c);
  return u < 128 && (std::isalnum(u) || c == '_');
}

// Position of `needle` in `hay` at or after `from`, or npos.
size_t FindIn(std::string_view hay, const std::string& needle, size_t from,
              const FindOptions& options) {
  if (needle.size() > hay.size()) return std::string::npos;
  for (size_t i = from; i + needle.size() <= hay.size(); ++i) {
    bool match = true;
    for (size_t k = 0; k < needle.size() && match; ++k) {
      match = SameChar(hay[i + k], needle[k], options.match_case);
    }
    if (!match) continue;
    if (options.whole_word) {
      const bool left_ok = i == 0 || !IsWordChar(hay[i - 1]);
      const size_t end = i + needle.size();
      const bool right_ok = end >= hay.size() || !IsWordChar(hay[end]);
      if (!left_ok || !right_ok) continue;
    }
    return i;
  }
  return std::string::npos;
}

}  // namespace

bool TextBuffer::FindText(const std::string& text, const FindOptions& options) {
  if (text.empty() || text.find_first_of("\r\n") != std::string::npos) return false;
  const TextPosition caret = selection_.end;
  for (int line = caret.line; line <= LineCount(); ++line) {
    const size_t from = line == caret.line ? static_cast<size_t>(caret.column) : 0;
    const size_t at = FindIn(Line(line), text, from, options);
    if (at != std::string::npos) {
      SetSelection({{line, static_cast<int>(at)}, {line, static_cast<int>(at + text.size())}});
      return true;
    }
  }
  return false;
}

void TextBuffer::SetTopLine(int line) {
  top_line_ = std::clamp(line, 1, LineCount());
}

void TextBuffer::SetBookmark(int number, int line) {
  if (number < 0 || number >= kBookmarkCount) return;
  bookmarks_[static_cast<size_t>(number)] = (line < 1 || line > LineCount()) ? 0 : line;
}

int TextBuffer::BookmarkLine(int number) const {
  if (number < 0 || number >= kBookmarkCount) return 0;
  return bookmarks_[static_cast<size_t>(number)];
}

void TextBuffer::SetBookmarkColors(unsigned, unsigned) {}

TextPosition TextBuffer::PositionFromPoint(int x, int y) const {
  const int line = top_line_ + std::max(y, 0) / LineHeight();
  return Clamp({line, std::max(x, 0) / 8});
}

}  // namespace vormak
