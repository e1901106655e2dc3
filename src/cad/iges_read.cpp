// ReadIges: directory entries and parameter data of lines (110), arcs (100) and points (116).
#include <cmath>
#include <string>
#include <unordered_map>

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

class IgesReader {
 public:
  IgesReader(Workbench& bench, std::FILE* file, ReadMode mode)
      : bench_(bench), table_(bench.cad.table), lines_(file, kLineKeep), mode_(mode) {}
  void Run();

 private:
  struct Made {
    int slot;
    long long type;
    bool filled;
  };
  void Directory(const std::string& first);
  void Parameters(const std::string& first);
  int SlotFor(long long pointer);

  Workbench& bench_;
  ElementTable& table_;
  LineReader lines_;
  ReadMode mode_;
  std::unordered_map<long long, Made> made_;  // by parameter data pointer
  std::string pending_;                       // a record read ahead and not yet handled
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
  if (ColumnNumber(second, 1, 8) != type || !Known(type) || made_.count(pointer) != 0) return;
  const int colour = static_cast<int>(ColumnNumber(second, 17, 24));
  long long level = ColumnNumber(first, 33, 40);
  if (level < 1 || level > kLayerCount) level = 1;
  const int slot = SlotFor(pointer);
  if (MakeElement(table_, bench_.host(), slot, KindOfType(type), IgesNumberColour(colour), {}, 0,
                  static_cast<int>(level), ElementState::kNormal, 0) != nullptr) {
    made_[pointer] = {slot, type, false};
  }
}

void IgesReader::Parameters(const std::string& first) {
  const auto found = made_.find(ColumnNumber(first, 74, 80));
  if (found == made_.end() || found->second.filled) return;
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
  const ListFields f(data);
  if (RoundToInt(f[1]) != found->second.type) return;
  CadElement* e = table_.At(found->second.slot);
  if (e == nullptr) return;
  found->second.filled = true;
  auto& d = e->d;
  switch (found->second.type) {
    case kIgesLine:
      d = {f[2], f[3], f[4], f[5], f[6], f[7]};
      break;
    case kIgesArc: {
      const Point centre{f[3], f[4], f[2]};
      const Point start{f[5], f[6], 0};
      const Point end{f[7], f[8], 0};
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
    default:
      d = {f[2], f[3], f[4], 0, 0, 0};
      break;
  }
  if (!WithinDrawing(*e)) {
    DiscardElement(table_, found->second.slot);
    made_.erase(found);
  }
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
  for (const auto& [pointer, made] : made_) {
    if (!made.filled) DiscardElement(table_, made.slot);
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
