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

}  // namespace vormak
