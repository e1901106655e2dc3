#include "plot/display_list.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "cad/geometry_measure.h"

namespace vormak {

namespace {

constexpr double kUnitsPerStep = 10000;  // a ten-thousandth of a program unit
constexpr double kLargestStep = 2147483647;

constexpr std::uint32_t kMoveTo = 0;
constexpr std::uint32_t kSegment = 1;
constexpr std::uint32_t kMarker = 2;
constexpr std::uint32_t kArc = 3;
constexpr std::uint32_t kClockwiseBit = 1u << 29;
constexpr int kPlaneShift = 27;
constexpr std::uint32_t kLineMask = (1u << kPlaneShift) - 1;

// The header byte of a kept item: kind in bits 0-1, arc sense in bit 2, plane in bits 3-4,
// the line number in bits 5-6 (the same as the item before, the next one, or written out),
// bit 7 when Z stays where the item before left it.
constexpr std::uint8_t kHeadClockwise = 1u << 2;
constexpr int kHeadPlaneShift = 3;
constexpr int kHeadLineShift = 5;
constexpr std::uint8_t kSameLine = 0;
constexpr std::uint8_t kNextLine = 1;
constexpr std::uint8_t kLineWritten = 2;
constexpr std::uint8_t kHeadSameZ = 1u << 7;

std::uint8_t* PutNumber(std::uint8_t* at, std::uint64_t v) {
  while (v >= 0x80) {
    *at++ = static_cast<std::uint8_t>(v | 0x80);
    v >>= 7;
  }
  *at++ = static_cast<std::uint8_t>(v);
  return at;
}

// Differences are written with their sign in the lowest bit, so small ones of either sign
// take one or two bytes.
std::uint8_t* PutDifference(std::uint8_t* at, std::int64_t d) {
  return PutNumber(at, (static_cast<std::uint64_t>(d) << 1) ^ static_cast<std::uint64_t>(d >> 63));
}

std::uint64_t TakeNumber(const std::uint8_t*& at) {
  std::uint64_t v = *at++;
  if (v < 0x80) return v;
  v &= 0x7F;
  for (int shift = 7;; shift += 7) {
    const std::uint64_t byte = *at++;
    v |= (byte & 0x7F) << shift;
    if (byte < 0x80) return v;
  }
}

std::int64_t TakeDifference(const std::uint8_t*& at) {
  const std::uint64_t v = TakeNumber(at);
  return static_cast<std::int64_t>(v >> 1) ^ -static_cast<std::int64_t>(v & 1);
}

// A point far off the part (a runaway macro) is kept at the edge of the range: it still draws
// a line leaving the window the same way.
std::int32_t Step(double v) {
  if (!(v == v)) return 0;
  const double steps = std::nearbyint(v * kUnitsPerStep);
  return static_cast<std::int32_t>(std::clamp(steps, -kLargestStep, kLargestStep));
}

// Division is rounded once, so a value of four decimals is the number the program wrote.
double Units(std::int32_t step) {
  return static_cast<double>(step) / kUnitsPerStep;
}

Point PointOf(std::int32_t x, std::int32_t y, std::int32_t z) {
  return {Units(x), Units(y), Units(z)};
}

std::uint32_t LineCode(int line) {
  return static_cast<std::uint32_t>(std::clamp(line, 0, static_cast<int>(kLineMask)));
}

int PenIndex(int turret) {
  return turret == 2 ? 1 : 0;
}

double First(const Point& p, int plane) {
  return plane == 3 ? p.y : p.x;
}

double Second(const Point& p, int plane) {
  return plane == 1 ? p.y : p.z;
}

double PlaneAngle(const Point& centre, const Point& p, int plane) {
  return DirectionAngle({First(centre, plane), Second(centre, plane), 0},
                        {First(p, plane), Second(p, plane), 0});
}

ListedItem MoveItem(ListedKind kind, const MoveTag& tag, std::int32_t colour, int style,
                    const Point& from, const Point& to) {
  ListedItem item;
  item.kind = kind;
  item.tag = tag;
  item.colour = colour;
  item.style = style;
  item.from = from;
  item.to = to;
  return item;
}

}  // namespace

// The plot primitives draw clockwise from the first angle to the second.
void SetArcAngles(ListedItem& arc) {
  const double start = PlaneAngle(arc.centre, arc.from, arc.plane);
  // A whole circle ends where it starts: one arctangent serves both ends.
  const double end = arc.to == arc.from ? start : PlaneAngle(arc.centre, arc.to, arc.plane);
  arc.first = arc.clockwise ? start : end;
  arc.second = arc.clockwise ? end : start;
}

std::uint8_t* DisplayList::ByteStream::Room() {
  if (blocks_.empty() || used_.back() + kLongestItem > kBlock) {
    // Left uninitialised: only the bytes written are ever read.
    blocks_.emplace_back(new std::uint8_t[kBlock]);
    used_.push_back(0);
  }
  return blocks_.back().get() + used_.back();
}

void DisplayList::Push(const MoveTag& tag, std::int32_t colour, int style, std::uint32_t kind,
                       const Record& at, const Record* centre, float radius) {
  const Attributes wanted{colour, static_cast<std::uint8_t>(std::clamp(style, 0, 255)),
                          static_cast<std::uint8_t>(tag.turret == 2 ? 2 : 1),
                          static_cast<std::uint8_t>(std::clamp(tag.pane, 1, 4))};
  if (runs_.empty() || !(attributes_[runs_.back().index] == wanted)) {
    auto found = std::find(attributes_.begin(), attributes_.end(), wanted);
    if (found == attributes_.end()) found = attributes_.insert(attributes_.end(), wanted);
    runs_.push_back(AttributeRun{static_cast<std::uint32_t>(records_),
                                 static_cast<std::uint32_t>(found - attributes_.begin())});
  }
  const std::uint32_t line = at.code & kLineMask;
  const std::uint32_t last_line = last_.code & kLineMask;
  std::uint8_t head = static_cast<std::uint8_t>(kind);
  if (kind == kArc) {
    head |= (at.code & kClockwiseBit) ? kHeadClockwise : 0;
    head |= static_cast<std::uint8_t>(((at.code >> kPlaneShift) & 3u) << kHeadPlaneShift);
  }
  const std::uint8_t line_mode = line == last_line       ? kSameLine
                                 : line == last_line + 1 ? kNextLine
                                                         : kLineWritten;
  head |= static_cast<std::uint8_t>(line_mode << kHeadLineShift);
  if (at.z == last_.z) head |= kHeadSameZ;

  std::uint8_t* out = bytes_.Room();
  *out++ = head;
  if (line_mode == kLineWritten) {
    out =
        PutDifference(out, static_cast<std::int64_t>(line) - static_cast<std::int64_t>(last_line));
  }
  out = PutDifference(out, static_cast<std::int64_t>(at.x) - last_.x);
  out = PutDifference(out, static_cast<std::int64_t>(at.y) - last_.y);
  if (at.z != last_.z) out = PutDifference(out, static_cast<std::int64_t>(at.z) - last_.z);
  if (centre) {
    out = PutDifference(out, static_cast<std::int64_t>(centre->x) - at.x);
    out = PutDifference(out, static_cast<std::int64_t>(centre->y) - at.y);
    out = PutDifference(out, static_cast<std::int64_t>(centre->z) - at.z);
    std::memcpy(out, &radius, sizeof radius);
    out += sizeof radius;
  }
  bytes_.Used(out);
  last_ = at;
  ++records_;
}

void DisplayList::MoveTo(const MoveTag& tag, const Record& at) {
  const int pen = PenIndex(tag.turret);
  if (pen_set_[pen] && pen_[pen].x == at.x && pen_[pen].y == at.y && pen_[pen].z == at.z) return;
  Record r = at;
  r.code = LineCode(tag.line);
  // The jump carries the turret; its colour does not matter, so it keeps the current one.
  const Attributes& last = runs_.empty() ? Attributes{0, 0, 1, 1} : attributes_[runs_.back().index];
  Push(tag, last.colour, last.style, kMoveTo, r);
  pen_[pen] = at;
  pen_set_[pen] = true;
}

ListedItem DisplayList::AddSegment(const MoveTag& tag, std::int32_t colour, int style,
                                   const Point& from, const Point& to) {
  const Record a{Step(from.x), Step(from.y), Step(from.z), 0};
  const Record b{Step(to.x), Step(to.y), Step(to.z), LineCode(tag.line)};
  MoveTo(tag, a);
  Push(tag, colour, style, kSegment, b);
  pen_[PenIndex(tag.turret)] = b;
  ++moves_;
  return MoveItem(ListedKind::kSegment, tag, colour, style, PointOf(a.x, a.y, a.z),
                  PointOf(b.x, b.y, b.z));
}

ListedItem DisplayList::AddArc(const MoveTag& tag, std::int32_t colour, int style, int plane,
                               bool clockwise, double radius, const Point& centre,
                               const Point& from, const Point& to, bool with_angles) {
  plane = plane >= 1 && plane <= 3 ? plane : 1;
  const Record a{Step(from.x), Step(from.y), Step(from.z), 0};
  Record b{Step(to.x), Step(to.y), Step(to.z), LineCode(tag.line)};
  b.code |= (clockwise ? kClockwiseBit : 0) | (static_cast<std::uint32_t>(plane) << kPlaneShift);
  const Record arc{Step(centre.x), Step(centre.y), Step(centre.z), 0};
  const float kept_radius = static_cast<float>(radius);
  MoveTo(tag, a);
  Push(tag, colour, style, kArc, b, &arc, kept_radius);
  pen_[PenIndex(tag.turret)] = b;
  ++moves_;
  ListedItem item = MoveItem(ListedKind::kArc, tag, colour, style, PointOf(a.x, a.y, a.z),
                             PointOf(b.x, b.y, b.z));
  item.plane = plane;
  item.radius = kept_radius;
  item.centre = PointOf(arc.x, arc.y, arc.z);
  item.clockwise = clockwise;
  if (with_angles) SetArcAngles(item);
  return item;
}

ListedItem DisplayList::AddMarker(const MoveTag& tag, std::int32_t colour, const Point& at) {
  const Record r{Step(at.x), Step(at.y), Step(at.z), LineCode(tag.line)};
  Push(tag, colour, 0, kMarker, r);
  ListedItem item;
  item.kind = ListedKind::kMarker;
  item.tag = tag;
  item.colour = colour;
  item.to = PointOf(r.x, r.y, r.z);
  return item;
}

void DisplayList::Clear() {
  *this = DisplayList();
}

std::size_t DisplayList::Bytes() const {
  return bytes_.Bytes() + runs_.Bytes() + attributes_.capacity() * sizeof(Attributes) +
         sizeof(*this);
}

bool DisplayList::Reader::Next(ListedItem& item) {
  const ByteStream& bytes = list_.bytes_;
  for (;;) {
    if (at_ == end_) {
      if (block_ >= bytes.BlockCount()) return false;
      at_ = bytes.Block(block_);
      end_ = at_ + bytes.BlockUsed(block_);
      ++block_;
      continue;
    }
    const std::size_t index = record_++;
    while (run_ < list_.runs_.size() && list_.runs_[run_].first <= index) {
      attributes_ = list_.attributes_[list_.runs_[run_].index];
      ++run_;
    }
    const std::uint8_t head = *at_++;
    const std::uint32_t kind = head & 3u;
    const std::uint8_t line_mode = (head >> kHeadLineShift) & 3u;
    if (line_mode == kNextLine) {
      ++line_;
    } else if (line_mode == kLineWritten) {
      line_ = static_cast<std::uint32_t>(line_ + TakeDifference(at_));
    }
    last_[0] += TakeDifference(at_);
    last_[1] += TakeDifference(at_);
    if (!(head & kHeadSameZ)) last_[2] += TakeDifference(at_);
    const auto x = static_cast<std::int32_t>(last_[0]);
    const auto y = static_cast<std::int32_t>(last_[1]);
    const auto z = static_cast<std::int32_t>(last_[2]);
    Point& pen = pen_[PenIndex(attributes_.turret)];
    if (kind == kMoveTo) {
      pen = PointOf(x, y, z);
      continue;
    }
    item.tag = {attributes_.turret, attributes_.pane, static_cast<int>(line_)};
    item.colour = attributes_.colour;
    item.style = attributes_.style;
    item.to = PointOf(x, y, z);
    if (kind == kMarker) {
      item.kind = ListedKind::kMarker;
      return true;
    }
    item.from = pen;
    pen = item.to;
    if (kind == kSegment) {
      item.kind = ListedKind::kSegment;
      return true;
    }
    const std::int64_t cx = x + TakeDifference(at_);
    const std::int64_t cy = y + TakeDifference(at_);
    const std::int64_t cz = z + TakeDifference(at_);
    float radius;
    std::memcpy(&radius, at_, sizeof radius);
    at_ += sizeof radius;
    item.kind = ListedKind::kArc;
    item.plane = (head >> kHeadPlaneShift) & 3;
    item.radius = radius;
    item.centre = PointOf(static_cast<std::int32_t>(cx), static_cast<std::int32_t>(cy),
                          static_cast<std::int32_t>(cz));
    item.clockwise = (head & kHeadClockwise) != 0;
    if (angles_) SetArcAngles(item);
    return true;
  }
}

}  // namespace vormak
