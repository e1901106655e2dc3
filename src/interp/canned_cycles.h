#pragma once
// Canned cycles: one block becomes the legs of a drilling cycle, a lathe grooving, peck or
// threading cycle, or the Q-parameter drilling cycle 200. Every leg is one ExecuteMove, so it
// is drawn, timed, echoed and recorded like any other move.

#include <string>
#include <string_view>

namespace vormak {

class Workbench;
struct Xyz;

inline constexpr const char* kBadQ202 = "Bad Number in Q202";
inline constexpr const char* kCycleOffApt = "CYCLE/OFF";
// More passes than this in one grooving or peck cycle means a step that cannot be meant (a
// step of a millionth of the depth); the cycle stops stepping there and cuts the last pass.
inline constexpr int kMaxCyclePasses = 10000;

// The cycle step of a block: a drilling cycle in force (G73, G81..G87) drills the hole; on a
// lathe G76 (standard dialect), G74 or G75 runs its passes. `start` and `end` are the block's
// points with the offsets added, in X, Y, Z order. G74 and G75 leave `start` where the
// block's own move then begins. False when the block ends here (G76); true when it goes on
// to its call, return or move.
bool RunCannedCycle(Workbench& bench, int turret, std::string_view block, Xyz& start,
                    const Xyz& end);

// Mill and EDM: rapid at the initial level over the hole, rapid to the R level, feed to the
// bottom, rapid back to the initial level (G98) or the R level. Lathe: the same along Z.
void RunDrillingCycle(Workbench& bench, int turret, const Xyz& start, const Xyz& end);

// G76, G74 or G75 on a lathe; false when the block ends with the cycle.
bool RunLatheCycle(Workbench& bench, int turret, std::string_view block, Xyz& start,
                   const Xyz& end);

// Cycle 200 at the X, Y registers: plunges from the set-up clearance, each one pass deeper,
// each retracting to the second clearance.
void RunCycle200(Workbench& bench, int turret);
// A call made by M99 is carried out unless the top view is shown; then it stays pending.
void RunPendingCycle200(Workbench& bench, int turret);

// G200 in the Q-parameter dialect: the cycle's parameters from "Q203=", "Q200=", "Q201=",
// "Q206=", "Q202=", "Q210=", "Q204=" of `text`; a missing word counts 0.
void DefineCycle200(Workbench& bench, std::string_view text);
// M99 in that dialect.
void MarkCycle200Call(Workbench& bench);

// "CYCLE/DRILL,FEDTO,z,IPM,f,RAPTO,r,RTRCTO,previous z".
std::string DrillCycleAptLine(double z, double f, double r, double previous_z);
// G73 or G81..G89 was read: once the block's words are all read, its APT line is written
// with this block's Z, F and R and the level the tool stood at before it.
void NoteDrillCycleApt(Workbench& bench);
// The APT line waiting for this block, cleared as it is taken; empty when none waits.
std::string TakePendingCycleApt(Workbench& bench, int turret);
void WritePendingCycleApt(Workbench& bench, int turret);

}  // namespace vormak
