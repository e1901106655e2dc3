#include "interp/line_cache.h"

#include <utility>

namespace vormak {

LineFacts* LineCache::Find(std::string_view line) {
  if (!awake_) return nullptr;
  const auto found = lines_.find(line);
  return found == lines_.end() ? nullptr : &found->second;
}

LineFacts* LineCache::Add(std::string_view line) {
  if (!awake_) return nullptr;
  if (lines_.size() >= kMaxLines) lines_.clear();
  return &lines_.try_emplace(std::string(line)).first->second;
}

void LineCache::Clear() {
  lines_.clear();
  jumps_.clear();
  awake_ = false;
}

namespace {

long long JumpKey(int pane, int line) {
  return static_cast<long long>(pane) << 32 | static_cast<unsigned>(line);
}

}  // namespace

const LoopJump* LineCache::FindJump(int pane, int line) const {
  const auto found = jumps_.find(JumpKey(pane, line));
  return found == jumps_.end() ? nullptr : &found->second;
}

void LineCache::AddJump(int pane, int line, LoopJump jump) {
  if (!awake_ || jumps_.size() >= kMaxLines) return;
  jumps_[JumpKey(pane, line)] = std::move(jump);
}

}  // namespace vormak
