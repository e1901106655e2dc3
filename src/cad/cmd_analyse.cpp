#include "cad/cmd_analyse.h"

#include <cmath>
#include <cstdio>

#include "cad/element_geometry.h"
#include "cad/geometry_errors.h"
#include "cad/geometry_intersect.h"
#include "cad/geometry_measure.h"

namespace vormak {

namespace {

std::string N(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.4f", value);
  return text;
}

std::string Xs(bool dia, const char* plain, const char* diameter) {
  return dia ? diameter : plain;
}

std::string PointText(const Point& p) {
  return N(p.x) + " Y" + N(p.y) + " Z" + N(p.z);
}

// The Analyse dialog; a button other than Close starts that analysis.
void ShowAnalysis(CadContext& context, const std::string& title,
                  const std::vector<std::string>& lines) {
  FormRequest form{
      "TAnalyze", "Analyse", {}, {"&Close", "&Element", "&Distance", "&Angle", "&Point"}, {}};
  form.fields.push_back({FormField::Kind::kLine, "", title, {}, true});
  for (const std::string& line : lines)
    form.fields.push_back({FormField::Kind::kLine, "", line, {}, true});
  context.host.AskForm(form);
  if (form.pressed == "&Element") context.next = MakeAnalyseCommand(Analysis::kElement);
  if (form.pressed == "&Distance") context.next = MakeAnalyseCommand(Analysis::kDistance);
  if (form.pressed == "&Angle") context.next = MakeAnalyseCommand(Analysis::kAngle);
  if (form.pressed == "&Point") context.next = MakeAnalyseCommand(Analysis::kPoint);
}

class AnalyseCommand : public CadCommand {
 public:
  explicit AnalyseCommand(Analysis analysis) : analysis_(analysis) {}
  std::string Name() const override {
    switch (analysis_) {
      case Analysis::kElement:
        return "ANALYSE ELEMENT";
      case Analysis::kDistance:
        return made_one_ ? "ANALYZE DISTANCE" : "ANALYSE DISTANCE";
      case Analysis::kAngle:
        return made_one_ ? "ANALYZE ANGLE" : "ANALYSE ANGLE";
      case Analysis::kPoint:
        return "ANALYSE POINT";
    }
    return {};
  }
  void OnPick(CadContext& context, PixelPoint at) override {
    intersection_ = context.pick_mode == PickMode::kIntersection;
    CadCommand::OnPick(context, at);
  }

 protected:
  std::vector<PickStep> Steps() const override {
    const auto element = [](const char* prompt, int filter) {
      return PickStep{prompt, PickStep::Take::kElement, filter};
    };
    switch (analysis_) {
      case Analysis::kElement:
        return {element("Pick Element", kPickAnyKind)};
      case Analysis::kDistance:
        if (intersection_) return {{"Pick First Entity"}, {"Pick Third Entity"}};
        return {{"Pick Element"}, {"Pick Second Point"}};
      case Analysis::kAngle:
        return {element("Pick Element", 1), element("Pick Second Line", 1)};
      case Analysis::kPoint:
        return {{"Pick Point"}};
    }
    return {};
  }
  std::string Prompt() const override {
    // With "Pick Intersection" each point takes two entities: four picks in all.
    if (analysis_ == Analysis::kDistance && intersection_ && step_ == 1 &&
        CadCommand::Prompt() == "Pick Second Entity") {
      return "Pick Fourth Entity";
    }
    return CadCommand::Prompt();
  }
  std::string RestartPrompt() const override {
    if (!made_one_) return Steps().front().prompt;
    switch (analysis_) {
      case Analysis::kDistance:
        return intersection_ ? "Pick First Entity" : "Pick First Point";
      case Analysis::kAngle:
        return "Pick First Line";
      default:
        return Steps().front().prompt;
    }
  }
  bool AtCursor() const override { return analysis_ != Analysis::kPoint; }
  void Finish(CadContext& context) override {
    const bool dia = context.diameter_x;
    switch (analysis_) {
      case Analysis::kElement:
        ShowAnalysis(context, "Analyse Element",
                     ElementAnalysis(*picks_[0].element, picks_[0].slot, dia, context.Frame()));
        break;
      case Analysis::kDistance:
        ShowAnalysis(context, "Analyse Distance",
                     DistanceAnalysis(picks_[0].world, picks_[1].world, dia));
        break;
      case Analysis::kAngle:
        AnalyseAngle(context, dia);
        break;
      case Analysis::kPoint: {
        const Point& p = picks_[0].world;
        ShowAnalysis(context, "Analyse Point",
                     {Xs(dia, "X= ", "DIA X= ") + N(p.x), "Y= " + N(p.y), "Z= " + N(p.z)});
        break;
      }
    }
    if (context.next) return;  // a button of the dialog started another analysis
    Restart(context);
    // After the first result the Command panel of these two reads "ANALYZE".
    if (analysis_ == Analysis::kDistance || analysis_ == Analysis::kAngle) {
      context.host.SetCommandPanel(Name());
    }
  }

 private:
  void AnalyseAngle(CadContext& context, bool dia) {
    // The angle between the lines as they are seen in the view they were picked in.
    const Line l1 = ElementLine(picks_[0].local);
    const Line l2 = ElementLine(picks_[1].local);
    Point crossing;
    if (const int error = IntersectLines(l1, l2, crossing); error != kGeoOk) {
      ReportGeometryError(context.host, error);
      return;
    }
    const Point at = context.Frame().ToWorld(crossing);
    double angle =
        NormalizeAngle(DirectionAngle(l2.start, l2.end) - DirectionAngle(l1.start, l1.end));
    if (angle > 180) angle -= 180;
    ShowAnalysis(context, "Analyse Angle",
                 {"Angle= " + N(angle), "Opp Angle= " + N(180 - angle),
                  Xs(dia, "Intersect X= ", "Intersect DIA X= ") + N(at.x),
                  "Intersect Y= " + N(at.y), "Intersect Z= " + N(at.z)});
  }

  Analysis analysis_;
  bool intersection_ = false;
};

}  // namespace

std::vector<std::string> ElementAnalysis(const CadElement& e, int slot, bool dia,
                                         const ViewFrame& frame) {
  const auto& d = e.d;
  const std::string number = std::to_string(slot);
  const std::string layer = "Layer= " + std::to_string(e.layer);
  switch (e.kind) {
    case ElementKind::kLine: {
      const Line line = ElementLine(e);
      const Line seen = ElementLine(frame.ToLocal(e));  // the angle as the view shows it
      return {"LINE:  Element No. " + number,
              Xs(dia, "X1= ", "DIA X1= ") + N(d[0]) + "  Y1= " + N(d[1]),
              "Z1= " + N(d[2]),
              Xs(dia, "X2= ", "DIA X2= ") + N(d[3]) + "  Y2= " + N(d[4]),
              "Z2= " + N(d[5]),
              "Angle= " + N(DirectionAngle(seen.start, seen.end)),
              "Length= " + N(Distance3D(line.start, line.end)),
              layer};
    }
    case ElementKind::kArc: {
      const double sweep = ArcSweep(ArcDirection::kCounterClockwise, d[4], d[5]);
      return {"ARC:  Element No. " + number,
              Xs(dia, "Center X= ", "Center DIA X= ") + N(d[0]) + " Y=" + N(d[1]),
              "Center Z= " + N(d[2]),
              "Radius= " + N(d[3]),
              "Diameter= " + N(2 * d[3]),
              "Start Angle= " + N(d[4]),
              "End Angle= " + N(d[5]),
              "Length= " + N(2 * kPi * d[3] * sweep / 360),
              layer};
    }
    case ElementKind::kPoint:
      return {"POINT:  Element No. " + number,
              Xs(dia, "X= ", "DIA X= ") + N(d[0]) + "  Y= " + N(d[1]), "Z= " + N(d[2])};
    case ElementKind::kText:
      return {"Text  Element No. " + number};
    case ElementKind::kWitness:
      return {"Witness Line  Element No. " + number};
    case ElementKind::kLeader:
      return {"Leader Line  Element No. " + number};
    default:
      return {"Arrowhead  Element No. " + number};
  }
}

std::vector<std::string> DistanceAnalysis(const Point& p1, const Point& p2, bool dia) {
  const Point mid = Midpoint(p1, p2);
  return {"X Dist= " + N(p2.x - p1.x),
          "Y Dist= " + N(p2.y - p1.y),
          "Z Dist= " + N(p2.z - p1.z),
          "RADIAL= " + N(Distance2D(p1, p2)),
          "3D Distance= " + N(Distance3D(p1, p2)),
          Xs(dia, "P1= X", "P1=DIA X") + PointText(p1),
          Xs(dia, "P2= X", "P2=DIA X") + PointText(p2),
          Xs(dia, "Mid= X", "Mid=DIA X") + PointText(mid)};
}

std::unique_ptr<PickCommand> MakeAnalyseCommand(Analysis analysis) {
  return std::make_unique<AnalyseCommand>(analysis);
}

}  // namespace vormak
