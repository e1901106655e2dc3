#include "cad/cmd_annotate.h"

#include "cad/cad_dialogs.h"
#include "cad/geometry_measure.h"

namespace vormak {

namespace {

class TextCommand : public CadCommand {
 public:
  std::string Name() const override { return "DRAW TEXT"; }

 protected:
  std::vector<PickStep> Steps() const override { return {{"Pick Point"}}; }
  std::string RestartPrompt() const override {
    return made_one_ ? "pick point for text" : "Pick Point";
  }
  bool Begin(CadContext& context) override { return AskText(context); }
  void Finish(CadContext& context) override {
    UndoRecorder undo(context.table);
    const Point& at = picks_[0].point;
    MakeConstructed(context, undo, ElementKind::kText, {at.x, at.y, 0, 0, 0, 0},
                    context.Inputs().text.substr(0, kMaxTextLength));
    undo.Commit();
    Restart(context);
  }
};

class ArrowheadCommand : public CadCommand {
 public:
  std::string Name() const override { return "ARROWHEAD"; }

 protected:
  std::vector<PickStep> Steps() const override {
    return {{"Pick End Point", PickStep::Take::kElement, static_cast<int>(ElementKind::kLine)}};
  }
  void Finish(CadContext& context) override {
    const Picked& pick = picks_[0];
    const CadElement& line = pick.local;
    const Point start{line.d[0], line.d[1], line.d[2]};
    const Point end{line.d[3], line.d[4], line.d[5]};
    std::optional<Point> tip =
        ElementPoint(*pick.element, context.pick_mode, context.view, pick.at);
    if (tip) tip = context.Frame().ToLocal(*tip);
    // The wings lie along the line: from its end the arrow looks back toward the start.
    const bool at_end = tip && Distance2D(*tip, end) < Distance2D(*tip, start);
    const double direction = at_end ? DirectionAngle(end, start) : DirectionAngle(start, end);
    const Point at = tip.value_or(start);
    UndoRecorder undo(context.table);
    MakeConstructed(context, undo, ElementKind::kArrow, {at.x, at.y, at.z, direction, 0, 0});
    undo.Commit();
    Restart(context);
  }
};

}  // namespace

std::unique_ptr<PickCommand> MakeTextCommand() {
  return std::make_unique<TextCommand>();
}

std::unique_ptr<PickCommand> MakeArrowheadCommand() {
  return std::make_unique<ArrowheadCommand>();
}

}  // namespace vormak
