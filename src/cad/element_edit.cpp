#include "cad/element_edit.h"

#include <cmath>
#include <string>

#include "cad/cad_undo.h"

namespace vormak {

namespace {

bool Live(const CadElement& element) {
  return !element.deleted;
}

bool Near(double a, double b) {
  return std::fabs(a - b) <= 0.0005;
}

bool Repeats(const CadElement& a, const CadElement& b) {
  const auto& p = a.d;
  const auto& q = b.d;
  const auto all_six = [&] {
    for (size_t i = 0; i < 6; ++i) {
      if (!Near(p[i], q[i])) return false;
    }
    return true;
  };
  switch (a.kind) {
    case ElementKind::kLine: {
      if (all_six()) return true;
      const bool b_end_is_a_start = Near(q[3], p[0]) && Near(q[4], p[1]) && Near(q[5], p[2]);
      const bool b_start_is_a_end = Near(q[0], p[3]) && Near(q[1], p[4]) && Near(q[2], p[5]);
      return b_end_is_a_start && b_start_is_a_end;
    }
    case ElementKind::kArc:
      return all_six();
    case ElementKind::kPoint:
      return Near(p[0], q[0]) && Near(p[1], q[1]) && Near(p[2], q[2]);
    default:
      return false;
  }
}

}  // namespace

void DeleteElement(ElementTable& table, CadView& view, CadElement& element) {
  table.modified = true;
  element.state = ElementState::kErasing;
  view.Paint(element);
  element.state = ElementState::kNormal;
  element.deleted = true;
  element.deletion_number = ++table.deletion_counter;
}

void UndeleteLast(ElementTable& table, CadView& view) {
  CadElement* last = nullptr;
  ForEachElement(table, [&](int, CadElement& element) {
    // Only elements still deleted count: one brought back by Undelete All keeps nothing to undo.
    if (element.deleted && (last == nullptr || element.deletion_number > last->deletion_number)) {
      last = &element;
    }
  });
  if (last == nullptr || last->deletion_number <= 0) return;
  last->deleted = false;
  last->deletion_number = 0;
  view.Paint(*last);
}

void UndeleteAll(ElementTable& table, CadView& view) {
  for (int slot = table.high_water; slot >= 1; --slot) {
    CadElement* element = table.At(slot);
    if (element == nullptr || !element->deleted) continue;
    element->deleted = false;
    element->deletion_number = 0;
    view.Paint(*element);
  }
}

void ClearSelection(ElementTable& table, CadView& view) {
  ForEachElement(table, [&](int, CadElement& element) {
    if (element.state != ElementState::kSelected) return;
    element.state = ElementState::kNormal;
    view.Paint(element);
  });
}

void DeleteCurrentColour(ElementTable& table, CadView& view) {
  ForEachElement(table, [&](int, CadElement& element) {
    if (element.colour == table.current_colour && table.LayerVisible(element.layer)) {
      DeleteElement(table, view, element);
    }
  });
}

void DeleteCurrentLayer(ElementTable& table, CadView& view) {
  ForEachElement(table, [&](int, CadElement& element) {
    if (element.layer == table.current_layer && table.LayerVisible(element.layer)) {
      DeleteElement(table, view, element);
    }
  });
}

void DeleteInState(ElementTable& table, CadView& view, ElementState state) {
  ForEachElement(table, [&](int, CadElement& element) {
    if (element.state == state) DeleteElement(table, view, element);
  });
}

void DeleteToolpath(ElementTable& table) {
  ForEachElement(table, [&](int slot, CadElement& element) {
    if (element.state == ElementState::kToolpath) DiscardElement(table, slot);
  });
}

void DeleteToolpathAndRedraw(ElementTable& table, CadView& view) {
  DeleteToolpath(table);
  view.Redraw();
}

DuplicateCounts DeleteDuplicates(ElementTable& table, CadView& view, Host& host) {
  DuplicateCounts counts;
  for (int i = 1; i <= table.high_water; ++i) {
    CadElement* a = table.At(i);
    if (a == nullptr || !Live(*a)) continue;
    for (int j = i + 1; j <= table.high_water; ++j) {
      CadElement* b = table.At(j);
      if (b == nullptr || !Live(*b) || !Repeats(*a, *b)) continue;
      if (!table.LayerVisible(a->layer) || !table.LayerVisible(b->layer)) continue;
      DeleteElement(table, view, *b);
      if (a->kind == ElementKind::kLine) ++counts.lines;
      if (a->kind == ElementKind::kArc) ++counts.arcs;
      if (a->kind == ElementKind::kPoint) ++counts.points;
    }
  }
  host.Information(std::to_string(counts.lines) + " Lines, " + std::to_string(counts.arcs) +
                       " arcs, " + std::to_string(counts.points) + " points deleted",
                   "Delete Duplicates");
  return counts;
}

void UndoLastCad(ElementTable& table, CadView& view) {
  if (UndoLastResult(table, view)) return;
  if (table.high_water < 1) return;
  CadElement* last = table.At(table.high_water);
  if (last == nullptr) return;  // already undone
  DeleteElement(table, view, *last);
  DiscardElement(table, table.high_water);
}

void ChangeColourInState(ElementTable& table, CadView& view, ElementState state) {
  ForEachElement(table, [&](int, CadElement& element) {
    if (element.state != state) return;
    element.colour = table.current_colour;
    element.state = ElementState::kNormal;
    table.modified = true;
    view.Paint(element);
  });
}

void ChangeLayerInState(ElementTable& table, CadView& view, ElementState state) {
  ForEachElement(table, [&](int, CadElement& element) {
    if (element.state != state) return;
    element.state = ElementState::kNormal;
    view.Paint(element);
    element.layer = static_cast<std::uint8_t>(table.current_layer);
    table.modified = true;
  });
  view.Redraw();
}

void WarnWhenNoElements(const ElementTable& table, Host& host) {
  if (table.high_water == 0) host.Information("No Elements Defined", "Vormak");
}

void DissolveGroup(ElementTable& table, CadView& view) {
  ForEachElement(table, [&](int, CadElement& element) {
    if (element.state != ElementState::kGroup) return;
    element.state = ElementState::kNormal;
    if (table.LayerVisible(element.layer)) view.Paint(element);
  });
}

void GroupElements(ElementTable& table, CadView& view, Host& host, GroupBy by) {
  WarnWhenNoElements(table, host);
  ForEachElement(table, [&](int, CadElement& element) {
    if (!Live(element) || !table.LayerVisible(element.layer)) return;
    bool joins = true;
    switch (by) {
      case GroupBy::kCurrentColour:
        joins = element.colour == table.current_colour;
        break;
      case GroupBy::kCurrentLayer:
        joins = element.layer == table.current_layer;
        break;
      case GroupBy::kAll:
        break;
      case GroupBy::kResult:
        joins = element.state == ElementState::kResult;
        break;
    }
    if (!joins) return;
    element.state = ElementState::kGroup;
    view.Paint(element);
  });
}

void ResetView(ElementTable& table, CadView& view) {
  ForEachElement(table, [&](int, CadElement& element) {
    element.state = ElementState::kNormal;
    view.Paint(element);
  });
  RecomputeExtents(table);
}

}  // namespace vormak
