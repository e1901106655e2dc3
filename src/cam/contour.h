#pragma once
// The Contour dialog's work: chains of drawing elements picked into the contour pane (pane 4)
// as part-outline blocks, and Insert, which runs that text through cutter compensation and
// writes the cutter-centre moves at the caret of the main program.

#include <memory>
#include <string>

#include "cad/pick_command.h"

namespace vormak {

class Workbench;

inline constexpr int kContourPane = 4;
inline constexpr const char* kChainBranches = "Chain Branches at ";
inline constexpr const char* kChainLoops = "Chain Does Not Close";
inline constexpr const char* kChainStopped = "Chain Pick Stopped";
inline constexpr const char* kContourEmpty = "No Contour to Insert";

// What one chain pick made: the element count written, or a failure told to the user with
// nothing written.
struct ChainResult {
  int elements = 0;
  std::string error;
};

// "Pick Contour": the side, the leave-stock amount and the tool radius taken from the dialog
// (bench.cam.contour), the radius offset set to 0, pane 4 emptied, the chain pick started.
std::unique_ptr<PickCommand> MakeContourCommand(Workbench& bench);
// "End Entity": "Pick Ending Entity"; the next element pick sets the chain's end.
std::unique_ptr<PickCommand> MakeEndEntityCommand(Workbench& bench);

// The chain starting at element `slot`, from its end nearer `cursor`, appended to pane 4.
ChainResult PickChain(Workbench& bench, int slot, const Point& cursor);

// "Insert": false (with the message) when pane 4 holds no move.
bool InsertContour(Workbench& bench);

// The end-entity text the dialog shows: "End=Off" or "End=" and the slot.
std::string EndEntityText(const Workbench& bench);

}  // namespace vormak
