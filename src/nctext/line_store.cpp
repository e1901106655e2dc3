#include "nctext/line_store.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "nctext/edit_control.h"

namespace vormak {

namespace {

// Offsets are four bytes: the block holds at most this much.
constexpr std::size_t kMaxBlock = std::numeric_limits<std::uint32_t>::max();
// Small blocks are not worth packing.
constexpr std::size_t kPackThreshold = std::size_t{1} << 16;

}  // namespace

std::string_view LineStore::operator[](std::size_t i) const {
  const std::size_t start = offsets_[Slot(i)];
  const char* p = text_.data() + start;
  const void* end = std::memchr(p, '\n', text_.size() - start);
  return {p, static_cast<std::size_t>(static_cast<const char*>(end) - p)};
}

std::uint32_t LineStore::Append(std::string_view line) {
  if (text_.size() + line.size() + 1 > kMaxBlock) throw EditError(kEditOutOfMemory);
  const auto at = static_cast<std::uint32_t>(text_.size());
  text_.append(line);
  text_.push_back('\n');
  return at;
}

void LineStore::Assign(const std::vector<std::string>& lines) {
  std::size_t bytes = 0;
  for (const std::string& line : lines) bytes += line.size() + 1;
  std::string().swap(text_);
  text_.reserve(bytes);
  offsets_.assign(lines.size(), 0);
  for (std::size_t i = 0; i < lines.size(); ++i) offsets_[i] = Append(lines[i]);
  gap_start_ = gap_end_ = offsets_.size();
  dead_ = 0;
}

void LineStore::AssignText(std::string text) {
  // CR-LF and lone CRs become '\n' where they stand; the text only ever shrinks.
  char* const begin = text.data();
  char* const end = begin + text.size();
  char* out = static_cast<char*>(std::memchr(begin, '\r', text.size()));
  if (out != nullptr) {
    for (const char* in = out; in != end; ++in) {
      if (*in == '\r') {
        *out++ = '\n';
        if (in + 1 != end && in[1] == '\n') ++in;
      } else {
        *out++ = *in;
      }
    }
    text.resize(static_cast<std::size_t>(out - begin));
  }
  if (text.size() + 1 > kMaxBlock) throw EditError(kEditOutOfMemory);
  text.push_back('\n');  // ends the last line
  const auto breaks = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
  text_ = std::move(text);
  std::vector<std::uint32_t>().swap(offsets_);
  offsets_.resize(breaks);
  std::size_t n = 0;
  offsets_[n++] = 0;
  const char* p = text_.data();
  const char* const last = p + text_.size() - 1;  // the break just added
  while (p != last) {
    p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(last - p + 1)));
    if (p == last) break;
    ++p;
    offsets_[n++] = static_cast<std::uint32_t>(p - text_.data());
  }
  gap_start_ = gap_end_ = offsets_.size();
  dead_ = 0;
}

void LineStore::MoveGap(std::size_t to) {
  if (gap_start_ == gap_end_) {
    gap_start_ = gap_end_ = to;
  } else if (to < gap_start_) {
    const std::size_t count = gap_start_ - to;
    std::copy_backward(offsets_.begin() + static_cast<std::ptrdiff_t>(to),
                       offsets_.begin() + static_cast<std::ptrdiff_t>(gap_start_),
                       offsets_.begin() + static_cast<std::ptrdiff_t>(gap_end_));
    gap_start_ -= count;
    gap_end_ -= count;
  } else if (to > gap_start_) {
    const std::size_t count = to - gap_start_;
    std::copy(offsets_.begin() + static_cast<std::ptrdiff_t>(gap_end_),
              offsets_.begin() + static_cast<std::ptrdiff_t>(gap_end_ + count),
              offsets_.begin() + static_cast<std::ptrdiff_t>(gap_start_));
    gap_start_ += count;
    gap_end_ += count;
  }
}

void LineStore::MakeRoom(std::size_t count) {
  if (gap_end_ - gap_start_ >= count) return;
  const std::size_t lines = size();
  const std::size_t capacity = std::max(lines + count + lines / 2, std::size_t{64});
  std::vector<std::uint32_t> grown(capacity);
  std::copy(offsets_.begin(), offsets_.begin() + static_cast<std::ptrdiff_t>(gap_start_),
            grown.begin());
  const std::size_t tail = offsets_.size() - gap_end_;
  std::copy(offsets_.begin() + static_cast<std::ptrdiff_t>(gap_end_), offsets_.end(),
            grown.end() - static_cast<std::ptrdiff_t>(tail));
  offsets_ = std::move(grown);
  gap_end_ = capacity - tail;
}

void LineStore::Splice(std::size_t first, std::size_t remove, const std::string* source,
                       std::size_t count, std::string* removed) {
  for (std::size_t k = 0; k < remove; ++k) {
    const std::string_view line = (*this)[first + k];
    removed[k].assign(line);
    dead_ += line.size() + 1;
  }
  // Lines replaced one for one keep their places, leaving the gap where it is.
  const std::size_t same = std::min(remove, count);
  for (std::size_t k = 0; k < same; ++k) offsets_[Slot(first + k)] = Append(source[k]);
  first += same;
  remove -= same;
  count -= same;
  if (remove != 0 || count != 0) {
    MoveGap(first);
    gap_end_ += remove;
    MakeRoom(count);
    for (std::size_t k = 0; k < count; ++k) offsets_[gap_start_ + k] = Append(source[same + k]);
    gap_start_ += count;
  }
  PackIfMostlyDead();
}

void LineStore::PackIfMostlyDead() {
  if (dead_ < kPackThreshold || dead_ * 2 < text_.size()) return;
  std::string packed;
  packed.reserve(text_.size() - dead_);
  const std::size_t lines = size();
  std::vector<std::uint32_t> offsets(lines);
  for (std::size_t i = 0; i < lines; ++i) {
    const std::string_view line = (*this)[i];
    offsets[i] = static_cast<std::uint32_t>(packed.size());
    packed.append(line);
    packed.push_back('\n');
  }
  text_ = std::move(packed);
  offsets_ = std::move(offsets);
  gap_start_ = gap_end_ = lines;
  dead_ = 0;
}

}  // namespace vormak
