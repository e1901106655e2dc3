// ReadT4g: the object blocks of a T4G file (lines, arcs, circles, surface outlines and curves),
// coordinates in millimetres turned into inches.
#include <cmath>
#include <string>
#include <utility>

#include "cad/drawing_files.h"
#include "cad/drawing_io.h"
#include "cad/geometry_measure.h"
#include "cad/palette.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr size_t kLineKeep = 4096;
constexpr int kEscapePollLines = 256;
constexpr double kMillimetresPerInch = 25.4;
constexpr int kEndCode = 999;

class T4gReader {
 public:
  T4gReader(Workbench& bench, std::FILE* file) : bench_(bench), lines_(file, kLineKeep) {}
  void Run();

 private:
  bool Next(std::string& line) {
    if (!lines_.Next(line)) return false;
    if (++count_ % kEscapePollLines == 0 && bench_.host().EscapePending()) {
      bench_.stop_requested = true;
      stopped_ = true;
    }
    return true;
  }
  bool Skip() {
    std::string line;
    return Next(line);
  }
  // The point of the next record line; false at the end of the file.
  bool NextPoint(Point& point) {
    std::string line;
    if (!Next(line)) return false;
    point = PointOf(ListFields(line));
    return true;
  }
  static Point PointOf(const ListFields& f) {
    return {f[5] / kMillimetresPerInch, f[6] / kMillimetresPerInch, 0};
  }
  void Line(const Point& a, const Point& b) {
    Make(ElementKind::kLine, {a.x, a.y, 0, b.x, b.y, 0}, 0);
  }
  void Arc(const Point& centre, double radius, double start, double end) {
    if (!(radius > 0)) return;
    Make(ElementKind::kArc, {centre.x, centre.y, 0, radius, start, end}, 1);
  }
  void Make(ElementKind kind, const std::array<double, 6>& d, int view) {
    ElementTable& table = bench_.cad.table;
    MakeElement(table, bench_.host(), NextFreeSlot(table), kind, palette::kLime, d, 0, 1,
                ElementState::kNormal, view);
  }
  void LineObject();
  void CircArcObject();
  void CircleObject();
  void SurfaceObject();
  void CurveObject();

  Workbench& bench_;
  LineReader lines_;
  long count_ = 0;
  bool stopped_ = false;
};

void T4gReader::LineObject() {
  Point start;
  Point end;
  if (Skip() && NextPoint(start) && NextPoint(end)) Line(start, end);
}

void T4gReader::CircArcObject() {
  Point centre;
  Point on_circle;
  Point start;
  Point end;
  std::string sense;
  if (!Skip() || !NextPoint(centre) || !NextPoint(on_circle) || !NextPoint(start) ||
      !NextPoint(end) || !Next(sense)) {
    return;
  }
  double a = DirectionAngle(centre, start);
  double b = DirectionAngle(centre, end);
  if (ListFields(sense)[5] < 0) std::swap(a, b);
  Arc(centre, Distance2D(centre, on_circle), a, b);
}

void T4gReader::CircleObject() {
  Point centre;
  Point on_circle;
  if (Skip() && NextPoint(centre) && NextPoint(on_circle)) {
    Arc(centre, Distance2D(centre, on_circle), 0, 360);
  }
}

void T4gReader::SurfaceObject() {
  Point first;
  Point segment_start;
  std::string line;
  while (!stopped_ && !bench_.cad.table.full && Next(line)) {
    const ListFields f(line);
    const Point p = PointOf(f);
    switch (RoundToInt(f[2])) {
      case 1:
        first = p;
        break;
      case 2:
        Line(segment_start, p);
        break;
      case 9:
        segment_start = p;
        break;
      case kEndCode:
        Line(segment_start, first);
        return;
      default:
        break;
    }
  }
}

void T4gReader::CurveObject() {
  Point start;
  Point end;
  std::string line;
  while (!stopped_ && !bench_.cad.table.full && Next(line)) {
    const ListFields f(line);
    const Point p = PointOf(f);
    switch (RoundToInt(f[2])) {
      case 1:
        start = p;
        break;
      case 2:
        end = p;
        Line(start, end);
        break;
      case 9:
        start = end;
        end = p;
        break;
      case 102: {
        // The arc through both ends with its centre k chord lengths off the chord's middle.
        const double k = f[6];
        const Point centre{(start.x + end.x) / 2 - k * (end.y - start.y),
                           (start.y + end.y) / 2 + k * (end.x - start.x), 0};
        double a = DirectionAngle(centre, start);
        double b = DirectionAngle(centre, end);
        if (f[5] < 0) std::swap(a, b);
        Arc(centre, Distance2D(centre, end), a, b);
        start = end;
        break;
      }
      case kEndCode:
        return;
      default:
        break;
    }
  }
}

void T4gReader::Run() {
  std::string line;
  while (!stopped_ && !bench_.cad.table.full && Next(line)) {
    if (line.find("Drawing & Dimension") != std::string::npos) {
      Skip();
    } else if (line.find("OBJ Surface") != std::string::npos) {
      SurfaceObject();
    } else if (line.find("OBJ Line") != std::string::npos) {
      LineObject();
    } else if (line.find("OBJ CircArc") != std::string::npos) {
      CircArcObject();
    } else if (line.find("OBJ Circle") != std::string::npos) {
      CircleObject();
    } else if (line.find("OBJ Curve") != std::string::npos) {
      CurveObject();
    }
  }
}

}  // namespace

bool ReadT4g(Workbench& bench, const std::string& name, ReadMode mode) {
  const DrawingFile file = OpenDrawingForReading(bench.host(), name);
  if (!file) {
    bench.host().SetPromptPanel("Cannot open file " + name);
    return false;
  }
  if (mode != ReadMode::kMerge) ClearDrawing(bench.cad.table);
  T4gReader(bench, file.get()).Run();
  return true;
}

}  // namespace vormak
