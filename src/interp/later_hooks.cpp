#include "interp/later_hooks.h"

#include "interp/interp_state.h"

namespace vormak {

void RunCannedCycle(Workbench&, int, const Xyz&, const Xyz&, double, int) {}
void DefineCycle200(Workbench&, int, std::string_view) {}
void CallCycle200(Workbench&, int) {}
void LoadToolFromComment(Workbench&, std::string_view) {}
void DefineToolFromComment(Workbench&, std::string_view) {}
void WriteAptComment(Workbench&, std::string_view) {}
void WriteMacroOutComment(Workbench&, std::string_view, bool) {}
void AddMinutes(Workbench&, double) {}
void SetAnimationSpeed(Workbench&, int) {}
void AddDwell(Workbench&, std::string_view) {}

}  // namespace vormak
