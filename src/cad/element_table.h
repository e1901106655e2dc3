#pragma once
// The table of drawing elements: 2000 slots, each empty or owning one element, with the
// drawing's extents, the current colour, layer and view, and which layers are shown.

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "cad/cad_element.h"
#include "cad/palette.h"
#include "nctext/host.h"

namespace vormak {

inline constexpr int kTableSlots = 2000;
inline constexpr int kTableFull = kTableSlots + 1;  // NextFreeSlot when every slot is taken
inline constexpr int kLayerCount = 254;
inline constexpr int kStrayLayer = 252;  // where elements with layer 0 or 255 go
inline constexpr double kDrawingLimit = 10000;

// The box of the visible drawing. A maximum Z is kept beside it, only ever reset.
struct DrawingExtents {
  double min_x = 100;
  double min_y = 100;
  double max_x = -100;
  double max_y = -100;
  double max_z = -100;
};

// One result of a CAD command, as "Undo Last CAD" takes it back: the elements it made and the
// elements it changed or deleted, as they were before.
struct UndoStep {
  std::vector<std::pair<int, CadElement>> made;
  std::vector<std::pair<int, CadElement>> before;
  bool Empty() const { return made.empty() && before.empty(); }
};

struct ElementTable {
  ElementTable();

  // Slot 1..2000; nullptr when empty or out of range.
  CadElement* At(int slot);
  const CadElement* At(int slot) const;
  bool LayerVisible(int layer) const {
    return layer >= 0 && layer <= kLayerCount + 1 && layer_visible[static_cast<size_t>(layer)];
  }
  void SetLayerVisible(int layer, bool visible) {
    if (layer >= 1 && layer <= kLayerCount) layer_visible[static_cast<size_t>(layer)] = visible;
  }

  std::array<std::unique_ptr<CadElement>, kTableSlots> elements;  // slot n at index n - 1
  int high_water = 0;                 // highest slot handed out since the table was last cleared
  bool full = false;                  // once set, nothing is created until the drawing is cleared
  std::int32_t deletion_counter = 0;  // never reset
  int pick_index = 0;                 // slot of the element found by the last pick
  DrawingExtents extents;
  std::int32_t current_colour = palette::kWhite;
  int current_layer = 1;
  int current_view = 1;
  std::array<bool, kLayerCount + 2> layer_visible{};  // index = layer; 0 and 255 unused
  bool modified = false;                              // the CAD modified flag
  std::vector<UndoStep> undo_steps;                   // results of the CAD commands, last at back
};

// Lowest empty slot, raising the high-water count to it; kTableFull when none is empty.
int NextFreeSlot(ElementTable& table);

// Creates an element in the slot; nullptr when refused. Coordinates beyond +-10000 (LINE
// start and end X, ARC centre and radius, POINT X and Y) are refused silently; a slot above
// 2000 sets the full latch and says "Maximum number of elements" in the Command panel.
CadElement* MakeElement(ElementTable& table, Host& host, int slot, ElementKind kind,
                        std::int32_t colour, const std::array<double, 6>& d, int style, int layer,
                        ElementState state, int view, std::string_view text = {});

// Destroys the element and empties its slot; the high-water count stays.
void DiscardElement(ElementTable& table, int slot);

// Empties every slot and clears the latch.
void ClearDrawing(ElementTable& table);

void ExtendExtents(ElementTable& table, const CadElement& element);
// From scratch over the live elements on visible layers; an empty drawing leaves the box
// inverted (max -900, min +900).
void RecomputeExtents(ElementTable& table);

bool GroupExists(const ElementTable& table);

// The solid layer is hidden whenever settings are loaded.
void HideSolidLayer(ElementTable& table, int solid_layer);

// Calls f(slot, element) for every occupied slot 1..high-water, deleted ones included.
template <typename F>
void ForEachElement(ElementTable& table, F&& f) {
  for (int slot = 1; slot <= table.high_water; ++slot) {
    if (CadElement* element = table.At(slot)) f(slot, *element);
  }
}

}  // namespace vormak
