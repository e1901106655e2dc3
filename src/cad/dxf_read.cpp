// ReadDxf: LINE, ARC, CIRCLE and POINT entities wherever they stand, and polylines as chains
// of straight lines.
#include <cmath>
#include <string>

#include "cad/drawing_colours.h"
#include "cad/drawing_files.h"
#include "cad/drawing_io.h"
#include "cad/palette.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr size_t kLineKeep = 30;  // every DXF line is read up to this many characters
constexpr int kEscapePollPairs = 1024;

enum class Entity { kNone, kLine, kArc, kCircle, kPoint, kPolyline, kVertex, kSeqEnd, kEof };

Entity EntityOfName(const std::string& name) {
  if (name == "LINE") return Entity::kLine;
  if (name == "ARC") return Entity::kArc;
  if (name == "CIRCLE") return Entity::kCircle;
  if (name == "POINT") return Entity::kPoint;
  if (name == "POLYLINE") return Entity::kPolyline;
  if (name == "VERTEX") return Entity::kVertex;
  if (name == "SEQEND") return Entity::kSeqEnd;
  if (name == "EOF") return Entity::kEof;
  return Entity::kNone;
}

bool IsZeroCode(const std::string& code) {
  bool zero = false;
  for (char c : code) {
    if (c == ' ' || c == '\t') continue;
    if (c != '0' || zero) return false;
    zero = true;
  }
  return zero;
}

// A style or layer: a whole number; 0 and names are 1.
int NumberOrOne(const std::string& value) {
  const int number = RoundToInt(FieldNumber(value));
  return number == 0 ? 1 : number;
}

struct EntityData {
  std::int32_t colour = palette::kLime;
  int layer = 1;
  int style = 1;
  std::array<double, 3> first{};
  std::array<double, 3> second{};
  double radius = 0;
  double start = 0;
  double end = 0;
};

struct Polyline {
  bool inside = false;
  int vertices = 0;
  bool closed = false;
  std::array<double, 3> first{};
  std::array<double, 3> previous{};
  std::array<double, 3> current{};
};

class DxfReader {
 public:
  DxfReader(Workbench& bench, std::FILE* file) : bench_(bench), lines_(file, kLineKeep) {}
  void Run();

 private:
  // The next entity name after a group code 0; false at the end of the file.
  bool NextName(Entity& entity);
  // Reads the entity's groups up to its closing code 0; false when the file ends first.
  bool ReadGroups(Entity entity, EntityData& data);
  void Create(Entity entity, const EntityData& data);
  void Line(const EntityData& data, const std::array<double, 3>& a,
            const std::array<double, 3>& b) {
    Make(ElementKind::kLine, data, {a[0], a[1], a[2], b[0], b[1], b[2]}, data.style, 0);
  }
  void Make(ElementKind kind, const EntityData& data, const std::array<double, 6>& d, int style,
            int view) {
    ElementTable& table = bench_.cad.table;
    MakeElement(table, bench_.host(), NextFreeSlot(table), kind, data.colour, d, style, data.layer,
                ElementState::kNormal, view);
  }
  bool Stopped() {
    if (++pairs_ % kEscapePollPairs != 0 || !bench_.host().EscapePending()) return false;
    bench_.stop_requested = true;
    return true;
  }

  Workbench& bench_;
  LineReader lines_;
  Polyline polyline_;
  std::string name_;  // the value that followed the code 0 which ended the last entity
  bool have_name_ = false;
  long pairs_ = 0;
};

bool DxfReader::NextName(Entity& entity) {
  std::string code;
  while (true) {
    if (have_name_) {
      have_name_ = false;
      entity = EntityOfName(name_);
      if (entity != Entity::kNone) return true;
    }
    // Pairs are read whole, so a layer or text value "LINE" is never taken for an entity.
    if (Stopped() || !lines_.Next(code) || !lines_.Next(name_)) return false;
    have_name_ = IsZeroCode(code);
  }
}

bool DxfReader::ReadGroups(Entity entity, EntityData& data) {
  std::string code_line;
  std::string value;
  while (lines_.Next(code_line)) {
    if (IsZeroCode(code_line)) {
      have_name_ = lines_.Next(name_);
      return true;
    }
    if (!lines_.Next(value) || Stopped()) return false;
    const int code = RoundToInt(FieldNumber(code_line));
    const bool vertex = entity == Entity::kVertex;
    auto& point = vertex || entity != Entity::kPolyline ? data.first : data.second;
    switch (code) {
      case 6:
        data.style = NumberOrOne(value);
        break;
      case 8:
        data.layer = NumberOrOne(value);
        break;
      case 10:
      case 20:
      case 30:
        point[static_cast<size_t>(code / 10 - 1)] = FieldNumber(value);
        break;
      case 11:
      case 21:
      case 31:
        data.second[static_cast<size_t>(code / 10 - 1)] = FieldNumber(value);
        break;
      case 40:
        if (entity == Entity::kArc || entity == Entity::kCircle) data.radius = FieldNumber(value);
        break;
      case 50:
        data.start = FieldNumber(value);
        break;
      case 51:
        data.end = FieldNumber(value);
        break;
      case 62:
        data.colour = DxfNumberColour(RoundToInt(FieldNumber(value)), bench_.plot.background);
        break;
      case 70: {
        const int flags = RoundToInt(FieldNumber(value));
        // A polyline's flag 1 means closed whatever else it says (3D polylines add 8).
        if (flags == 1 || (entity == Entity::kPolyline && (flags & 1) != 0)) {
          polyline_.closed = true;
        }
        break;
      }
      default:
        break;
    }
  }
  return false;
}

void DxfReader::Create(Entity entity, const EntityData& data) {
  const auto& p = data.first;
  switch (entity) {
    case Entity::kLine:
      Line(data, data.first, data.second);
      break;
    case Entity::kArc:
      Make(ElementKind::kArc, data, {p[0], p[1], p[2], data.radius, data.start, data.end},
           data.style, 1);
      break;
    case Entity::kCircle:
      Make(ElementKind::kArc, data, {p[0], p[1], p[2], data.radius, 0, 360}, data.style, 1);
      break;
    case Entity::kPoint:
      Make(ElementKind::kPoint, data, {p[0], p[1], p[2], 0, 0, 0}, 0, 0);
      break;
    case Entity::kPolyline:
      polyline_.inside = true;
      polyline_.vertices = 0;
      break;
    case Entity::kVertex:
      if (!polyline_.inside) break;
      if (polyline_.vertices++ == 0) {
        polyline_.first = polyline_.current = p;
        break;
      }
      polyline_.previous = polyline_.current;
      polyline_.current = p;
      Line(data, polyline_.previous, polyline_.current);
      break;
    case Entity::kSeqEnd:
      if (polyline_.inside && polyline_.closed && polyline_.vertices >= 2) {
        Line(data, polyline_.current, polyline_.first);
      }
      polyline_ = Polyline{};
      break;
    default:
      break;
  }
}

void DxfReader::Run() {
  const ElementTable& table = bench_.cad.table;
  Entity entity = Entity::kNone;
  while (!table.full && NextName(entity) && entity != Entity::kEof) {
    EntityData data;
    // A file cut off inside an entity gives nothing for it.
    if (!ReadGroups(entity, data)) break;
    Create(entity, data);
  }
}

}  // namespace

bool ReadDxf(Workbench& bench, const std::string& name, ReadMode mode) {
  const DrawingFile file = OpenDrawingForReading(bench.host(), name);
  if (!file) {
    bench.host().SetPromptPanel("Error; cannot open file " + name);
    return false;
  }
  ElementTable& table = bench.cad.table;
  if (mode != ReadMode::kMerge) {
    bench.cad_file_name = name;
    ClearDrawing(table);
  }
  DxfReader(bench, file.get()).Run();
  RecomputeExtents(table);
  table.modified = mode == ReadMode::kMerge;
  return true;
}

}  // namespace vormak
