#pragma once
// "Undo Last CAD" over whole results: a command records what one result made and what it
// changed, so that a trim, a fillet or a rotation with copies comes back in one step.

#include "cad/cad_view.h"
#include "cad/element_table.h"

namespace vormak {

inline constexpr size_t kUndoSteps = 100;  // older results are forgotten

// Collects one result while a command makes it. Nothing is kept until Commit.
class UndoRecorder {
 public:
  explicit UndoRecorder(ElementTable& table) : table_(table), seen_(kTableSlots + 1, false) {}
  // Call before changing or deleting the element in the slot; the first call per slot counts.
  void Changing(int slot);
  void Made(int slot);
  // Takes back everything recorded so far: a result that could not be finished leaves nothing.
  void Rollback(CadView& view);
  void Commit();
  bool Empty() const { return step_.Empty(); }

 private:
  ElementTable& table_;
  UndoStep step_;
  std::vector<bool> seen_;  // slots already recorded in this result
};

// Takes back the last committed result; false when there is none.
bool UndoLastResult(ElementTable& table, CadView& view);

}  // namespace vormak
