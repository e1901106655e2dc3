#include "cad/cmd_construction.h"

namespace vormak {

void Construction::Finish(CadContext& context) {
  UndoRecorder undo(context.table);
  spec_.build(context, picks_, undo);
  undo.Commit();
  Restart(context);
}

PickStep PointStep(const char* prompt) {
  return {prompt, PickStep::Take::kPoint, kPickAnyKind};
}

PickStep ElementStep(const char* prompt, int filter) {
  return {prompt, PickStep::Take::kElement, filter};
}

}  // namespace vormak
