// WriteIges: lines, arcs and points as IGES entities 110, 100 and 116 behind one identity
// transformation matrix. Parameter data longer than a record's 64 columns goes on over
// further records, split only between parameters, and every pointer and count is written
// whole, so drawings of any size make valid files.
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "cad/drawing_colours.h"
#include "cad/drawing_files.h"
#include "cad/drawing_io.h"
#include "cad/drawing_text.h"
#include "cad/iges_format.h"
#include "settings/number_text.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr double kDegreesPerRadian = 57.2957795131;

struct Entity {
  int type = 0;
  int layer = 1;
  int colour = 3;
  std::vector<std::string> parameter_lines;
};

// Breaks parameter data after its delimiters so that no record holds more than 64 columns.
std::vector<std::string> ParameterLines(const std::string& data) {
  std::vector<std::string> lines;
  std::string line;
  size_t start = 0;
  while (start < data.size()) {
    size_t end = data.find_first_of(",;", start);
    end = end == std::string::npos ? data.size() : end + 1;
    const std::string piece = data.substr(start, end - start);
    if (!line.empty() && line.size() + piece.size() > kIgesParameterColumns) {
      lines.push_back(line);
      line.clear();
    }
    line += piece;
    start = end;
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

std::string Join(std::initializer_list<double> values, int type) {
  std::string text = std::to_string(type);
  for (double value : values) text += "," + PlainNumberText(value);
  return text + ";";
}

bool EntityOf(const CadElement& e, Entity& entity) {
  const auto& d = e.d;
  std::string data;
  switch (e.kind) {
    case ElementKind::kLine:
      entity.type = kIgesLine;
      data = Join({d[0], d[1], d[2], d[3], d[4], d[5]}, kIgesLine);
      break;
    case ElementKind::kArc: {
      entity.type = kIgesArc;
      const double start = d[4] / kDegreesPerRadian;
      const double end = d[5] / kDegreesPerRadian;
      data = Join({d[2], d[0], d[1], d[0] + d[3] * std::cos(start), d[1] + d[3] * std::sin(start),
                   d[0] + d[3] * std::cos(end), d[1] + d[3] * std::sin(end)},
                  kIgesArc);
      break;
    }
    case ElementKind::kPoint:
      entity.type = kIgesPoint;
      data = Join({d[0], d[1], d[2]}, kIgesPoint);
      break;
    default:
      return false;
  }
  entity.layer = e.layer;
  entity.colour = ExchangeColourNumber(e.colour);
  entity.parameter_lines = ParameterLines(data);
  return true;
}

std::string DirectoryLines(int type, long long pointer, int level, int colour, long long lines,
                           long long sequence) {
  std::string first = IgesField(type) + IgesField(pointer) + IgesField(1) + IgesField(1) +
                      IgesField(level) + std::string(8, ' ') + IgesField(0);
  std::string second = IgesField(type) + IgesField(0) + IgesField(colour) + IgesField(lines);
  return IgesRecord(first, "00000000" + IgesSequence('D', sequence)) +
         IgesRecord(second, IgesSequence('D', sequence + 1));
}

}  // namespace

std::string IgesRecord(std::string_view content, std::string_view closing) {
  std::string line(content);
  if (line.size() + closing.size() < kIgesColumns) {
    line.append(kIgesColumns - line.size() - closing.size(), ' ');
  }
  line += closing;
  line += "\r\n";
  return line;
}

std::string IgesField(long long value) {
  const std::string text = std::to_string(value);
  return text.size() >= 8 ? text : std::string(8 - text.size(), ' ') + text;
}

std::string IgesSequence(char section, long long number) {
  char text[32];
  std::snprintf(text, sizeof text, "%c%07lld", section, number);
  return text;
}

std::string IgesText(const Workbench& bench, const std::string& name) {
  std::vector<Entity> entities;
  const ElementTable& table = bench.cad.table;
  for (int slot = 1; slot <= table.high_water; ++slot) {
    const CadElement* e = table.At(slot);
    Entity entity;
    // What the user deleted stays out of the exchange file.
    if (e != nullptr && !e->deleted && EntityOf(*e, entity)) entities.push_back(entity);
  }

  std::string out;
  // The Start section holds the name, 72 columns a record.
  long long start_lines = 0;
  for (size_t at = 0; at < name.size() || start_lines == 0; at += 72) {
    out +=
        IgesRecord(at < name.size() ? name.substr(at, 72) : "", IgesSequence('S', ++start_lines));
  }
  out += IgesRecord("1H,,1H;,,,6HVORMAK,1H1,16,8,24,8,56,,1.,1,4HINCH,1,0.01,", "G0000001");
  out += IgesRecord("13H850101.010000,1.000000000E-04,100.,,;", "G0000002");

  out += DirectoryLines(kIgesMatrix, 1, 1, 3, 1, 1);
  long long pointer = 2;  // the matrix's parameters take the first record
  long long sequence = 3;
  for (const Entity& entity : entities) {
    const auto lines = static_cast<long long>(entity.parameter_lines.size());
    out += DirectoryLines(entity.type, pointer, entity.layer, entity.colour, lines, sequence);
    pointer += lines;
    sequence += 2;
  }

  out += IgesRecord("124,1.,0.,0.,0.,0.,1.,0.,0.,0.,0.,1.,0.;", "1P0000001");
  long long parameter = 1;
  long long directory = 3;
  for (const Entity& entity : entities) {
    for (const std::string& line : entity.parameter_lines) {
      out += IgesRecord(line, std::to_string(directory) + IgesSequence('P', ++parameter));
    }
    directory += 2;
  }

  out += IgesRecord(IgesSequence('S', start_lines) + "G0000002" + IgesSequence('D', sequence - 1) +
                        IgesSequence('P', parameter),
                    "T0000001");
  return out;
}

bool WriteIges(Workbench& bench, const std::string& name) {
  if (!WriteDrawingText(bench.host(), name, IgesText(bench, name))) {
    bench.host().SetPromptPanel("File Error; " + name);
    return false;
  }
  bench.cad_file_name = name;
  return true;
}

}  // namespace vormak
