// Trim 1 Object, 2 Object, To Point and Break.
#include "cad/cmd_trim.h"

#include "cad/element_geometry.h"
#include "cad/geometry_measure.h"
#include "cad/geometry_project.h"
#include "cad/trim_rules.h"

namespace vormak {

namespace {

// Cuts a LINE or an ARC at the point, keeping the part nearest `pick`.
void CutAt(CadElement& element, const Point& cut, const Point& pick) {
  const Point kept = NearestPointOnElement(element, pick);
  if (element.kind == ElementKind::kLine) {
    TrimLineAt(element, cut, kept);
  } else {
    TrimArcAt(element, cut, kept);
  }
}

// Whether a point found on an element's line or circle lies on the element as drawn.
bool WithinElement(const CadElement& element, const Point& p) {
  if (element.kind == ElementKind::kLine) {
    const Point a{element.d[0], element.d[1], 0}, b{element.d[3], element.d[4], 0};
    return Distance2D(a, p) + Distance2D(p, b) - Distance2D(a, b) < 0.001;
  }
  const Circle c = ElementCircle(element);
  double sweep = AngleFrom(c.start_angle, c.end_angle);
  if (sweep < 0.00001) sweep = 360;
  return AngleFrom(c.start_angle, DirectionAngle(c.centre, p)) <= sweep + 1e-9;
}

class TrimCommand : public CadCommand {
 public:
  explicit TrimCommand(TrimKind kind) : kind_(kind) {}
  std::string Name() const override {
    switch (kind_) {
      case TrimKind::kOneObject:
        return "TRIM 1 OBJECT";
      case TrimKind::kTwoObjects:
        return "TRIM 2 OBJECTS";
      case TrimKind::kToPoint:
        return "TRIM TO POINT";
      case TrimKind::kBreak:
        return "BREAK";
    }
    return {};
  }

 protected:
  std::vector<PickStep> Steps() const override {
    const bool to_element = kind_ == TrimKind::kOneObject || kind_ == TrimKind::kTwoObjects;
    const char* first = kind_ == TrimKind::kBreak ? "Pick Element to Break" : "Pick First Entity";
    return {{first, PickStep::Take::kElement, kPickLineOrArc},
            {"Pick Entity to Trim To",
             to_element ? PickStep::Take::kElement : PickStep::Take::kPoint, kPickLineOrArc}};
  }
  bool AtCursor() const override {
    return kind_ == TrimKind::kOneObject || kind_ == TrimKind::kTwoObjects;
  }
  bool Took(CadContext& context, int step) override {
    // The same element twice has no crossing to trim to.
    if (step == 1 && picks_[1].element != nullptr && picks_[1].slot == picks_[0].slot) {
      context.host.Beep();
      return false;
    }
    return true;
  }
  void Finish(CadContext& context) override {
    UndoRecorder undo(context.table);
    switch (kind_) {
      case TrimKind::kOneObject:
      case TrimKind::kTwoObjects:
        TrimToElement(context, undo);
        break;
      case TrimKind::kToPoint:
        TrimToPoint(context, undo);
        break;
      case TrimKind::kBreak:
        Break(context, undo);
        break;
    }
    undo.Commit();
    Restart(context);
  }

 private:
  void TrimToElement(CadContext& context, UndoRecorder& undo) {
    const Picked& first = picks_[0];
    const Picked& second = picks_[1];
    Point cut;
    if (IntersectElements(context.host, first.local, second.local, second.point, cut) != kGeoOk) {
      return;
    }
    Edit(context, undo, first.slot, [&](CadElement& e) { CutAt(e, cut, first.point); });
    if (kind_ == TrimKind::kTwoObjects) {
      Edit(context, undo, second.slot, [&](CadElement& e) { CutAt(e, cut, second.point); });
    }
  }

  void TrimToPoint(CadContext& context, UndoRecorder& undo) {
    const Picked& first = picks_[0];
    const Point& to = picks_[1].point;
    Edit(context, undo, first.slot, [&](CadElement& e) {
      if (e.kind == ElementKind::kArc) {
        TrimArcEndTo(e, to);
      } else {
        TrimLineAt(e, FootOf(ElementLine(e), to), NearestPointOnElement(e, first.point));
      }
    });
  }

  void Break(CadContext& context, UndoRecorder& undo) {
    const CadElement& element = picks_[0].local;
    const Point at = NearestPointOnElement(element, picks_[1].point);
    // A break off the end of the element would leave two overlapping pieces.
    if (!WithinElement(element, at)) {
      context.host.Beep();
      return;
    }
    std::array<double, 6> piece = element.d;
    if (element.kind == ElementKind::kLine) {
      piece[0] = at.x;
      piece[1] = at.y;
      piece[2] = element.d[5];
    } else {
      piece[4] = DirectionAngle(ElementCircle(element).centre, at);
    }
    const int slot = NextFreeSlot(context.table);
    CadElement* made = MakeElement(context.table, context.host, slot, element.kind, element.colour,
                                   context.Frame().ToWorld(element.kind, piece), element.style,
                                   element.layer, ElementState::kNormal, element.view);
    if (made == nullptr) return;  // nothing cut when the second piece cannot be kept
    undo.Made(slot);
    context.view.Paint(*made);
    const double angle = piece[4];
    Edit(context, undo, picks_[0].slot, [&](CadElement& e) {
      if (e.kind == ElementKind::kLine) {
        e.d[3] = at.x;
        e.d[4] = at.y;
      } else {
        e.d[5] = angle;
      }
    });
  }

  TrimKind kind_;
};

}  // namespace

std::unique_ptr<PickCommand> MakeTrimCommand(TrimKind kind) {
  return std::make_unique<TrimCommand>(kind);
}

}  // namespace vormak
