#pragma once
// The lines of a pane held in a gap buffer: a utility walking a long program and inserting
// or replacing lines as it goes touches only the lines near the gap, so a run over a
// million-line program stays linear instead of shifting the rest of the text every time.

#include <cstddef>
#include <string>
#include <vector>

namespace vormak {

class LineStore {
 public:
  std::size_t size() const { return buffer_.size() - (gap_end_ - gap_start_); }
  const std::string& operator[](std::size_t i) const { return buffer_[Slot(i)]; }
  std::string& operator[](std::size_t i) { return buffer_[Slot(i)]; }

  // Replaces lines [first, first + remove) by the `count` lines at `source`, which are moved
  // in; the replaced lines are moved out to `removed`, which must have room for `remove`.
  void Splice(std::size_t first, std::size_t remove, std::string* source, std::size_t count,
              std::string* removed);
  void Assign(std::vector<std::string> lines);

 private:
  std::size_t Slot(std::size_t i) const { return i < gap_start_ ? i : i + (gap_end_ - gap_start_); }
  void MoveGap(std::size_t to);
  void MakeRoom(std::size_t count);

  std::vector<std::string> buffer_;
  std::size_t gap_start_ = 0;
  std::size_t gap_end_ = 0;
};

}  // namespace vormak
