#include "interp/model_link_calls.h"

#include "interp/apt_output.h"
#include "solidlink/model_link.h"
#include "workbench/workbench.h"

namespace vormak {

void LinkRotaryAxes(Workbench& bench, int turret) {
  ModelLink* link = bench.interp.model_link;
  if (link == nullptr) return;
  const TurretState& ts = bench.interp.Turret(turret);
  if (ts[kRegB] != ts[kRegPrevB] || ts[kRegB] == 0) SendAxisB(bench.settings, link, ts[kRegB]);
  if (ts[kRegC] != ts[kRegPrevC] || ts[kRegC] == 0) SendAxisC(bench.settings, link, ts[kRegC]);
}

void LinkBlockEnd(Workbench& bench, const Xyz& end) {
  if (bench.settings.system_type == SystemType::kLathe) return;
  SendLinearAxes(bench.settings, bench.interp.model_link, end.x, end.y, end.z);
}

void LinkDrillLeg(Workbench& bench, const Xyz& point, bool first_leg) {
  if (!first_leg && AptOutputOn(bench)) return;
  SendLinearAxes(bench.settings, bench.interp.model_link, point.x, point.y, point.z);
}

}  // namespace vormak
