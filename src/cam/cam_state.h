#pragma once
// What the tool-path commands keep between picks and between commands: the Insert toolbar's
// "Auto Insert" switch, the Contour dialog's choices and chain end, the Lathe Rough dialog's
// stock boundary and depths. The current tool position and the last arc block live with the
// move executor, where the insert commands read them.

#include <string>

namespace vormak {

struct ContourChoices {
  bool right = false;        // "Right" (G42) rather than "Left" (G41)
  bool leave_stock = false;  // the stock choice is on
  double stock = 0;          // "Leave Stock:"
  double tool_radius = 0;    // "Tool Radius:"
  int end_slot = 0;          // the element picked with "End Entity"; 0 for "End=Off"
  bool picking_end = false;  // "Pick Ending Entity" waits for a pick
  std::string saved_text;    // pane 4 while Insert runs its compensated plot
};

struct RoughChoices {
  bool have_boundary = false;
  double boundary = 0;  // the stock boundary: the horizontal (Z) value picked with "1. Pick Z"
  double min_depth = 0.02;
  double max_depth = 0.1;
};

struct CamState {
  bool auto_insert = false;
  ContourChoices contour;
  RoughChoices rough;
};

}  // namespace vormak
