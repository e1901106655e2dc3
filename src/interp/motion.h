#pragma once
// The move executor: one tool motion of one turret becomes the coloured line or arc in the
// plot views, the recorded elements, the time, the Macro Out echo and the tool picture.

namespace vormak {

class Workbench;

// One move from (x1, y1, z1) to (x2, y2, z2) after work offsets; feed 0 is no feed. On a lathe
// each point comes as (Z, X radius, 0). Arc data (I, J, K, R) and the G flags come from the
// turret's record.
void ExecuteMove(Workbench& bench, int turret, double x1, double y1, double z1, double x2,
                 double y2, double z2, double feed);

// The arc centre for an R word (or the L word of the dialect that uses it for the radius),
// stored in the turret's I, J, K; only while G2 or G3 is in force.
void ArcCentreFromRadius(Workbench& bench, int turret, double r);

}  // namespace vormak
