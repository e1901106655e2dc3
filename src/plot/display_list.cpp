#include "plot/display_list.h"

#include <algorithm>
#include <cmath>

#include "cad/geometry_measure.h"

namespace vormak {

namespace {

constexpr double kUnitsPerStep = 10000;  // a ten-thousandth of a program unit
constexpr double kLargestStep = 2147483647;

constexpr std::uint32_t kMoveTo = 0;
constexpr std::uint32_t kSegment = 1;
constexpr std::uint32_t kMarker = 2;
constexpr std::uint32_t kArc = 3;
constexpr int kKindShift = 30;
constexpr std::uint32_t kClockwiseBit = 1u << 29;
constexpr int kPlaneShift = 27;
constexpr std::uint32_t kLineMask = (1u << kPlaneShift) - 1;

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

// The plot primitives draw clockwise from the first angle to the second.
void SetArcAngles(ListedItem& item, bool clockwise) {
  const double start = PlaneAngle(item.centre, item.from, item.plane);
  // A whole circle ends where it starts: one arctangent serves both ends.
  const double end = item.to == item.from ? start : PlaneAngle(item.centre, item.to, item.plane);
  item.first = clockwise ? start : end;
  item.second = clockwise ? end : start;
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

void DisplayList::Push(const MoveTag& tag, std::int32_t colour, int style, std::uint32_t kind,
                       const Record& at) {
  const Attributes wanted{colour, static_cast<std::uint8_t>(std::clamp(style, 0, 255)),
                          static_cast<std::uint8_t>(tag.turret == 2 ? 2 : 1),
                          static_cast<std::uint8_t>(std::clamp(tag.pane, 1, 4))};
  if (runs_.empty() || !(attributes_[runs_.back().index] == wanted)) {
    auto found = std::find(attributes_.begin(), attributes_.end(), wanted);
    if (found == attributes_.end()) found = attributes_.insert(attributes_.end(), wanted);
    runs_.push_back(AttributeRun{static_cast<std::uint32_t>(records_.size()),
                                 static_cast<std::uint32_t>(found - attributes_.begin())});
  }
  Record r = at;
  r.code = (kind << kKindShift) | (at.code & ~(3u << kKindShift));
  records_.push_back(r);
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
                               const Point& from, const Point& to) {
  plane = plane >= 1 && plane <= 3 ? plane : 1;
  const Record a{Step(from.x), Step(from.y), Step(from.z), 0};
  Record b{Step(to.x), Step(to.y), Step(to.z), LineCode(tag.line)};
  b.code |= (clockwise ? kClockwiseBit : 0) | (static_cast<std::uint32_t>(plane) << kPlaneShift);
  const ArcRecord arc{Step(centre.x), Step(centre.y), Step(centre.z), static_cast<float>(radius)};
  MoveTo(tag, a);
  Push(tag, colour, style, kArc, b);
  arcs_.push_back(arc);
  pen_[PenIndex(tag.turret)] = b;
  ++moves_;
  ListedItem item = MoveItem(ListedKind::kArc, tag, colour, style, PointOf(a.x, a.y, a.z),
                             PointOf(b.x, b.y, b.z));
  item.plane = plane;
  item.radius = arc.radius;
  item.centre = PointOf(arc.cx, arc.cy, arc.cz);
  SetArcAngles(item, clockwise);
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
  return records_.Bytes() + arcs_.Bytes() + runs_.Bytes() +
         attributes_.capacity() * sizeof(Attributes) + sizeof(*this);
}

bool DisplayList::Reader::Next(ListedItem& item) {
  const auto& records = list_.records_;
  while (record_ < records.size()) {
    const std::size_t index = record_++;
    while (run_ < list_.runs_.size() && list_.runs_[run_].first <= index) {
      attributes_ = list_.attributes_[list_.runs_[run_].index];
      ++run_;
    }
    const Record& r = records[index];
    const std::uint32_t kind = r.code >> kKindShift;
    Point& pen = pen_[PenIndex(attributes_.turret)];
    if (kind == kMoveTo) {
      pen = PointOf(r.x, r.y, r.z);
      continue;
    }
    item.tag = {attributes_.turret, attributes_.pane, static_cast<int>(r.code & kLineMask)};
    item.colour = attributes_.colour;
    item.style = attributes_.style;
    item.to = PointOf(r.x, r.y, r.z);
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
    const ArcRecord& arc = list_.arcs_[arc_++];
    item.kind = ListedKind::kArc;
    item.plane = static_cast<int>((r.code >> kPlaneShift) & 3u);
    item.radius = arc.radius;
    item.centre = PointOf(arc.cx, arc.cy, arc.cz);
    SetArcAngles(item, (r.code & kClockwiseBit) != 0);
    return true;
  }
  return false;
}

}  // namespace vormak
