#include "interp/tool_load.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "cad/drawing_colours.h"
#include "cad/drawing_io.h"
#include "interp/apt_output.h"
#include "nctext/block_words.h"
#include "nctext/status_services.h"
#include "nctext/text_functions.h"
#include "plot/tool_picture.h"
#include "settings/file_access.h"
#include "settings/number_text.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr size_t kRecordKeep = 100;   // characters read of each record
constexpr size_t kDiameterKeep = 30;  // characters of a "TM " diameter

// A number from a tool file. Not-a-number and infinities read as 0, so that a damaged file
// gives a small picture rather than one the drawing cannot place.
double Finite(double v) {
  return std::isfinite(v) ? v : 0;
}

double AfterEquals(std::string_view line) {
  const size_t eq = line.find('=');
  return eq == std::string_view::npos ? 0 : Finite(FieldNumber(line.substr(eq + 1)));
}

int Plane(double field) {
  const int view = RoundToInt(field);
  return view == 5 ? 3 : view;
}

int Layer(double field) {
  return std::clamp(RoundToInt(field), 0, 255);
}

// The header keys of a tool file; tested before the record keywords, so that a tool whose
// comment reads "ARC 35" keeps its comment and draws no arc.
bool HeaderKey(std::string_view line, ToolNose& nose) {
  while (!line.empty() && line.front() == ' ') line.remove_prefix(1);
  const auto starts = [&](std::string_view key) { return line.substr(0, key.size()) == key; };
  if (starts("$TOOL")) {
    const size_t open = line.find('"');
    if (open != std::string_view::npos) {
      std::string_view name = line.substr(open + 1);
      name = name.substr(0, name.find('"'));
      nose.name = std::string(name.substr(0, kToolNameLength));
    }
  } else if (starts("CENTER_X")) {
    nose.centre_x = AfterEquals(line);
  } else if (starts("CENTER_Z")) {
    nose.centre_z = AfterEquals(line);
  } else if (starts("TOOLNOSE_RADIUS")) {
    nose.nose_radius = AfterEquals(line);
  } else if (starts("TOOLNOSE_ANGLE")) {
    nose.angle = AfterEquals(line);
  } else if (starts("TOOLNOSE_WIDTH")) {
    // A groove as wide as the nose is round is a plain nose: no width correction.
    nose.width = AfterEquals(line);
    if (nose.width == 2 * nose.nose_radius) nose.width = 0;
  } else if (starts("ORIENTATION")) {
    nose.orientation = RoundToInt(AfterEquals(line));
  } else if (!starts("SYSTEM_TYPE")) {
    return false;
  }
  return true;
}

class ToolFileReader {
 public:
  ToolFileReader(int solid_layer, std::int32_t background, ToolFileContents& out)
      : solid_layer_(solid_layer), background_(background), out_(out) {}

  // False once the picture is full.
  bool Record(std::string_view line) {
    if (HeaderKey(line, out_.nose)) return true;
    const CdlFields f(line);
    const auto at = [&](int n) { return Finite(f[n]); };
    const auto has = [&](std::string_view key) { return line.find(key) != std::string_view::npos; };
    if (has("LINE")) {
      Add({kToolLine, at(1), at(2), at(3), at(4), at(5), at(6), 0, double(Layer(at(8)))});
    } else if (has("ARC")) {
      const int layer = Layer(at(9));
      const double start = at(5), end = at(6);
      if (layer == solid_layer_) {
        if (std::fabs(end - start - 360) <= 0.001) Circle(at(1), at(2), at(4));
      } else {
        Add({kToolArc, at(1), at(2), at(3), at(4), start, end, double(Plane(at(7))),
             double(layer)});
      }
    } else if (has("CIRCLE")) {
      const int layer = Layer(at(7));
      if (layer == solid_layer_) {
        Circle(at(1), at(2), at(4));
      } else {
        Add({kToolCircle, at(1), at(2), at(3), at(4), 0, 0, double(Plane(at(5))), double(layer)});
      }
    } else if (has("POINT")) {
      const int layer = Layer(at(5));
      if (layer == solid_layer_) {
        if (out_.solid.points.size() < kSolidOutlinePoints) {
          out_.solid.points.push_back({at(1), at(2)});
        }
      } else {
        const double colour = CdlIndexColour(RoundToInt(at(4)), background_);
        Add({kToolPoint, at(1), at(2), at(3), 0, 0, colour, 0, double(layer)});
      }
    }
    return static_cast<size_t>(out_.entries) < kToolEntries;
  }

 private:
  void Add(const std::array<double, 9>& d) { out_.shape.entries[size_t(out_.entries++)].d = d; }
  void Circle(double x, double y, double r) {
    if (out_.solid.circles.size() < kSolidOutlineCircles) out_.solid.circles.push_back({x, y, r});
  }

  int solid_layer_;
  std::int32_t background_;
  ToolFileContents& out_;
};

// The comment code's text as a tool name: blanks removed, upper case, the end-comment
// character and any drive-less ":" tail removed.
std::string CleanToolLine(const Workbench& bench, std::string_view line) {
  std::string text = UpperText(StripBlanks(line));
  const CommentChars chars = CommentCharsOf(bench.settings);
  if (chars.end != 0) {
    const size_t end = text.find(chars.end);
    if (end != std::string::npos) text.erase(end, 1);
  }
  const size_t colon = text.find(':');
  if (colon != std::string::npos && text.find(":\\") == std::string::npos &&
      text.find(":/") == std::string::npos) {
    text.erase(colon);
  }
  return text;
}

size_t Index(int turret) {
  return ToolShapes::Index(turret);
}

void NamesChanged(Workbench& bench) {
  ShowToolNames(bench, bench.tools.tool_name[0], bench.tools.tool_name[1]);
}

// No tool on the turret: no picture, a cleared nose record and no name.
void UnloadTool(Workbench& bench, int turret) {
  ToolShapes& tools = bench.tools;
  tools.loaded[Index(turret)] = false;
  tools.turret[Index(turret)] = ToolNose{};
  tools.tool_name[Index(turret)].clear();
  NamesChanged(bench);
}

}  // namespace

std::string ToolDirectory(const Workbench& bench) {
  if (!bench.settings.tool_path.empty()) return WithForwardSlashes(bench.settings.tool_path);
  // The user's copy of the shipped tools; the shipped ones themselves before it exists.
  const std::string own = JoinPath(bench.locations.config_dir, "tools");
  std::error_code ec;
  if (std::filesystem::is_directory(own, ec)) return own;
  return JoinPath(bench.locations.install_dir, "tools");
}

std::string ToolFilePath(const Workbench& bench, std::string_view name) {
  std::string path = WithForwardSlashes(name);
  const bool stands = (!path.empty() && path.front() == '/') || name.find(":\\") != name.npos ||
                      name.find(":/") != name.npos;
  if (!stands) path = JoinPath(ToolDirectory(bench), path);
  if (std::string(FileNamePart(path)).find('.') == std::string::npos) path += ".CDL";
  return FindFileIgnoringCase(path);
}

bool ReadToolFile(const std::string& path, int solid_layer, std::int32_t background,
                  ToolFileContents& out) {
  out = ToolFileContents{};
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return false;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  const DrawingFile owner(file);
  LineReader reader(file, kRecordKeep);
  ToolFileReader records(solid_layer, background, out);
  std::string line;
  while (reader.Next(line) && records.Record(line)) {
  }
  return true;
}

bool LoadToolShape(Workbench& bench, int turret, std::string_view line) {
  ToolShapes& tools = bench.tools;
  const size_t t = Index(turret);
  if (!bench.plot.printing) EraseStandingPicture(bench, turret);
  const std::string text = CleanToolLine(bench, line);
  const size_t tl = text.find("TL");
  const std::string name = tl == std::string::npos ? text : text.substr(tl + 2);
  tools.tool_name[t] = name;
  if (name == "0") {
    UnloadTool(bench, turret);
    return false;
  }
  const std::string path = ToolFilePath(bench, name);
  ToolFileContents contents;
  if (name.empty() ||
      !ReadToolFile(path, bench.settings.solid_layer, bench.plot.background, contents)) {
    ShowPrompt(bench, "Cannot open " + name);
    UnloadTool(bench, turret);
    return false;
  }
  tools.tool_file_name = path;
  tools.shape[t] = contents.shape;
  tools.solid[t] = contents.solid;
  tools.turret[t] = contents.nose;
  tools.loaded[t] = true;
  if (!bench.plot.printing) RestorePicture(bench, turret);
  NamesChanged(bench);
  return true;
}

bool DefineMillTool(Workbench& bench, std::string_view line) {
  ToolShapes& tools = bench.tools;
  const size_t t = Index(bench.interp.run.turret);
  tools.loaded[t] = false;
  std::string text(line.substr(0, line.find(':')));
  text = UpperText(StripBlanks(text));
  const char end = CommentCharsOf(bench.settings).end;
  if (end != 0 && text.find(end) != std::string::npos) text.erase(text.find(end), 1);
  const size_t tm = text.find("TM");
  std::string words = tm == std::string::npos ? text : text.substr(tm + 2);
  double corner = 0;
  const size_t comma = words.find(',');
  if (comma != std::string::npos) {
    corner = Finite(FieldNumber(words.substr(comma + 1)));
    words.erase(comma);
  }
  if (words.size() > kDiameterKeep) words.resize(kDiameterKeep);
  const double diameter = Finite(FieldNumber(words));
  const double r = diameter / 2;
  tools.mill_corner_radius = corner;
  WriteAptCutter(bench, diameter, corner);

  if (!bench.plot.printing) EraseStandingPicture(bench, bench.interp.run.turret);
  tools.solid[t] = SolidOutline{};
  tools.solid[t].circles.push_back({0, 0, r});
  ToolPicture& shape = tools.shape[t];
  shape.Clear();
  shape.entries[0].d = {kToolCircle, 0, 0, 0, r, 0, 0, 1, 0};
  if (corner > 0) {
    // A ball or bull nose seen from the front and from the side.
    shape.entries[1].d = {kToolArc, 0, 0, 0, r, 180, 360, 2, 0};
    shape.entries[2].d = {kToolArc, 0, 0, 0, r, 180, 360, 3, 0};
  }
  ToolNose& nose = tools.turret[t];
  nose.centre_x = 0;
  nose.centre_z = 0;
  nose.nose_radius = r;
  tools.loaded[t] = true;
  if (!bench.plot.printing) RestorePicture(bench, bench.interp.run.turret);
  tools.tool_name[t] = PlainNumberText(diameter) + "x" + PlainNumberText(corner);
  ShowToolNames(bench, tools.tool_name[t], "");
  return true;
}

void ShowToolNames(Workbench& bench, const std::string& name1, const std::string& name2) {
  if (bench.tools.show_names) bench.tools.show_names(name1, name2);
}

}  // namespace vormak
