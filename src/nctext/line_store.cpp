#include "nctext/line_store.h"

#include <algorithm>
#include <iterator>

namespace vormak {

void LineStore::Assign(std::vector<std::string> lines) {
  buffer_ = std::move(lines);
  gap_start_ = gap_end_ = buffer_.size();
}

void LineStore::MoveGap(std::size_t to) {
  if (gap_start_ == gap_end_) {
    // No gap: nothing to move (and moving a line onto itself would empty it).
    gap_start_ = gap_end_ = to;
  } else if (to < gap_start_) {
    const std::size_t count = gap_start_ - to;
    std::move_backward(buffer_.begin() + static_cast<std::ptrdiff_t>(to),
                       buffer_.begin() + static_cast<std::ptrdiff_t>(gap_start_),
                       buffer_.begin() + static_cast<std::ptrdiff_t>(gap_end_));
    gap_start_ -= count;
    gap_end_ -= count;
  } else if (to > gap_start_) {
    const std::size_t count = to - gap_start_;
    std::move(buffer_.begin() + static_cast<std::ptrdiff_t>(gap_end_),
              buffer_.begin() + static_cast<std::ptrdiff_t>(gap_end_ + count),
              buffer_.begin() + static_cast<std::ptrdiff_t>(gap_start_));
    gap_start_ += count;
    gap_end_ += count;
  }
}

void LineStore::MakeRoom(std::size_t count) {
  if (gap_end_ - gap_start_ >= count) return;
  const std::size_t lines = size();
  const std::size_t capacity = std::max(lines + count + lines / 2, std::size_t{64});
  std::vector<std::string> grown(capacity);
  std::move(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(gap_start_),
            grown.begin());
  const std::size_t tail = buffer_.size() - gap_end_;
  std::move(buffer_.begin() + static_cast<std::ptrdiff_t>(gap_end_), buffer_.end(),
            grown.end() - static_cast<std::ptrdiff_t>(tail));
  buffer_ = std::move(grown);
  gap_end_ = capacity - tail;
}

void LineStore::Splice(std::size_t first, std::size_t remove, std::string* source,
                       std::size_t count, std::string* removed) {
  // Lines replaced one for one are swapped in place, leaving the gap where it is.
  const std::size_t same = std::min(remove, count);
  for (std::size_t k = 0; k < same; ++k) {
    std::string& line = (*this)[first + k];
    removed[k] = std::move(line);
    line = std::move(source[k]);
  }
  first += same;
  remove -= same;
  count -= same;
  if (remove == 0 && count == 0) return;
  MoveGap(first);
  for (std::size_t k = 0; k < remove; ++k) {
    std::string& line = buffer_[gap_end_ + k];
    removed[same + k] = std::move(line);
    line = std::string();
  }
  gap_end_ += remove;
  MakeRoom(count);
  for (std::size_t k = 0; k < count; ++k) buffer_[gap_start_ + k] = std::move(source[same + k]);
  gap_start_ += count;
}

}  // namespace vormak
