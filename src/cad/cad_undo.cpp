#include "cad/cad_undo.h"


#include "cad/element_edit.h"

namespace vormak {

namespace {

bool SameElement(const CadElement& a, const CadElement& b) {
  return a.kind == b.kind && a.d == b.d && a.text == b.text;
}

// Puts the step back, newest change first.
void Revert(ElementTable& table, CadView& view, const UndoStep& step) {
  for (auto it = step.made.rbegin(); it != step.made.rend(); ++it) {
    const auto& [slot, made] = *it;
    CadElement* element = table.At(slot);
    // A slot freed and handed to something else since holds another element: leave it.
    if (element == nullptr || !SameElement(*element, made)) continue;
    DeleteElement(table, view, *element);
    DiscardElement(table, slot);
  }
  for (auto it = step.before.rbegin(); it != step.before.rend(); ++it) {
    const auto& [slot, before] = *it;
    CadElement* element = table.At(slot);
    if (element == nullptr) continue;
    if (!element->deleted) {
      element->state = ElementState::kErasing;
      view.Paint(*element);
    }
    *element = before;
    view.Paint(*element);
  }
  table.modified = true;
  RecomputeExtents(table);
}

}  // namespace

void UndoRecorder::Changing(int slot) {
  const CadElement* element = table_.At(slot);
  if (element == nullptr || seen_[static_cast<size_t>(slot)]) return;
  seen_[static_cast<size_t>(slot)] = true;
  step_.before.emplace_back(slot, *element);
}

void UndoRecorder::Made(int slot) {
  const CadElement* element = table_.At(slot);
  if (element == nullptr) return;
  seen_[static_cast<size_t>(slot)] = true;
  step_.made.emplace_back(slot, *element);
}

void UndoRecorder::Rollback(CadView& view) {
  Revert(table_, view, step_);
  step_ = {};
  seen_.assign(seen_.size(), false);
}

void UndoRecorder::Commit() {
  if (step_.Empty()) return;
  // What was made may have been changed later in the same result (a copy moved into place):
  // keep the final look so that the undo recognises it.
  for (auto& [slot, made] : step_.made) {
    if (const CadElement* element = table_.At(slot)) made = *element;
  }
  table_.undo_steps.push_back(std::move(step_));
  if (table_.undo_steps.size() > kUndoSteps) table_.undo_steps.erase(table_.undo_steps.begin());
  step_ = {};
  seen_.assign(seen_.size(), false);
}

bool UndoLastResult(ElementTable& table, CadView& view) {
  if (table.undo_steps.empty()) return false;
  const UndoStep step = std::move(table.undo_steps.back());
  table.undo_steps.pop_back();
  Revert(table, view, step);
  return true;
}

}  // namespace vormak
