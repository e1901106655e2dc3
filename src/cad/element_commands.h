#pragma once
// The one-pick commands of the Delete, Change and Group menus: each pick (or, in the "Pick
// Inside Window" mode, each window) applies the command to the elements it finds.

#include <memory>

#include "cad/pick_command.h"

namespace vormak {

enum class ElementAction {
  kDelete,        // "DELETE ELEMENT"
  kDeleteText,    // "DELETE TEXT"
  kDeleteArrow,   // "DELETE ARROWHEAD"
  kChangeColour,  // "CHANGE COLOR"
  kChangeLayer,   // "CHANGE LAYER"
  kGroupNew,      // "MAKE NEW GROUP"
  kGroupAdd,      // "ADD ELEMENT TO GROUP"
  kGroupRemove,   // "REMOVE ELEMENT FROM GROUP"
};

class ElementCommand : public PickCommand {
 public:
  enum class Step { kPickElement };

  explicit ElementCommand(ElementAction action) : action_(action) {}
  std::string Name() const override;
  void Start(CadContext& context) override;
  void OnPick(CadContext& context, PixelPoint at) override;
  void OnWindow(CadContext& context, PixelPoint corner1, PixelPoint corner2) override;
  Step step() const { return step_; }
  ElementAction action() const { return action_; }

 protected:
  std::string Prompt() const override;

 private:
  int KindFilter() const;
  bool IsGroupCommand() const;
  // Applies the command to one element; `picked` when it came from a single pick.
  void Apply(CadContext& context, CadElement& element, bool picked) const;

  ElementAction action_;
  Step step_ = Step::kPickElement;
};

std::unique_ptr<PickCommand> MakeElementCommand(ElementAction action);

}  // namespace vormak
