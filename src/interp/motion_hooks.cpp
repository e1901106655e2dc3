#include "interp/motion_hooks.h"

namespace vormak {

bool RotaryAxesHook(Workbench&, int, Point&, Point&) {
  return false;
}

void LinearAccountingHook(Workbench&, int, const Point&, const Point&, double, bool) {}

void ArcAccountingHook(Workbench&, int, const Point&, const Point&, const Point&, double, double,
                       double, int, int, double) {}

void ToolPictureHook(Workbench&, int, const Point&, const Point&, const Point&, int) {}

void CrashCheckHook(Workbench&, int, const Point&, const Point&) {}

bool PreProcessScriptActive(Workbench&) {
  return false;
}

void RunPreProcessScript(Workbench&, std::string_view) {}

void LoadPreProcessScript(Workbench&) {}

void DrawBothTurretTools(Workbench&) {}

int InsertDueTimeReport(Workbench&, std::string_view) {
  return 0;
}

void InsertBlockTime(Workbench&, int) {}

void RefreshPlotStatus(Workbench&) {}

}  // namespace vormak
