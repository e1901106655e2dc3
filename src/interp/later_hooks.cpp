#include "interp/later_hooks.h"

#include "interp/interp_state.h"

namespace vormak {

void LoadToolFromComment(Workbench&, std::string_view) {}
void DefineToolFromComment(Workbench&, std::string_view) {}
void WriteAptComment(Workbench&, std::string_view) {}
void WriteMacroOutComment(Workbench&, std::string_view, bool) {}
void AddMinutes(Workbench&, double) {}
void SetAnimationSpeed(Workbench&, int) {}
void AddDwell(Workbench&, std::string_view) {}

}  // namespace vormak
