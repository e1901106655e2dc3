// WriteCdl: the element table, and for tool files the tool-nose record, as CDL records.
#include <string>

#include "cad/cdl_views.h"
#include "cad/drawing_colours.h"
#include "cad/drawing_files.h"
#include "cad/drawing_io.h"
#include "cad/drawing_text.h"
#include "settings/number_text.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr const char* kViewLines[] = {
    "VIEW   1,1.0,0.0,0.0,0.0,1.0,0.0,0.0,0.0,1.0",
    "VIEW   2,1.0,0.0,0.0,0.0,0.0,-1.0,0.0,1.0,0.0",
    "VIEW   3,0.0,0.0,1.0,1.0,0.0,0.0,0.0,1.0,0.0",
};

class RecordText {
 public:
  explicit RecordText(std::string& out) : out_(out) {}
  RecordText& Keyword(const char* keyword) {
    out_ += keyword;
    first_ = true;
    return *this;
  }
  RecordText& Number(double value) { return Field(PlainNumberText(value)); }
  RecordText& Whole(long long value) { return Field(WholeNumberText(value)); }
  RecordText& Field(const std::string& text) {
    if (!first_) out_ += ',';
    out_ += text;
    first_ = false;
    return *this;
  }
  void End() { out_ += "\r\n"; }

 private:
  std::string& out_;
  bool first_ = true;
};

void WriteToolHeader(std::string& out, const ToolNose& tool, bool mill) {
  out += "CENTER_X=" + PlainNumberText(tool.centre_x) + "\r\n";
  out += "CENTER_Z=" + PlainNumberText(tool.centre_z) + "\r\n";
  out += "TOOLNOSE_RADIUS=" + PlainNumberText(tool.nose_radius) + "\r\n";
  out += "$TOOL=\"" + tool.name + "\"\r\n";
  out += "ORIENTATION=" + PlainNumberText(tool.orientation) + "\r\n";
  out += "TOOLNOSE_WIDTH=" + PlainNumberText(tool.width) + "\r\n";
  out += "TOOLNOSE_ANGLE=" + PlainNumberText(tool.angle) + "\r\n";
  out += std::string("SYSTEM_TYPE=") + (mill ? "1" : "0") + "\r\n";
}

// Between backquotes; a text holding a backquote but no apostrophe goes between apostrophes
// instead, so the reader finds its end.
std::string QuotedText(const std::string& text) {
  const bool apostrophes =
      text.find('`') != std::string::npos && text.find('\'') == std::string::npos;
  const char quote = apostrophes ? '\'' : '`';
  return quote + text + quote;
}

// What a number reads back as from the file: "-.0" and ".0" are the same point there.
double AsRead(double value) {
  return FieldNumber(PlainNumberText(value));
}

// An arc's angles as they open from the view it is written in: VIEW 1, 2 and 3 of the header
// are the top, front and side ways. A drawing may hold an arc whose angles open otherwise (from
// a mirrored top view the end can lie below the start, which opening in the top view takes a
// turn further); written as it opens, the arc saves the same after the file is opened again.
CdlArc AnglesAsOpened(int plane, double start, double end) {
  constexpr int kCodeOfPlane[] = {1, 2, 5};
  CdlArc local;
  local.start = AsRead(start);
  local.end = CdlEndAngle(AsRead(end));
  return ArcFromView(kCodeOfPlane[plane - 1], local);
}

void WriteElement(RecordText& record, const CadElement& e) {
  const auto& d = e.d;
  const int colour = CdlColourIndex(e.colour);
  switch (e.kind) {
    case ElementKind::kLine:
      record.Keyword("LINE   ");
      for (double value : d) record.Number(value);
      record.Whole(colour).Whole(e.layer).Whole(e.style).Whole(1).End();
      break;
    case ElementKind::kArc: {
      // A radius that writes as nothing (or less) opens as no arc at all: such an arc is left
      // out here too, so what is saved is what opens.
      if (!(AsRead(d[3]) > 0)) break;
      const int plane = ArcPlane(e);
      const Point local = LocalCentreOfPlane(plane, {d[0], d[1], d[2]});
      record.Keyword("ARC    ").Number(local.x).Number(local.y).Number(local.z);
      const CdlArc angles = AnglesAsOpened(plane, d[4], d[5]);
      record.Number(d[3]).Number(angles.start).Number(angles.end).Whole(plane);
      record.Whole(colour).Whole(e.layer).Whole(e.style).Whole(1).End();
      break;
    }
    case ElementKind::kPoint:
      record.Keyword("POINT  ").Number(d[0]).Number(d[1]).Number(d[2]);
      record.Whole(colour).Whole(e.layer).Whole(e.style).End();
      break;
    case ElementKind::kText:
      record.Keyword("TEXT  ").Number(d[0]).Number(d[1]).Field(QuotedText(e.text));
      record.Whole(0).Whole(1).Whole(1).Whole(e.view).Whole(colour).Whole(e.layer);
      record.Whole(0).Whole(0).Whole(0).Whole(0).End();
      break;
    case ElementKind::kArrow:
      record.Keyword("ARROW  ").Number(d[0]).Number(d[1]).Number(d[2]).Number(d[3]);
      record.Whole(e.view).Whole(colour).Whole(e.layer).End();
      break;
    case ElementKind::kLeader:  // the tail first, then the arrow's tip
      record.Keyword("LEADER  ").Number(d[2]).Number(d[3]).Number(d[0]).Number(d[1]);
      record.Field(".1").Whole(0).Whole(e.view).Whole(colour).Whole(e.layer).End();
      break;
    case ElementKind::kWitness:
      // Ends that write as the same point make a witness line the drawing opens without: it
      // is left out here too, so what is saved is what opens.
      if (AsRead(d[0]) == AsRead(d[3]) && AsRead(d[1]) == AsRead(d[4])) break;
      record.Keyword("WITNESS  ").Number(d[0]).Number(d[1]).Number(d[3]).Number(d[4]);
      record.Whole(e.view).Whole(colour).Whole(e.layer).End();
      break;
    default:
      break;
  }
}

}  // namespace

std::string CdlText(Workbench& bench, bool tool) {
  std::string out;
  if (tool) {
    WriteToolHeader(out, bench.tools.Current(), bench.settings.system_type == SystemType::kMill);
  }
  for (const char* line : kViewLines) out += std::string(line) + "\r\n";
  RecordText record(out);
  ForEachElement(bench.cad.table, [&](int, const CadElement& element) {
    if (!element.deleted) WriteElement(record, element);
  });
  return out;
}

bool WriteCdl(Workbench& bench, const std::string& name, bool tool) {
  if (!WriteDrawingText(bench.host(), name, CdlText(bench, tool))) {
    bench.host().SetPromptPanel("File Error; " + name);
    return false;
  }
  if (tool) {
    bench.tools.tool_file_name = name;
  } else {
    bench.cad_file_name = name;
  }
  return true;
}

}  // namespace vormak
