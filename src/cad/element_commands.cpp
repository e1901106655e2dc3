#include "cad/element_commands.h"

#include "cad/element_edit.h"

namespace vormak {

std::string ElementCommand::Name() const {
  switch (action_) {
    case ElementAction::kDelete:
      return "DELETE ELEMENT";
    case ElementAction::kDeleteText:
      return "DELETE TEXT";
    case ElementAction::kDeleteArrow:
      return "DELETE ARROWHEAD";
    case ElementAction::kChangeColour:
      return "CHANGE COLOR";
    case ElementAction::kChangeLayer:
      return "CHANGE LAYER";
    case ElementAction::kGroupNew:
      return "MAKE NEW GROUP";
    case ElementAction::kGroupAdd:
      return "ADD ELEMENT TO GROUP";
    case ElementAction::kGroupRemove:
      return "REMOVE ELEMENT FROM GROUP";
  }
  return {};
}

std::string ElementCommand::Prompt() const {
  switch (action_) {
    case ElementAction::kDeleteText:
      return "Pick Corner of Text";
    case ElementAction::kDeleteArrow:
      return "Pick Point of Arrow";
    default:
      return "Pick Element";
  }
}

int ElementCommand::KindFilter() const {
  switch (action_) {
    case ElementAction::kDeleteText:
      return static_cast<int>(ElementKind::kText);
    case ElementAction::kDeleteArrow:
      return static_cast<int>(ElementKind::kArrow);
    default:
      return kPickAnyKind;
  }
}

bool ElementCommand::IsGroupCommand() const {
  return action_ == ElementAction::kGroupNew || action_ == ElementAction::kGroupAdd ||
         action_ == ElementAction::kGroupRemove;
}

void ElementCommand::Start(CadContext& context) {
  if (IsGroupCommand()) WarnWhenNoElements(context.table, context.host);
  if (action_ == ElementAction::kGroupNew) DissolveGroup(context.table, context.view);
  step_ = Step::kPickElement;
  PickCommand::Start(context);
}

void ElementCommand::OnPick(CadContext& context, PixelPoint at) {
  if (context.pick_mode == PickMode::kInsideWindow) return;  // this mode takes windows
  CadElement* element =
      PickElement(context.table, context.view, context.host, at, KindFilter(), context.pick_mode);
  if (element == nullptr) return;  // beeped; the command waits for the next pick
  Apply(context, *element, true);
  ShowPrompt(context);
}

void ElementCommand::OnWindow(CadContext& context, PixelPoint corner1, PixelPoint corner2) {
  ForEachElement(context.table, [&](int, CadElement& element) {
    if (element.deleted || !KindAccepted(element.kind, KindFilter())) return;
    if (!context.table.LayerVisible(element.layer)) return;
    if (!InsideWindow(element, context.view, corner1, corner2)) return;
    Apply(context, element, false);
  });
  ShowPrompt(context);
}

void ElementCommand::Apply(CadContext& context, CadElement& element, bool picked) const {
  ElementTable& table = context.table;
  switch (action_) {
    case ElementAction::kDelete:
    case ElementAction::kDeleteText:
    case ElementAction::kDeleteArrow:
      DeleteElement(table, context.view, element);
      return;  // painted out, nothing to redraw
    case ElementAction::kChangeColour:
      element.colour = table.current_colour;
      if (picked && element.state != ElementState::kGroup) element.state = ElementState::kNormal;
      table.modified = true;
      break;
    case ElementAction::kChangeLayer:
      element.layer = static_cast<std::uint8_t>(table.current_layer);
      table.modified = true;
      if (picked) return;  // a picked element keeps its look until the next redraw
      break;
    case ElementAction::kGroupNew:
    case ElementAction::kGroupAdd:
      element.state = ElementState::kGroup;
      break;
    case ElementAction::kGroupRemove:
      element.state = ElementState::kNormal;
      break;
  }
  context.view.Paint(element);
}

std::unique_ptr<PickCommand> MakeElementCommand(ElementAction action) {
  return std::make_unique<ElementCommand>(action);
}

}  // namespace vormak
