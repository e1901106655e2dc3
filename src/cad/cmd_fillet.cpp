// Fillet and Chamfer between two lines.
#include <cmath>

#include "cad/cad_dialogs.h"
#include "cad/cmd_trim.h"
#include "cad/element_geometry.h"
#include "cad/geometry_construct.h"
#include "cad/geometry_errors.h"
#include "cad/geometry_measure.h"
#include "cad/geometry_project.h"
#include "cad/trim_rules.h"

namespace vormak {

namespace {

constexpr int kLineOnly = static_cast<int>(ElementKind::kLine);

class CornerCommand : public CadCommand {
 public:
  explicit CornerCommand(bool fillet) : fillet_(fillet) {}
  std::string Name() const override { return fillet_ ? "FILLET TWO LINES" : "CHAMFER"; }

 protected:
  std::vector<PickStep> Steps() const override {
    return {{"Pick First Line", PickStep::Take::kElement, kLineOnly},
            {"Pick Second Line", PickStep::Take::kElement, kLineOnly}};
  }
  bool AtCursor() const override { return true; }
  bool Took(CadContext& context, int step) override {
    if (step == 1 && picks_[1].slot == picks_[0].slot) {
      context.host.Beep();
      return false;
    }
    return true;
  }
  void Finish(CadContext& context) override {
    const Line l1 = ElementLine(picks_[0].local);
    const Line l2 = ElementLine(picks_[1].local);
    Point corner;
    if (const int error = IntersectLines(l1, l2, corner); error != kGeoOk) {
      ReportFileError(context.host, error);
      Restart(context);
      return;
    }
    context.host.SetPromptPanel(fillet_ ? "Set Size of Fillet" : "Set Size of Chamfer");
    const bool asked = fillet_ ? AskRadius(context) : AskChamfer(context);
    UndoRecorder undo(context.table);
    if (asked) {
      if (fillet_) {
        Fillet(context, undo, l1, l2);
      } else {
        Chamfer(context, undo, l1, l2, corner);
      }
    }
    undo.Commit();
    Restart(context);
  }

 private:
  // Moves a line's end to the cut point, keeping its pick's side; painted out and back.
  void Cut(CadContext& context, UndoRecorder& undo, int pick, const Point& at, bool near_end) {
    const Picked& picked = picks_[static_cast<size_t>(pick)];
    Edit(context, undo, picked.slot, [&](CadElement& line) {
      if (near_end) {
        const Point start{line.d[0], line.d[1], 0}, end{line.d[3], line.d[4], 0};
        const size_t base = Distance2D(end, at) < Distance2D(start, at) ? 3 : 0;
        line.d[base] = at.x;
        line.d[base + 1] = at.y;
      } else {
        TrimLineAt(line, at, FootOf(ElementLine(line), picked.point));
      }
    });
  }

  void Fillet(CadContext& context, UndoRecorder& undo, const Line& l1, const Line& l2) {
    const double r = context.Inputs().radius;
    if (r <= 0) {
      context.host.Information("Error: Radius = 0", "");
      return;
    }
    const Point f1 = FootOf(l1, picks_[0].point);
    const Point f2 = FootOf(l2, picks_[1].point);
    const Point side = Midpoint(f1, f2);
    Point centre;
    if (const int error = FilletCentre(l1, l2, side, side, r, centre); error != kGeoOk) {
      ReportFileError(context.host, error);
      return;
    }
    const Point t1 = FootOf(l1, centre);
    const Point t2 = FootOf(l2, centre);
    double a1 = DirectionAngle(centre, t1);
    double a2 = DirectionAngle(centre, t2);
    // The fillet is the short way round the corner; counter-clockwise from the first point.
    if (AngleFrom(a1, a2) > 180) std::swap(a1, a2);
    if (a2 < a1) a2 += 360;
    centre.z = l1.start.z;
    // The arc first: when it cannot be made the lines stay as they were.
    if (MakeConstructed(context, undo, ElementKind::kArc, CircleData(centre, r, a1, a2)) ==
        nullptr) {
      return;
    }
    Cut(context, undo, 0, t1, false);
    Cut(context, undo, 1, t2, false);
  }

  void Chamfer(CadContext& context, UndoRecorder& undo, const Line& l1, const Line& l2,
               const Point& corner) {
    const double size = context.Inputs().chamfer;
    if (size <= 0) return;
    const auto cut_on = [&](const Line& line, const Point& pick) {
      const Point foot = FootOf(line, pick);
      const double length = Distance2D(corner, foot);
      if (length == 0) return corner;
      return Point{corner.x + (foot.x - corner.x) * size / length,
                   corner.y + (foot.y - corner.y) * size / length, line.start.z};
    };
    const Point c1 = cut_on(l1, picks_[0].point);
    const Point c2 = cut_on(l2, picks_[1].point);
    if (MakeConstructed(context, undo, ElementKind::kLine, LineData(c1, c2)) == nullptr) return;
    Cut(context, undo, 0, c1, true);
    Cut(context, undo, 1, c2, true);
  }

  bool fillet_;
};

}  // namespace

std::unique_ptr<PickCommand> MakeFilletCommand() {
  return std::make_unique<CornerCommand>(true);
}

std::unique_ptr<PickCommand> MakeChamferCommand() {
  return std::make_unique<CornerCommand>(false);
}

}  // namespace vormak
