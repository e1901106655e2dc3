#pragma once
// The lines of a pane. A program loaded from disk stays the one block of bytes it was read
// as (its line breaks made single '\n's in place); each line is a 4-byte offset into that
// block, so a million-line program costs its own size plus four bytes a line, with no heap
// string per line. Lines written later are added at the block's end, and the block is
// packed again once more of it is dead than alive.
//
// The offsets sit in a gap buffer: a utility walking a long program and inserting or
// replacing lines as it goes touches only the lines near the gap, so a run over a
// million-line program stays linear instead of shifting the rest of the offsets every time.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vormak {

class LineStore {
 public:
  std::size_t size() const { return offsets_.size() - (gap_end_ - gap_start_); }
  // Valid until the next change of the store.
  std::string_view operator[](std::size_t i) const;

  // Replaces lines [first, first + remove) by the `count` lines at `source` (no line breaks);
  // copies of the replaced lines go to `removed`, which must have room for `remove`.
  void Splice(std::size_t first, std::size_t remove, const std::string* source, std::size_t count,
              std::string* removed);
  void Assign(const std::vector<std::string>& lines);
  // Takes a whole text with CR-LF, CR or LF breaks as the lines, without copying it: a
  // trailing break gives a last empty line.
  void AssignText(std::string text);

  // The lines' own bytes, breaks left out, without walking them.
  std::size_t LineBytes() const { return text_.size() - dead_ - size(); }
  // Bytes held for the lines, dead ones included (for the memory figures).
  std::size_t BlockBytes() const { return text_.capacity() + offsets_.capacity() * 4; }

 private:
  std::size_t Slot(std::size_t i) const { return i < gap_start_ ? i : i + (gap_end_ - gap_start_); }
  std::uint32_t Append(std::string_view line);
  void MoveGap(std::size_t to);
  void MakeRoom(std::size_t count);
  void PackIfMostlyDead();

  std::string text_;  // every line followed by '\n'
  std::vector<std::uint32_t> offsets_;
  std::size_t gap_start_ = 0;
  std::size_t gap_end_ = 0;
  std::size_t dead_ = 0;  // bytes of text_ no line points at any more
};

}  // namespace vormak
