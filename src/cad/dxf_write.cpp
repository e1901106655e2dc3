// WriteDxf: lines, arcs and points in one ENTITIES section.
#include <string>

#include "cad/drawing_colours.h"
#include "cad/drawing_files.h"
#include "cad/drawing_io.h"
#include "cad/drawing_text.h"
#include "settings/number_text.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

class PairText {
 public:
  explicit PairText(std::string& out) : out_(out) {}
  PairText& Line(const std::string& text) {
    out_ += text;
    out_ += "\r\n";
    return *this;
  }
  PairText& Number(const char* code, double value) {
    return Line(code).Line(PlainNumberText(value));
  }
  PairText& Whole(const char* code, long long value) {
    return Line(code).Line(WholeNumberText(value));
  }

 private:
  std::string& out_;
};

}  // namespace

std::string DxfText(const Workbench& bench) {
  std::string out;
  PairText dxf(out);
  dxf.Line("  0").Line("SECTION").Line("  2").Line("ENTITIES").Line("  0");
  const ElementTable& table = bench.cad.table;
  for (int slot = 1; slot <= table.high_water; ++slot) {
    const CadElement* e = table.At(slot);
    // What the user deleted stays out of the exchange file.
    if (e == nullptr || e->deleted) continue;
    const auto& d = e->d;
    switch (e->kind) {
      case ElementKind::kLine:
        dxf.Line("LINE").Whole("8", e->layer);
        dxf.Number("10", d[0]).Number("20", d[1]).Number("30", d[2]);
        dxf.Number("11", d[3]).Number("21", d[4]).Number("31", d[5]);
        break;
      case ElementKind::kArc:
        dxf.Line("ARC").Whole("8", e->layer);
        dxf.Number("10", d[0]).Number("20", d[1]).Number("30", d[2]);
        dxf.Number("40", d[3]).Number("50", d[4]).Number("51", d[5]);
        break;
      case ElementKind::kPoint:
        dxf.Line("POINT").Whole("8", e->layer);
        dxf.Number("10", d[0]).Number("20", d[1]).Number("30", d[2]);
        break;
      default:
        continue;
    }
    dxf.Whole("62", ExchangeColourNumber(e->colour)).Line("0");
  }
  dxf.Line("ENDSEC").Line("0").Line("EOF");
  return out;
}

bool WriteDxf(Workbench& bench, const std::string& name) {
  if (!WriteDrawingText(bench.host(), name, DxfText(bench))) {
    bench.host().SetPromptPanel("File Error; " + name);
    return false;
  }
  bench.cad_file_name = name;
  return true;
}

}  // namespace vormak
