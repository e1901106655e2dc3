#pragma once
// The construction commands of the Points, Lines and Circles menus: each a list of picks and
// a rule that makes the new element from them.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cad/cad_command.h"

namespace vormak {

using Picks = std::array<Picked, 4>;

struct ConstructionSpec {
  std::string name;
  std::vector<PickStep> steps;
  bool at_cursor = false;
  // A dialog asked before the first pick (Circles 3 and 8); false ends the command.
  std::function<bool(CadContext&)> begin;
  // Makes the result from the picks; failures show their message and make nothing.
  std::function<void(CadContext&, const Picks&, UndoRecorder&)> build;
};

class Construction : public CadCommand {
 public:
  explicit Construction(ConstructionSpec spec) : spec_(std::move(spec)) {}
  std::string Name() const override { return spec_.name; }

 protected:
  std::vector<PickStep> Steps() const override { return spec_.steps; }
  void Finish(CadContext& context) override;
  bool Begin(CadContext& context) override { return !spec_.begin || spec_.begin(context); }
  bool AtCursor() const override { return spec_.at_cursor; }

 private:
  ConstructionSpec spec_;
};

// Points 1-2, Lines 1-8 with Horizontal and Vertical, by their menu captions without "&"
// ("1. X, Y, Z", "Horizontal"); nullptr for an unknown one.
std::unique_ptr<PickCommand> MakePointCommand(const std::string& item);
std::unique_ptr<PickCommand> MakeLineCommand(const std::string& item);
// Circles 1-9, Between 2 points and Tangent 3 Lines.
std::unique_ptr<PickCommand> MakeCircleCommand(const std::string& item);

// Step shorthands.
PickStep PointStep(const char* prompt);
PickStep ElementStep(const char* prompt, int filter);

}  // namespace vormak
