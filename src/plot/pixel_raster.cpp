#include "plot/pixel_raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <type_traits>
#include <vector>

namespace vormak {

namespace {

constexpr double kPi = 3.14159265358979323846;
// Largest distance of a chord from the arc it stands for, in pixels.
constexpr double kChordTolerance = 0.25;
// How far the quick arctangent may stand off the library's, and how clear of that an arc's
// decisions must be for the quick angles to place its pieces.
constexpr double kQuickAtanError = 1e-12;
constexpr double kDecisionMargin = 1e-9;
static_assert(kDecisionMargin >= 100 * kQuickAtanError);

// On and off runs in pixels, the lengths the painter gives a cosmetic pen.
constexpr unsigned char kDot[] = {1, 2};
constexpr unsigned char kDash[] = {4, 2};
constexpr unsigned char kDashDot[] = {4, 2, 1, 2};
constexpr unsigned char kDashDotDot[] = {4, 2, 1, 2, 1, 2};

// A pen's pattern: its length in pixels and which of them are lit (bit i for pixel i).
struct Pattern {
  std::uint32_t lit = 0;
  int length = 0;
};

template <std::size_t kRuns>
constexpr Pattern PatternOf(const unsigned char (&runs)[kRuns]) {
  Pattern pattern;
  for (std::size_t i = 0; i < kRuns; ++i) {
    for (int k = 0; k < runs[i]; ++k, ++pattern.length) {
      if (i % 2 == 0) pattern.lit |= 1u << pattern.length;
    }
  }
  return pattern;
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {  // b > 0
  const std::int64_t q = a / b;
  return (a % b != 0 && a < 0) ? q - 1 : q;
}

std::int64_t CeilDiv(std::int64_t a, std::int64_t b) {  // b > 0
  return -FloorDiv(-a, b);
}

int RoundPixel(double v) {
  return static_cast<int>(std::floor(v + 0.5));
}

// The leg's pixels with indexes [first, last]; pixel i lies i steps along the major axis and
// round(i * minor / major) along the minor one, ties away from the start.
template <bool kSolid, bool kInside>
void WalkLine(const PixelBuffer& buffer, PixelPoint from, std::int64_t major, std::int64_t minor,
              bool x_major, int major_sign, int minor_sign, std::int64_t first, std::int64_t last,
              std::uint32_t pixel, const DashPhase& dash, std::int64_t dash_start) {
  const std::int64_t twice_major = 2 * major;
  const std::int64_t numerator = 2 * first * minor + major;
  std::int64_t offset = 0;
  if (major == 0) {
    offset = 0;  // a single pixel
  } else if (first <= 1) {
    offset = numerator >= twice_major ? 1 : 0;  // a whole leg, or all but its first pixel
  } else {
    offset = numerator / twice_major;
  }
  std::int64_t rest = numerator - offset * twice_major;
  const int minor_limit = x_major ? buffer.height : buffer.width;
  const std::ptrdiff_t major_step = x_major ? major_sign : major_sign * buffer.stride;
  const std::ptrdiff_t minor_step = x_major ? minor_sign * buffer.stride : minor_sign;
  const std::int64_t major_at = (x_major ? from.x : from.y) + major_sign * first;
  std::int64_t minor_at = (x_major ? from.y : from.x) + minor_sign * offset;
  std::ptrdiff_t index =
      x_major ? minor_at * buffer.stride + major_at : major_at * buffer.stride + minor_at;
  const int length = dash.Length();
  const std::uint32_t lit = dash.LitMask();
  int position = kSolid ? 0 : dash.PositionAfter(dash_start + first);
  const auto step = [&] {
    index += major_step;
    rest += 2 * minor;
    if (rest >= twice_major && major > 0) {
      rest -= twice_major;
      index += minor_step;
      minor_at += minor_sign;
    }
  };
  if (kInside && !kSolid && length == 3 && lit == 1u) {
    // The dotted pen lights one pixel in three: walk a round of the pattern at a time and
    // write only the lit pixel, with no test of the pattern at every step.
    if (major == 0) {
      if (first <= last && position == 0) buffer.pixels[index] = pixel;  // a single pixel
      return;
    }
    // To the first lit pixel: up to two single steps, taken at once. The error term gains
    // 2 minor a step and sheds 2 major for each step along the minor axis.
    const int to_dot = position == 0 ? 0 : 3 - position;
    const std::int64_t i = first + to_dot;
    if (i > last) return;
    rest += 2 * minor * to_dot;
    const std::int64_t turns = (rest >= twice_major ? 1 : 0) + (rest >= 2 * twice_major ? 1 : 0);
    rest -= turns * twice_major;
    index += to_dot * major_step + turns * minor_step;
    // Then three steps at a time: three along the major axis and, as the error term of the
    // three builds up, as many along the minor one as the single steps would have taken
    // (at most three, minor <= major).
    std::int64_t whole = 0, part = 6 * minor;
    while (part >= twice_major) {
      part -= twice_major;
      ++whole;
    }
    const std::ptrdiff_t jump = 3 * major_step + whole * minor_step;
    for (std::int64_t dots = (last - i) / 3 + 1; dots > 0; --dots) {
      buffer.pixels[index] = pixel;
      // Whether the minor axis takes one more step follows no pattern a branch could learn:
      // take it or not by a mask.
      rest += part;
      const std::int64_t carry = -static_cast<std::int64_t>(rest >= twice_major);
      rest -= twice_major & carry;
      index += jump + (minor_step & carry);
    }
    return;
  }
  for (std::int64_t i = first; i <= last; ++i) {
    if (kInside || (minor_at >= 0 && minor_at < minor_limit)) {
      if (kSolid || ((lit >> position) & 1u) != 0) buffer.pixels[index] = pixel;
    }
    if (!kSolid && ++position == length) position = 0;
    step();
  }
}

// The angle a chord turns through, standing at most the tolerance off the curve, with its
// cosine and sine: every chord of an arc turns by the same angle, one rotation each.
struct ChordStep {
  double angle = 0, cos = 1, sin = 0;
};

ChordStep StepFor(double radius) {
  ChordStep step;
  step.angle = radius > kChordTolerance ? 2 * std::acos(1 - kChordTolerance / radius) : kPi / 2;
  step.cos = std::cos(step.angle);
  step.sin = std::sin(step.angle);
  return step;
}

// Box half sizes come in halves of a pixel: those of arcs up to a few windows wide are worked
// out once.
const ChordStep& ChordStepFor(double radius) {
  constexpr int kKept = 8192;
  static const std::vector<ChordStep> kept = [] {
    std::vector<ChordStep> steps(kKept);
    for (int i = 0; i < kKept; ++i) steps[i] = StepFor(i / 2.0);
    return steps;
  }();
  thread_local ChordStep other;
  const double halves = radius * 2;
  if (halves < kKept && halves == std::floor(halves)) return kept[static_cast<int>(halves)];
  other = StepFor(radius);
  return other;
}

// A point of the ellipse at parameter t; the quarter points exact.
struct Ellipse {
  double cx, cy, a, b;
  PixelPoint At(double cos_t, double sin_t) const {
    return {RoundPixel(cx + a * cos_t), RoundPixel(cy - b * sin_t)};
  }
};

// The arctangent of z in [0, 1] to within about 1e-14: a sixteenth of a turn taken out
// (atan z = atan c + atan((z - c) / (1 + z c)) with c = tan(k pi / 16)) leaves at most
// tan(pi / 32) for six terms of the series.
double QuickAtan(double z) {
  static constexpr double kTan[] = {0.0, 0.198912367379658, 0.41421356237309503,
                                    0.6681786379192989, 1.0};
  static constexpr double kAngle[] = {0.0, 0.19634954084936207, 0.39269908169872414,
                                      0.5890486225480862, 0.7853981633974483};
  const int k = (z > 0.09849140335716425 ? 1 : 0) + (z > 0.3033466836073424 ? 1 : 0) +
                (z > 0.5345111359507916 ? 1 : 0) + (z > 0.8206787908286602 ? 1 : 0);
  const double w = (z - kTan[k]) / (1 + z * kTan[k]);
  const double w2 = w * w;
  const double series =
      1 - w2 * (1.0 / 3 - w2 * (1.0 / 5 - w2 * (1.0 / 7 - w2 * (1.0 / 9 - w2 * (1.0 / 11)))));
  return kAngle[k] + w * series;
}

// atan2(y, x) for y and x not zero, to within kQuickAtanError of the library's.
double QuickAtan2(double y, double x) {
  const double ax = std::fabs(x), ay = std::fabs(y);
  double a = ay > ax ? kPi / 2 - QuickAtan(ax / ay) : QuickAtan(ay / ax);
  if (x < 0) a = kPi - a;
  return y < 0 ? -a : a;
}

// The direction of a radial as the parameter of the ellipse point lying in it: its cosine and
// sine (from the radial itself), the angle from the quick arctangent with how far off the
// library's it may be (nothing where the radial lies on an axis: there the angle is the
// library's), and what the library's angle is worked out from.
struct Radial {
  double u = 0, v = 0;
  double quick = 0, error = 0, cos = 1, sin = 0;
};

Radial RadialOf(const Ellipse& e, PixelPoint p) {
  Radial r;
  r.u = e.b * (p.x - e.cx);
  r.v = e.a * (e.cy - p.y);
  const double length = std::sqrt(r.u * r.u + r.v * r.v);
  if (!(length > 0)) return Radial{};
  r.cos = r.u / length;
  r.sin = r.v / length;
  if (r.u != 0 && r.v != 0) {
    r.quick = QuickAtan2(r.v, r.u);
    r.error = kDecisionMargin;
  } else if (r.v == 0) {
    r.quick = r.u > 0 ? r.v : std::copysign(kPi, r.v);  // what atan2 gives on the x axis
  } else {
    r.quick = std::copysign(kPi / 2, r.v);  // and on the y axis
  }
  return r;
}

double ExactAngle(const Radial& r) {
  return r.u == 0 && r.v == 0 ? 0 : std::atan2(r.v, r.u);
}

// A stretch of an arc between quarter points (or its ends) and the chords it is drawn with;
// `quarter` is the quarter point it ends on (0 right, 1 top, 2 left, 3 bottom), -1 the arc's
// end.
struct ArcPiece {
  int quarter = -1;
  int chords = 1;
};
constexpr int kMostPieces = 8;

// The pieces of the arc counter-clockwise from angle `from` to `to`, chords turning through
// `chord_angle`. The angles may stand up to their errors off the library's: 0 pieces come
// back when a decision (where the quarters fall, where the arc stops, how many chords a piece
// takes) could then go the other way. With no error every decision is the library angles'.
int PlanPieces(double from, double from_error, double to, double to_error, bool whole,
               double chord_angle, ArcPiece* pieces) {
  // Whether a and b, each up to `error` off, compare the same way as the exact values do.
  const auto clear = [](double a, double b, double error) {
    return error == 0 || std::fabs(a - b) > 2 * error;
  };
  double sweep = to - from;
  if (whole) {
    sweep = 2 * kPi;
    to_error = 0;
  } else if (!clear(to, from, from_error + to_error)) {
    return 0;
  }
  while (sweep <= 0) sweep += 2 * kPi;
  const double stop = from + sweep;
  const double stop_error = from_error + to_error;
  const double quarters = from / (kPi / 2);
  if (!clear(quarters, std::round(quarters), from_error)) return 0;
  int quarter = static_cast<int>(std::floor(quarters)) + 1;
  double piece_from = from, piece_from_error = from_error;
  int count = 0;
  while (piece_from < stop) {
    if (count == kMostPieces) return 0;
    double piece_to = quarter * (kPi / 2), piece_to_error = 0;
    ArcPiece& piece = pieces[count++];
    if (!clear(piece_to, stop, stop_error)) return 0;
    if (piece_to >= stop) {
      piece_to = stop;
      piece_to_error = stop_error;
      piece.quarter = -1;
    } else {
      piece.quarter = ((quarter % 4) + 4) % 4;
    }
    ++quarter;
    // The last chord of a piece is the shorter one, ending on the quarter point.
    const double chords = (piece_to - piece_from) / chord_angle;
    const double chords_error = (piece_from_error + piece_to_error) * (1 + 2 / chord_angle);
    if (!clear(chords, std::round(chords), chords_error)) return 0;
    piece.chords = std::max(1, static_cast<int>(std::ceil(chords)));
    piece_from = piece_to;
    piece_from_error = piece_to_error;
  }
  return count;
}

}  // namespace

DashPhase::DashPhase(PenStyle style) {
  // Worked out once: a pen is made for every primitive.
  static constexpr Pattern kDotted = PatternOf(kDot);
  static constexpr Pattern kDashed = PatternOf(kDash);
  static constexpr Pattern kDashDotted = PatternOf(kDashDot);
  static constexpr Pattern kDashDotDotted = PatternOf(kDashDotDot);
  Pattern pattern;
  switch (style) {
    case PenStyle::kDot:
      pattern = kDotted;
      break;
    case PenStyle::kDash:
      pattern = kDashed;
      break;
    case PenStyle::kDashDot:
      pattern = kDashDotted;
      break;
    case PenStyle::kDashDotDot:
      pattern = kDashDotDotted;
      break;
    default:
      break;
  }
  lit_ = pattern.lit;
  length_ = pattern.length;
}

int DashPhase::PositionAfter(std::int64_t steps) const {
  if (length_ == 0) return 0;
  const std::int64_t at = at_ + steps;
  if (at >= 0 && at < length_) return static_cast<int>(at);  // mostly: a leg's start
  const std::int64_t wrapped = at % length_;
  return static_cast<int>(wrapped < 0 ? wrapped + length_ : wrapped);
}

void DashPhase::Advance(std::int64_t steps) {
  if (length_ == 0) return;
  std::int64_t at = at_ + steps;
  if (at >= 0 && at < 4 * length_) {
    // A short leg (most chords of an arc) goes round the pattern a few times at most.
    while (at >= length_) at -= length_;
  } else {
    at %= length_;
  }
  at_ = static_cast<int>(at);
}

void RasterLine(const PixelBuffer& buffer, PixelPoint from, PixelPoint to, std::uint32_t pixel,
                DashPhase& dash, bool skip_first) {
  const std::int64_t dx = std::int64_t{to.x} - from.x, dy = std::int64_t{to.y} - from.y;
  const bool x_major = std::llabs(dx) >= std::llabs(dy);
  const std::int64_t major = x_major ? std::llabs(dx) : std::llabs(dy);
  const std::int64_t minor = x_major ? std::llabs(dy) : std::llabs(dx);
  const int major_sign = (x_major ? dx : dy) < 0 ? -1 : 1;
  const int minor_sign = (x_major ? dy : dx) < 0 ? -1 : 1;
  const std::int64_t skipped = skip_first ? 1 : 0;
  const std::int64_t dash_start = -skipped;
  const std::int64_t pixels = major + 1 - skipped;

  const auto inside = [&](PixelPoint p) {
    return p.x >= 0 && p.y >= 0 && p.x < buffer.width && p.y < buffer.height;
  };
  // The walk made for the pen and for whether the window may cut the leg.
  const auto walk = [&](auto inside_window, std::int64_t first, std::int64_t last) {
    constexpr bool kInside = decltype(inside_window)::value;
    if (dash.Solid()) {
      WalkLine<true, kInside>(buffer, from, major, minor, x_major, major_sign, minor_sign, first,
                              last, pixel, dash, dash_start);
    } else {
      WalkLine<false, kInside>(buffer, from, major, minor, x_major, major_sign, minor_sign, first,
                               last, pixel, dash, dash_start);
    }
  };
  if (inside(from) && inside(to)) {
    walk(std::true_type{}, skipped, major);
    dash.Advance(pixels);
    return;
  }
  // The indexes whose major coordinate lies in the window...
  const std::int64_t major_from = x_major ? from.x : from.y;
  const std::int64_t major_limit = x_major ? buffer.width : buffer.height;
  std::int64_t first = skipped, last = major;
  if (major_sign > 0) {
    first = std::max(first, -major_from);
    last = std::min(last, major_limit - 1 - major_from);
  } else {
    first = std::max(first, major_from - (major_limit - 1));
    last = std::min(last, major_from);
  }
  // ...and whose minor offset k(i) = floor((2 i minor + major) / (2 major)) keeps the minor
  // coordinate in it too (the walk checks each pixel; this only spares the walk off-window).
  if (minor > 0 && first <= last) {
    const std::int64_t minor_from = x_major ? from.y : from.x;
    const std::int64_t minor_limit = x_major ? buffer.height : buffer.width;
    const std::int64_t low = minor_sign > 0 ? -minor_from : minor_from - (minor_limit - 1);
    const std::int64_t high = minor_sign > 0 ? minor_limit - 1 - minor_from : minor_from;
    // k(i) >= low  <=>  i >= (2 major low - major) / (2 minor); k(i) <= high likewise.
    first = std::max(first, CeilDiv(2 * major * low - major, 2 * minor));
    last = std::min(last, CeilDiv(2 * major * (high + 1) - major, 2 * minor) - 1);
  } else if (minor == 0) {
    const std::int64_t minor_at = x_major ? from.y : from.x;
    if (minor_at < 0 || minor_at >= (x_major ? buffer.height : buffer.width)) first = last + 1;
  }
  if (first <= last) walk(std::false_type{}, first, last);
  dash.Advance(pixels);
}

void RasterArc(const PixelBuffer& buffer, int left, int top, int right, int bottom,
               PixelPoint start, PixelPoint end, std::uint32_t pixel, DashPhase& dash,
               ArcAngles angles) {
  const Ellipse e{(left + right) / 2.0, (top + bottom) / 2.0, std::fabs(right - left) / 2.0,
                  std::fabs(bottom - top) / 2.0};
  const bool whole = start == end;
  const Radial first = RadialOf(e, start);
  const Radial second = whole ? first : RadialOf(e, end);
  const ChordStep& step = ChordStepFor(std::max(e.a, e.b));

  // The pieces from the quick angles when every decision is clear of their error; from the
  // library's otherwise.
  ArcPiece pieces[kMostPieces];
  int count = 0;
  if (angles == ArcAngles::kQuick) {
    count = PlanPieces(first.quick, first.error, second.quick, second.error, whole, step.angle,
                       pieces);
  }
  if (count == 0) {
    const double from = ExactAngle(first);
    count = PlanPieces(from, 0, whole ? from : ExactAngle(second), 0, whole, step.angle, pieces);
  }

  double cos_from = first.cos, sin_from = first.sin;
  PixelPoint last = e.At(cos_from, sin_from);
  bool drawn = false;
  const auto leg_to = [&](PixelPoint next) {
    if (drawn && next == last) return;
    RasterLine(buffer, last, next, pixel, dash, drawn);
    drawn = true;
    last = next;
  };

  // Pieces between quarter points: each runs one way in x and in y, so the box of its ends
  // holds it and a piece outside the window is passed over (its pattern still counted).
  for (int k = 0; k < count; ++k) {
    const ArcPiece& piece = pieces[k];
    double cos_to = second.cos, sin_to = second.sin;
    if (piece.quarter >= 0) {
      static constexpr int kCos[] = {1, 0, -1, 0};
      cos_to = kCos[piece.quarter];
      sin_to = kCos[(piece.quarter + 3) % 4];
    }
    const PixelPoint a = e.At(cos_from, sin_from), b = e.At(cos_to, sin_to);
    const bool outside = std::max(a.x, b.x) < 0 || std::min(a.x, b.x) >= buffer.width ||
                         std::max(a.y, b.y) < 0 || std::min(a.y, b.y) >= buffer.height;
    if (!outside || !dash.Solid()) {
      double c = cos_from, s = sin_from;
      for (int i = 1; i < piece.chords; ++i) {
        const double nc = c * step.cos - s * step.sin;
        s = s * step.cos + c * step.sin;
        c = nc;
        leg_to(e.At(c, s));
      }
    }
    leg_to(b);
    cos_from = cos_to;
    sin_from = sin_to;
  }
  if (!drawn) RasterLine(buffer, last, last, pixel, dash, false);
}

}  // namespace vormak
