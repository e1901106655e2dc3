#include "cad/cad_command.h"

#include "cad/element_edit.h"

namespace vormak {

std::array<double, 6> LineData(const Point& a, const Point& b) {
  return {a.x, a.y, a.z, b.x, b.y, b.z};
}

std::array<double, 6> CircleData(const Point& centre, double radius, double start, double end) {
  return {centre.x, centre.y, centre.z, radius, start, end};
}

void CadCommand::Start(CadContext& context) {
  step_ = 0;
  input_.Reset();
  prompt_override_.clear();
  ended_ = false;
  made_one_ = false;
  if (AtCursor()) context.pick_mode = PickMode::kCursor;
  context.host.SetCommandPanel(Name());
  if (!Begin(context)) {
    ended_ = true;
    context.host.SetPromptPanel("");
    return;
  }
  ShowPrompt(context);
}

std::string CadCommand::Prompt() const {
  if (!prompt_override_.empty()) return prompt_override_;
  const std::string waiting = input_.Prompt();
  if (!waiting.empty()) return waiting;
  const auto steps = Steps();
  if (step_ == 0) return RestartPrompt();
  return steps[static_cast<size_t>(step_) < steps.size() ? step_ : 0].prompt;
}

void CadCommand::Restart(CadContext& context) {
  step_ = 0;
  made_one_ = true;
  input_.Reset();
  prompt_override_.clear();
  ShowPrompt(context);
}

void CadCommand::OnPick(CadContext& context, PixelPoint at) {
  const auto steps = Steps();
  if (ended_ || static_cast<size_t>(step_) >= steps.size()) return;
  const PickStep& spec = steps[static_cast<size_t>(step_)];
  Picked picked;
  picked.at = at;
  if (spec.take == PickStep::Take::kElement) {
    // Element steps find LINEs, ARCs and the rest whatever point mode is set.
    picked.element = PickElement(context.table, context.view, context.host, at, spec.filter);
    if (picked.element == nullptr) return;
    picked.slot = context.table.pick_index;
    picked.local = context.Frame().ToLocal(*picked.element);
    picked.world = PixelToWorld(context.view, at);
  } else if (spec.take == PickStep::Take::kCursor) {
    picked.world = PixelToWorld(context.view, at);
  } else {
    switch (input_.Take(context, at, picked.world)) {
      case PointInput::Outcome::kFailed:
        return;
      case PointInput::Outcome::kWaiting:
        ShowPrompt(context);
        return;
      case PointInput::Outcome::kPoint:
        break;
    }
  }
  picked.point = context.Frame().ToLocal(picked.world);
  Advance(context, picked);
}

void CadCommand::OnKeyIn(CadContext& context, const Point& point) {
  const auto steps = Steps();
  if (ended_ || static_cast<size_t>(step_) >= steps.size()) return;
  if (steps[static_cast<size_t>(step_)].take == PickStep::Take::kElement) return;
  input_.Reset();
  Picked picked;
  picked.world = point;
  picked.point = context.Frame().ToLocal(point);
  picked.at = context.view.WorldToPixel(point);
  Advance(context, picked);
}

void CadCommand::Advance(CadContext& context, const Picked& picked) {
  const int taken = step_;
  picks_[static_cast<size_t>(taken)] = picked;
  if (!Took(context, taken)) return;
  const auto steps = Steps();
  if (step_ != taken) return;  // the command moved itself on (or started over)
  if (static_cast<size_t>(taken) + 1 >= steps.size()) {
    Finish(context);
    return;
  }
  if (taken == 0 && picked.element == nullptr) MarkFirstPoint(context, picked.world);
  step_ = taken + 1;
  ShowPrompt(context);
}

void CadCommand::MarkFirstPoint(CadContext& context, const Point& point) {
  CadElement mark;
  mark.kind = ElementKind::kPoint;
  mark.state = ElementState::kSelected;
  mark.d = {point.x, point.y, point.z, 0, 0, 0};
  context.view.Paint(mark);
}

CadElement* MakeConstructed(CadContext& context, UndoRecorder& undo, ElementKind kind,
                            const std::array<double, 6>& d, const std::string& text) {
  ElementTable& table = context.table;
  const int slot = NextFreeSlot(table);
  CadElement* made = MakeElement(table, context.host, slot, kind, table.current_colour,
                                 context.Frame().ToWorld(kind, d), 0, table.current_layer,
                                 ElementState::kNormal, table.current_view, text);
  if (made == nullptr) return nullptr;
  undo.Made(slot);
  context.view.Paint(*made);
  return made;
}

void CadCommand::PaintOut(CadContext& context, CadElement& element) {
  element.state = ElementState::kErasing;
  context.view.Paint(element);
}

void CadCommand::PaintBack(CadContext& context, CadElement& element) {
  element.state = ElementState::kNormal;
  context.table.modified = true;
  context.view.Paint(element);
  ExtendExtents(context.table, element);
}

}  // namespace vormak
