#pragma once
// "Order NC": sorts the words of each block of the selected lines into the machine's address
// order, and strips words that only repeat the value the letter already holds.

#include <string_view>

#include "nctext/pane_services.h"

namespace vormak {

class PaneBench;

enum OrderMode : int {
  kOrderSortAddresses = 1,  // "Sort Addresses"
  kOrderStripUnneeded = 2,  // "Strip Unneeded Addresses"
  kOrderBoth = 3,
};

// Works on SelectedLineRange of `pane`, stops on Escape or a stop; `letters` are the letters
// whose repeated values are removed. The processed lines are selected at the end.
void OrderBlocks(PaneBench& bench, int pane, std::string_view order, std::string_view letters,
                 int mode);
// The same over given lines (batch and script use).
void OrderBlocks(PaneBench& bench, int pane, LineRange range, std::string_view order,
                 std::string_view letters, int mode);

}  // namespace vormak
