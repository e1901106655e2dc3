#pragma once
// Soft deletion and undelete, and the bulk operations of the Delete, Undelete, Change,
// Group and View > Reset menus and of the Cad toolbar. Every loop runs over slots 1 to the
// high-water count.

#include "cad/cad_view.h"
#include "cad/element_table.h"
#include "nctext/host.h"

namespace vormak {

// Paints the element out and marks it deleted with the next deletion number.
void DeleteElement(ElementTable& table, CadView& view, CadElement& element);

// Brings back the element deleted last; nothing when no element is deleted.
void UndeleteLast(ElementTable& table, CadView& view);
// Brings back every deleted element, highest slot first.
void UndeleteAll(ElementTable& table, CadView& view);

// Selected elements become Normal and are drawn again.
void ClearSelection(ElementTable& table, CadView& view);

// Delete > Current Color / Current Layer: every element of the current colour (layer) on a
// visible layer, deleted ones included.
void DeleteCurrentColour(ElementTable& table, CadView& view);
void DeleteCurrentLayer(ElementTable& table, CadView& view);
// Delete > Group / Result.
void DeleteInState(ElementTable& table, CadView& view, ElementState state);
// Delete > Toolpath: the recorded tool path is destroyed, its slots freed. The menu command
// leaves the window as it is; the Cad toolbar's button redraws it.
void DeleteToolpath(ElementTable& table);
void DeleteToolpathAndRedraw(ElementTable& table, CadView& view);

struct DuplicateCounts {
  int lines = 0;
  int arcs = 0;
  int points = 0;
};
// Deletes every later element that repeats an earlier one within 0.0005 (a line also when
// reversed) and reports the counts in a "Delete Duplicates" message.
DuplicateCounts DeleteDuplicates(ElementTable& table, CadView& view, Host& host);

// Cad toolbar "Undo Last CAD": takes back the last result of a CAD command; without one,
// removes the element in the high-water slot.
void UndoLastCad(ElementTable& table, CadView& view);

// Change > Color > Group / Result, Change > Layer > Group / Result.
void ChangeColourInState(ElementTable& table, CadView& view, ElementState state);
void ChangeLayerInState(ElementTable& table, CadView& view, ElementState state);

// The Group commands say "No Elements Defined" on an empty drawing, then go on.
void WarnWhenNoElements(const ElementTable& table, Host& host);
// Group > New begins by dissolving the group.
void DissolveGroup(ElementTable& table, CadView& view);
// Group > Current Color / Current Layer / All / Result.
enum class GroupBy { kCurrentColour, kCurrentLayer, kAll, kResult };
void GroupElements(ElementTable& table, CadView& view, Host& host, GroupBy by);

// View > Reset: every element becomes Normal; extents recomputed.
void ResetView(ElementTable& table, CadView& view);

}  // namespace vormak
