// ReadCdl: CDL records into the element table, and tool-file headers into the current
// turret's tool-nose record.
#include <string>
#include <string_view>

#include "cad/cdl_views.h"
#include "cad/drawing_colours.h"
#include "cad/drawing_files.h"
#include "cad/drawing_io.h"
#include "cad/palette.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr size_t kLineKeep = 4096;
constexpr int kEscapePollLines = 256;
constexpr size_t kTextKeep = 22;  // a text of 24 characters or more keeps this many

// The header keys of tool files. Their lines are never records: a tool named "ARC 35" must
// not draw an arc.
constexpr const char* kToolKeys[] = {
    "CENTER_X=",    "CENTER_Z=",       "TOOLNOSE_RADIUS=", "$TOOL=",
    "ORIENTATION=", "TOOLNOSE_WIDTH=", "TOOLNOSE_ANGLE=",  "SYSTEM_TYPE="};

std::string_view WithoutLeadingBlanks(std::string_view line) {
  while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
  return line;
}

// True when the line is a tool-file header line; with `tool` set it fills that field.
bool ToolKeyLine(std::string_view line, ToolNose* tool) {
  line = WithoutLeadingBlanks(line);
  for (const char* key : kToolKeys) {
    const std::string_view k(key);
    if (line.substr(0, k.size()) != k) continue;
    if (tool == nullptr) return true;
    const std::string_view value = line.substr(k.size());
    if (k == "$TOOL=") {
      const size_t open = line.find('"');
      if (open != std::string_view::npos) {
        std::string_view name = line.substr(open + 1);
        name = name.substr(0, name.find('"'));
        tool->name = std::string(name.substr(0, kToolNameLength));
      }
    } else if (k == "CENTER_X=") {
      tool->centre_x = FieldNumber(value);
    } else if (k == "CENTER_Z=") {
      tool->centre_z = FieldNumber(value);
    } else if (k == "TOOLNOSE_RADIUS=") {
      tool->nose_radius = FieldNumber(value);
    } else if (k == "ORIENTATION=") {
      tool->orientation = RoundToInt(FieldNumber(value));
    } else if (k == "TOOLNOSE_WIDTH=") {
      tool->width = FieldNumber(value);
    } else if (k == "TOOLNOSE_ANGLE=") {
      tool->angle = FieldNumber(value);
    }
    return true;  // SYSTEM_TYPE is the writer's note only
  }
  return false;
}

// Where the text of a TEXT or NNOTE record lies: after the first quote character (apostrophe
// or backquote, never the line's first character) up to the next one of the same kind.
struct QuotedText {
  size_t open = std::string_view::npos;
  size_t close = std::string_view::npos;  // npos: the text runs to the end of the line
  std::string_view text;
};

QuotedText FindText(std::string_view line) {
  QuotedText q;
  if (line.size() < 2) return q;
  q.open = line.find_first_of("'`", 1);
  if (q.open == std::string_view::npos) return q;
  q.close = line.find(line[q.open], q.open + 1);
  q.text = q.close == std::string_view::npos ? line.substr(q.open + 1)
                                             : line.substr(q.open + 1, q.close - q.open - 1);
  return q;
}

class CdlReader {
 public:
  CdlReader(Workbench& bench) : bench_(bench), table_(bench.cad.table) {}

  void Record(std::string_view line);

 private:
  bool Has(std::string_view keyword) const {
    return keywords_.find(keyword) != std::string_view::npos;
  }
  std::int32_t Colour(int index) const { return CdlIndexColour(index, bench_.plot.background); }
  // Annotations are never drawn in Black.
  std::int32_t AnnotationColour(int index) const {
    const std::int32_t colour = Colour(index);
    return colour == palette::kBlack ? palette::kLime : colour;
  }
  void Make(ElementKind kind, std::int32_t colour, const std::array<double, 6>& d, int style,
            int layer, int view, std::string_view text = {}) {
    MakeElement(table_, bench_.host(), NextFreeSlot(table_), kind, colour, d, style, layer,
                ElementState::kNormal, view, text);
  }
  void Arc(const CdlFields& f);
  void Circle(const CdlFields& f);
  void Leader(const CdlFields& f);
  std::string Text(const QuotedText& quoted) const {
    std::string text(quoted.text);
    if (text.size() >= kTextKeep + 2) text.resize(kTextKeep);
    return text;
  }

  Workbench& bench_;
  ElementTable& table_;
  CdlViewTable views_;
  std::string_view keywords_;
};

int AnnotationView(int view) {
  return view >= 1 && view <= 4 ? view : 1;
}

int ArcViewNumber(int view) {
  return view >= 1 && view <= 10 ? view : 1;
}

void CdlReader::Arc(const CdlFields& f) {
  CdlArc local;
  local.centre = {f[1], f[2], f[3]};
  local.start = f[5];
  local.end = CdlEndAngle(f[6]);
  const CdlArc arc = ArcFromView(views_.Code(ArcViewNumber(f.Whole(7))), local);
  Make(ElementKind::kArc, Colour(f.Whole(8)),
       {arc.centre.x, arc.centre.y, arc.centre.z, f[4], arc.start, arc.end}, f.Whole(10),
       f.Whole(9), arc.plane);
}

void CdlReader::Circle(const CdlFields& f) {
  const int code = views_.Code(ArcViewNumber(f.Whole(5)));
  double y = f[2];
  double z = f[3];
  int plane = 1;
  if (code == 4) {
    y = -y;
    z = -z;
  } else if (code == 2 || code == 3) {
    plane = 2;
  } else if (code == 5 || code == 6) {
    plane = 3;
  }
  Make(ElementKind::kArc, Colour(f.Whole(6)), {f[1], y, z, f[4], 0, 360}, f.Whole(8), f.Whole(7),
       plane);
}

void CdlReader::Leader(const CdlFields& f) {
  const double tail_x = f[1];
  const double tail_y = f[2];
  const double tip_x = f[3];
  const double tip_y = f[4];
  const double direction = std::atan2(tail_y - tip_y, tail_x - tip_x);
  Make(ElementKind::kLeader, AnnotationColour(f.Whole(8)),
       {tip_x, tip_y, tail_x, tail_y, direction, 0}, 0, f.Whole(9), AnnotationView(f.Whole(7)));
}

void CdlReader::Record(std::string_view line) {
  // The text of a TEXT record is one field and holds no keywords: a text "A,B" keeps the
  // fields after it in place, and a text "ARC" draws no arc.
  const QuotedText quoted = FindText(line);
  std::string fields_line(line);
  keywords_ = line;
  if (quoted.open != std::string_view::npos) {
    keywords_ = line.substr(0, quoted.open);
    fields_line = std::string(line.substr(0, quoted.open)) + "T";
    if (quoted.close != std::string_view::npos) fields_line += line.substr(quoted.close + 1);
  }
  const CdlFields f(fields_line);

  if (Has("VIEW")) {
    std::array<double, 9> matrix{};
    for (int i = 0; i < 9; ++i) matrix[static_cast<size_t>(i)] = f[i + 2];
    views_.Bind(f.Whole(1), matrix);
  }
  if (Has("SPLINE")) return;
  if (Has("VLINE")) {
    Make(ElementKind::kLine, Colour(f.Whole(8)), {f[1], f[2], f[3], f[4], f[5], f[6]}, f.Whole(10),
         f.Whole(9), 0);
    return;
  }
  if (Has("LINE")) {
    Make(ElementKind::kLine, Colour(f.Whole(7)), {f[1], f[2], f[3], f[4], f[5], f[6]}, f.Whole(9),
         f.Whole(8), 0);
  }
  if (Has("ARC")) {
    if (!(f[4] > 0)) return;
    Arc(f);
  }
  if (Has("CIRCLE")) {
    if (!(f[4] > 0)) return;
    Circle(f);
  }
  if (Has("VPOINT")) {
    Make(ElementKind::kPoint, Colour(f.Whole(5)), {f[1], f[2], f[3], 0, 0, 0}, 0, f.Whole(6), 0);
    return;
  }
  if (Has("POINT")) {
    Make(ElementKind::kPoint, Colour(f.Whole(4)), {f[1], f[2], f[3], 0, 0, 0}, 0, f.Whole(5), 0);
  }
  if (Has("TEXT")) {
    Make(ElementKind::kText, AnnotationColour(f.Whole(8)), {f[1], f[2], 0, 0, 0, 0}, 0, f.Whole(9),
         AnnotationView(f.Whole(7)), Text(quoted));
  }
  if (Has("NNOTE")) {
    Make(ElementKind::kText, AnnotationColour(15), {f[1], f[2], 0, 0, 0, 0}, 0, 1, 1, Text(quoted));
  }
  if (Has("WITNESS")) {
    if (f[1] == f[3] && f[2] == f[4]) return;
    Make(ElementKind::kWitness, AnnotationColour(f.Whole(6)), {f[1], f[2], 0, f[3], f[4], 0}, 0,
         f.Whole(7), AnnotationView(f.Whole(5)));
  }
  if (Has("ARROW")) {
    Make(ElementKind::kArrow, AnnotationColour(f.Whole(6)), {f[1], f[2], f[3], f[4], 0, 0}, 0,
         f.Whole(7), AnnotationView(f.Whole(5)));
  }
  if (Has("LEADER")) Leader(f);
}

}  // namespace

bool ReadCdl(Workbench& bench, const std::string& name, ReadMode mode) {
  Host& host = bench.host();
  const DrawingFile file = OpenDrawingForReading(host, name);
  if (!file) {
    host.SetPromptPanel("Cannot open file " + name);
    return false;
  }
  ElementTable& table = bench.cad.table;
  if (mode != ReadMode::kMerge) ClearDrawing(table);
  CdlReader reader(bench);
  LineReader lines(file.get(), kLineKeep);
  std::string line;
  for (long count = 1; !table.full && lines.Next(line); ++count) {
    if (count % kEscapePollLines == 0 && host.EscapePending()) {
      bench.stop_requested = true;
      break;
    }
    if (ToolKeyLine(line, mode == ReadMode::kTool ? &bench.tools.Current() : nullptr)) continue;
    reader.Record(line);
  }
  RecomputeExtents(table);
  if (bench.settings.mirror_lathe_cad) table.extents.min_y = -table.extents.max_y;
  if (mode == ReadMode::kLoad) bench.cad_file_name = name;
  if (mode == ReadMode::kTool) bench.tools.tool_file_name = name;
  table.modified = mode == ReadMode::kMerge;
  return true;
}

}  // namespace vormak
