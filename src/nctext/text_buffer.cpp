#include "nctext/text_buffer.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <sstream>

#include "nctext/host.h"

namespace vormak {

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string current;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(std::move(current));
      current.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      current.push_back(c);
    }
  }
  lines.push_back(std::move(current));
  return lines;
}

TextBuffer::TextBuffer(Host* host) : host_(host) {}

int TextBuffer::LineCount() const { return static_cast<int>(lines_.size()); }

std::string TextBuffer::GetLine(int line) const {
  if (line < 1 || line > LineCount()) return {};
  return lines_[static_cast<size_t>(line - 1)];
}

int TextBuffer::LineLength(int line) const {
  if (line < 1 || line > LineCount()) return 0;
  return static_cast<int>(lines_[static_cast<size_t>(line - 1)].size());
}

void TextBuffer::CheckWritable() const {
  // A read-only pane ignores edits silently, as the window's editor does.
}

TextPosition TextBuffer::Clamp(TextPosition p) const {
  p.line = std::clamp(p.line, 1, LineCount());
  p.column = std::clamp(p.column, 0, LineLength(p.line));
  return p;
}

void TextBuffer::ApplySplice(int first, int remove_count, std::vector<std::string> lines) {
  Splice splice;
  splice.first = first;
  const auto begin = lines_.begin() + first;
  splice.removed.assign(std::make_move_iterator(begin),
                        std::make_move_iterator(begin + remove_count));
  const int inserted = static_cast<int>(lines.size());
  if (inserted == remove_count) {
    std::copy(lines.begin(), lines.end(), begin);
  } else {
    lines_.erase(begin, begin + remove_count);
    lines_.insert(lines_.begin() + first, lines.begin(), lines.end());
  }
  if (lines_.empty()) lines_.emplace_back();
  // Bookmarks travel with their lines; a bookmark on a removed line moves to the first
  // line of what replaced it.
  const int delta = inserted - remove_count;
  for (int& mark : bookmarks_) {
    if (mark == 0) continue;
    if (mark - 1 >= first + remove_count) {
      mark += delta;
    } else if (mark - 1 >= first) {
      mark = std::min(first + 1, LineCount());
    }
  }
  splice.inserted = std::move(lines);
  Record(std::move(splice));
  modified_ = true;
}

void TextBuffer::Record(Splice splice) {
  if (pending_.splices.empty()) pending_.selection_before = selection_;
  pending_.splices.push_back(std::move(splice));
  if (group_depth_ == 0) FinishStep();
}

void TextBuffer::FinishStep() {
  if (pending_.splices.empty()) return;
  pending_.selection_after = selection_;
  undo_.push_back(std::move(pending_));
  pending_ = UndoStep{};
  if (static_cast<int>(undo_.size()) > kUndoDepth) undo_.erase(undo_.begin());
  redo_.clear();
}

void TextBuffer::BeginUndoGroup() { ++group_depth_; }

void TextBuffer::EndUndoGroup() {
  if (group_depth_ == 0) return;
  if (--group_depth_ == 0) FinishStep();
}

void TextBuffer::EmptyUndoBuffer() {
  undo_.clear();
  redo_.clear();
  pending_ = UndoStep{};
}

bool TextBuffer::CanUndo() const { return !undo_.empty() || !pending_.splices.empty(); }
bool TextBuffer::CanRedo() const { return !redo_.empty(); }

void TextBuffer::Undo() {
  if (read_only_) return;
  if (!pending_.splices.empty()) FinishStep();
  if (undo_.empty()) return;
  UndoStep step = std::move(undo_.back());
  undo_.pop_back();
  for (auto it = step.splices.rbegin(); it != step.splices.rend(); ++it) {
    const auto begin = lines_.begin() + it->first;
    lines_.erase(begin, begin + static_cast<long>(it->inserted.size()));
    lines_.insert(lines_.begin() + it->first, it->removed.begin(), it->removed.end());
    if (lines_.empty()) lines_.emplace_back();
  }
  selection_ = {Clamp(step.selection_before.start), Clamp(step.selection_before.end)};
  redo_.push_back(std::move(step));
  modified_ = true;
}

void TextBuffer::Redo() {
  if (read_only_ || redo_.empty()) return;
  UndoStep step = std::move(redo_.back());
  redo_.pop_back();
  for (const Splice& s : step.splices) {
    const auto begin = lines_.begin() + s.first;
    lines_.erase(begin, begin + static_cast<long>(s.removed.size()));
    lines_.insert(lines_.begin() + s.first, s.inserted.begin(), s.inserted.end());
    if (lines_.empty()) lines_.emplace_back();
  }
  selection_ = {Clamp(step.selection_after.start), Clamp(step.selection_after.end)};
  undo_.push_back(std::move(step));
  modified_ = true;
}

void TextBuffer::InsertLine(int after, const std::string& text) {
  if (read_only_) return;
  if (after >= LineCount()) {
    AppendLine(text);
    return;
  }
  after = std::max(after, 0);
  std::vector<std::string> lines = SplitLines(text);
  ApplySplice(after, 0, std::move(lines));
}

void TextBuffer::AppendLine(const std::string& text) {
  if (read_only_) return;
  std::vector<std::string> lines = SplitLines(text);
  const int last = LineCount() - 1;
  if (lines_.back().empty()) {
    // The text ends with a line break: the new line goes before the empty last line.
    lines.emplace_back();
    ApplySplice(last, 1, std::move(lines));
  } else {
    ApplySplice(LineCount(), 0, std::move(lines));
  }
}

void TextBuffer::ReplaceLine(int line, const std::string& text) {
  if (read_only_ || line < 1 || line > LineCount()) return;
  ApplySplice(line - 1, 1, SplitLines(text));
  selection_ = {Clamp(selection_.start), Clamp(selection_.end)};
}

void TextBuffer::DeleteLine(int line) {
  if (read_only_ || line < 1 || line > LineCount()) return;
  ApplySplice(line - 1, 1, {});
  selection_ = {Clamp(selection_.start), Clamp(selection_.end)};
}

TextSelection TextBuffer::GetSelection() const { return selection_; }

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
  const std::string& first = lines_[static_cast<size_t>(from.line - 1)];
  const std::string& last = lines_[static_cast<size_t>(to.line - 1)];
  const std::string joined = first.substr(0, static_cast<size_t>(from.column)) + text +
                             last.substr(static_cast<size_t>(to.column));
  std::vector<std::string> lines = SplitLines(joined);
  // The caret goes to the end of the inserted text.
  const std::vector<std::string> inserted = SplitLines(text);
  TextPosition caret;
  caret.line = from.line + static_cast<int>(inserted.size()) - 1;
  caret.column = inserted.size() == 1 ? from.column + static_cast<int>(inserted[0].size())
                                      : static_cast<int>(inserted.back().size());
  const bool unchanged = from == to && text.empty();
  if (!unchanged) ApplySplice(from.line - 1, to.line - from.line + 1, std::move(lines));
  selection_ = {caret, caret};
  if (!unchanged && group_depth_ == 0 && !undo_.empty()) undo_.back().selection_after = selection_;
  ScrollCaretIntoView();
}

void TextBuffer::ReplaceSelection(const std::string& text) {
  if (read_only_) return;
  ReplaceRange(selection_.start, selection_.end, text);
}

std::string TextBuffer::SelectedText() const {
  TextPosition from = selection_.start;
  TextPosition to = selection_.end;
  if (to.line < from.line || (to.line == from.line && to.column < from.column)) std::swap(from, to);
  if (from.line == to.line) {
    const std::string& line = lines_[static_cast<size_t>(from.line - 1)];
    return line.substr(static_cast<size_t>(from.column),
                       static_cast<size_t>(to.column - from.column));
  }
  std::string out = lines_[static_cast<size_t>(from.line - 1)].substr(
      static_cast<size_t>(from.column));
  for (int l = from.line + 1; l < to.line; ++l) {
    out += "\r\n";
    out += lines_[static_cast<size_t>(l - 1)];
  }
  out += "\r\n";
  out += lines_[static_cast<size_t>(to.line - 1)].substr(0, static_cast<size_t>(to.column));
  return out;
}

void TextBuffer::DeleteSelection() {
  if (read_only_ || selection_.start == selection_.end) return;
  ReplaceRange(selection_.start, selection_.end, "");
}

void TextBuffer::ClearAll() {
  if (read_only_) return;
  ApplySplice(0, LineCount(), {std::string()});
  selection_ = {};
  top_line_ = 1;
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
}

long long TextBuffer::TextSize() const {
  long long size = 0;
  for (const auto& line : lines_) size += static_cast<long long>(line.size()) + 2;
  return size - 2;
}

void TextBuffer::LoadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw EditError(kEditFileError);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw EditError(kEditFileError);
  lines_ = SplitLines(bytes);
  selection_ = {};
  top_line_ = 1;
  bookmarks_.fill(0);
  EmptyUndoBuffer();
  modified_ = false;
}

void TextBuffer::SaveFile(const std::string& path) {
  const char* brk = line_break_ == LineBreakStyle::kCrLf ? "\r\n"
                    : line_break_ == LineBreakStyle::kCr ? "\r"
                                                          : "\n";
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) throw EditError(kEditFileError);
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (i > 0) out << brk;
    out.write(lines_[i].data(), static_cast<std::streamsize>(lines_[i].size()));
  }
  out.flush();
  if (!out) throw EditError(kEditFileError);
  modified_ = false;
}

namespace {

bool SameChar(char a, char b, bool match_case) {
  if (match_case) return a == b;
  return std::toupper(static_cast<unsigned char>(a)) == std::toupper(static_cast<unsigned char>(b));
}

bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// Position of `needle` in `hay` at or after `from`, or npos.
size_t FindIn(const std::string& hay, const std::string& needle, size_t from,
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
    const std::string& hay = lines_[static_cast<size_t>(line - 1)];
    const size_t from = line == caret.line ? static_cast<size_t>(caret.column) : 0;
    const size_t at = FindIn(hay, text, from, options);
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
