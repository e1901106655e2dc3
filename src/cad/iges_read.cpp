// ReadIges: directory entries and parameter data of lines (110), arcs (100) and points (116).
#include <array>
#include <cmath>
#include <string>
#include <unordered_map>
#include <utility>

#include "cad/drawing_colours.h"
#include "cad/drawing_files.h"
#include "cad/drawing_io.h"
#include "cad/geometry_measure.h"
#include "cad/iges_format.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr size_t kLineKeep = 100;
constexpr int kEscapePollLines = 1024;
constexpr int kMaxContinuations = 64;  // records one entity's parameters may run over

// The number in columns first..last (from 1) of a record; 0 when there is none.
long long ColumnNumber(const std::string& line, size_t first, size_t last) {
  if (line.size() < first) return 0;
  const double value = FieldNumber(line.substr(first - 1, last - first + 1));
  return std::isfinite(value) && std::fabs(value) < 1e15 ? std::llround(value) : 0;
}

bool IsSection(const std::string& line, char section) {
  return line.size() >= 73 && line[72] == section;
}

ElementKind KindOfType(long long type) {
  return type == kIgesArc    ? ElementKind::kArc
         : type == kIgesLine ? ElementKind::kLine
                             : ElementKind::kPoint;
}

bool Known(long long type) {
  return type == kIgesArc || type == kIgesLine || type == kIgesPoint;
}

// The element's geometry stays within the drawing's range, as if made with it.
bool WithinDrawing(const CadElement& e) {
  auto in = [](double v) { return v >= -kDrawingLimit && v <= kDrawingLimit; };
  const auto& d = e.d;
  switch (e.kind) {
    case ElementKind::kLine:
    case ElementKind::kArc:
      return in(d[0]) && in(d[1]) && in(d[3]);
    default:
      return in(d[0]) && in(d[1]);
  }
}

// A transformation matrix entity (124): rotation rows with the translation as fourth column.
using Matrix = std::array<double, 12>;

Point Transformed(const Matrix& m, const Point& p) {
  return {m[0] * p.x + m[1] * p.y + m[2] * p.z + m[3], m[4] * p.x + m[5] * p.y + m[6] * p.z + m[7],
          m[8] * p.x + m[9] * p.y + m[10] * p.z + m[11]};
}

class IgesReader {
 public:
  IgesReader(Workbench& bench, std::FILE* file, ReadMode mode)
      : bench_(bench), table_(bench.cad.table), lines_(file, kLineKeep), mode_(mode) {}
  void Run();

 private:
  struct Made {
    int slot;
    long long type;
    long long matrix;  // directory sequence number of its transformation matrix; 0 for none
    bool filled;
    std::array<double, 9> raw;  // the parameters after the type, in definition space
  };
  void Directory(const std::string& first);
  void Parameters(const std::string& first);
  // The parameter text of one entity: from the first record on until its ";".
  std::string ParameterData(const std::string& first);
  int SlotFor(long long pointer);
  void Finish(Made& made);

  Workbench& bench_;
  ElementTable& table_;
  LineReader lines_;
  ReadMode mode_;
  std::unordered_map<long long, Made> made_;           // by parameter data pointer
  std::unordered_map<long long, long long> matrices_;  // matrix parameter pointer -> sequence
  std::unordered_map<long long, Matrix> matrix_of_;    // by directory sequence number
  std::string pending_;                                // a record read ahead and not yet handled
  bool have_pending_ = false;
};

int IgesReader::SlotFor(long long pointer) {
  // A load puts each entity in the slot its pointer names, as the file numbers them; a merge,
  // a slot taken already or a pointer beyond the table takes the next free slot.
  if (mode_ != ReadMode::kMerge && pointer >= 1 && pointer <= kTableSlots &&
      table_.At(static_cast<int>(pointer)) == nullptr) {
    return static_cast<int>(pointer);
  }
  return NextFreeSlot(table_);
}

void IgesReader::Directory(const std::string& first) {
  std::string second;
  if (!lines_.Next(second)) return;
  const long long type = ColumnNumber(first, 1, 8);
  const long long pointer = ColumnNumber(first, 9, 16);
  if (ColumnNumber(second, 1, 8) != type) return;
  if (type == kIgesMatrix) {
    // Other writers place arcs and lines through these; the reader applies them.
    matrices_[pointer] = ColumnNumber(first, 74, 80);
    return;
  }
  if (!Known(type) || made_.count(pointer) != 0) return;
  const int colour = static_cast<int>(ColumnNumber(second, 17, 24));
  long long level = ColumnNumber(first, 33, 40);
  if (level < 1 || level > kLayerCount) level = 1;
  const int slot = SlotFor(pointer);
  if (MakeElement(table_, bench_.host(), slot, KindOfType(type), IgesNumberColour(colour), {}, 0,
                  static_cast<int>(level), ElementState::kNormal, 0) != nullptr) {
    made_[pointer] = {slot, type, ColumnNumber(first, 49, 56), false, {}};
  }
}

std::string IgesReader::ParameterData(const std::string& first) {
  // Parameters end at the first ";"; until then they go on in the next records' columns 1-64.
  std::string data = first.substr(0, kIgesParameterColumns);
  std::string next;
  for (int n = 0; data.find(';') == std::string::npos && n < kMaxContinuations; ++n) {
    if (!lines_.Next(next)) break;
    if (!IsSection(next, 'P')) {
      pending_ = next;
      have_pending_ = true;
      break;
    }
    data += next.substr(0, kIgesParameterColumns);
  }
  return data;
}

void IgesReader::Parameters(const std::string& first) {
  const long long pointer = ColumnNumber(first, 74, 80);
  const auto matrix = matrices_.find(pointer);
  if (matrix != matrices_.end()) {
    const ListFields f(ParameterData(first));
    if (RoundToInt(f[1]) != kIgesMatrix) return;
    Matrix& m = matrix_of_[matrix->second];
    for (int i = 0; i < 12; ++i) m[static_cast<size_t>(i)] = f[i + 2];
    return;
  }
  const auto found = made_.find(pointer);
  if (found == made_.end() || found->second.filled) return;
  const ListFields f(ParameterData(first));
  if (RoundToInt(f[1]) != found->second.type) return;
  found->second.filled = true;
  for (int i = 0; i < 9; ++i) found->second.raw[static_cast<size_t>(i)] = f[i + 2];
}

// The element's geometry from its parameters, placed by its matrix when it has one.
void IgesReader::Finish(Made& made) {
  CadElement* e = table_.At(made.slot);
  if (e == nullptr) return;
  const auto& r = made.raw;
  const auto matrix = matrix_of_.find(made.matrix);
  const Matrix* m = made.matrix != 0 && matrix != matrix_of_.end() ? &matrix->second : nullptr;
  auto place = [m](Point p) { return m != nullptr ? Transformed(*m, p) : p; };
  auto& d = e->d;
  switch (made.type) {
    case kIgesLine: {
      const Point a = place({r[0], r[1], r[2]});
      const Point b = place({r[3], r[4], r[5]});
      d = {a.x, a.y, a.z, b.x, b.y, b.z};
      break;
    }
    case kIgesArc: {
      Point centre = place({r[1], r[2], r[0]});
      Point start = place({r[3], r[4], r[0]});
      Point end = place({r[5], r[6], r[0]});
      // A matrix that turns the arc's plane over makes it run the other way round.
      if (m != nullptr && (*m)[10] < 0) std::swap(start, end);
      d = {centre.x,
           centre.y,
           centre.z,
           Distance2D(centre, start),
           DirectionAngle(centre, start),
           DirectionAngle(centre, end)};
      if (d[4] == d[5]) {
        d[4] = 0;
        d[5] = 360;
      }
      e->view = 1;
      break;
    }
    default: {
      const Point p = place({r[0], r[1], r[2]});
      d = {p.x, p.y, p.z, 0, 0, 0};
      break;
    }
  }
  bool finite = true;
  for (double v : d) finite = finite && std::isfinite(v);
  if (!finite || !WithinDrawing(*e)) DiscardElement(table_, made.slot);
}

void IgesReader::Run() {
  std::string line;
  for (long count = 1; !table_.full; ++count) {
    if (have_pending_) {
      line = std::move(pending_);
      have_pending_ = false;
    } else if (!lines_.Next(line)) {
      break;
    }
    if (count % kEscapePollLines == 0 && bench_.host().EscapePending()) {
      bench_.stop_requested = true;
      break;
    }
    if (IsSection(line, 'D') && line[71] != ' ') {
      Directory(line);
    } else if (IsSection(line, 'P')) {
      Parameters(line);
    }
  }
  // An entry whose parameters never came is no element.
  for (auto& [pointer, made] : made_) {
    if (made.filled) {
      Finish(made);
    } else {
      DiscardElement(table_, made.slot);
    }
  }
}

}  // namespace

bool ReadIges(Workbench& bench, const std::string& name, ReadMode mode) {
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
  IgesReader(bench, file.get(), mode).Run();
  RecomputeExtents(table);
  table.modified = mode == ReadMode::kMerge;
  return true;
}

}  // namespace vormak
