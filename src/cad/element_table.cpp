#include "cad/element_table.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <string>

namespace vormak {

namespace {

bool WithinLimit(double value) {
  return value >= -kDrawingLimit && value <= kDrawingLimit;
}

bool InRange(ElementKind kind, const std::array<double, 6>& d) {
  switch (kind) {
    case ElementKind::kLine:  // the end's Y and Z are not looked at
      return WithinLimit(d[0]) && WithinLimit(d[1]) && WithinLimit(d[3]);
    case ElementKind::kArc:
      return WithinLimit(d[0]) && WithinLimit(d[1]) && WithinLimit(d[3]);
    case ElementKind::kPoint:
      return WithinLimit(d[0]) && WithinLimit(d[1]);
    default:
      return true;
  }
}

void Include(DrawingExtents& box, double x, double y) {
  box.min_x = std::min(box.min_x, x);
  box.max_x = std::max(box.max_x, x);
  box.min_y = std::min(box.min_y, y);
  box.max_y = std::max(box.max_y, y);
}

}  // namespace

ElementTable::ElementTable() {
  layer_visible.fill(true);
}

CadElement* ElementTable::At(int slot) {
  if (slot < 1 || slot > kTableSlots) return nullptr;
  return elements[static_cast<size_t>(slot - 1)].get();
}

const CadElement* ElementTable::At(int slot) const {
  if (slot < 1 || slot > kTableSlots) return nullptr;
  return elements[static_cast<size_t>(slot - 1)].get();
}

int NextFreeSlot(ElementTable& table) {
  for (int slot = 1; slot <= kTableSlots; ++slot) {
    if (table.At(slot) == nullptr) {
      table.high_water = std::max(table.high_water, slot);
      return slot;
    }
  }
  return kTableFull;
}

CadElement* MakeElement(ElementTable& table, Host& host, int slot, ElementKind kind,
                        std::int32_t colour, const std::array<double, 6>& d, int style, int layer,
                        ElementState state, int view, std::string_view text) {
  if (!InRange(kind, d)) return nullptr;
  if (slot > kTableSlots) {
    table.full = true;
    host.SetCommandPanel("Maximum number of elements");
    return nullptr;
  }
  if (table.full || slot < 1) return nullptr;
  if (table.At(slot) != nullptr) return nullptr;  // never overwrite a live slot
  std::unique_ptr<CadElement> element;
  try {
    element = std::make_unique<CadElement>();
  } catch (const std::bad_alloc&) {
    host.Information("MEMORY FULL\n\rcannot make element", "Vormak");
    table.full = true;
    return nullptr;
  }
  table.modified = true;
  element->kind = kind;
  element->d = d;
  if (kind == ElementKind::kArc && std::fabs(d[5] - d[4]) < 0.0001) {
    element->d[4] = 0;
    element->d[5] = 360;
  }
  if (kind == ElementKind::kText) {
    element->text = std::string(text.substr(0, kMaxTextLength));
    element->d[2] = element->d[3] = element->d[4] = element->d[5] = 0;
  }
  element->colour = colour;
  element->style = style;
  // Layers 0 and 255 do not exist; anything outside the table would wrap in the byte.
  element->layer =
      static_cast<std::uint8_t>(layer >= 1 && layer <= kLayerCount ? layer : kStrayLayer);
  element->state = state;
  element->view = view;
  CadElement* made = element.get();
  table.elements[static_cast<size_t>(slot - 1)] = std::move(element);
  table.high_water = std::max(table.high_water, slot);
  ExtendExtents(table, *made);
  return made;
}

void DiscardElement(ElementTable& table, int slot) {
  if (slot < 1 || slot > kTableSlots) return;
  table.elements[static_cast<size_t>(slot - 1)].reset();
}

void ClearDrawing(ElementTable& table) {
  for (auto& slot : table.elements) slot.reset();
  table.high_water = 0;
  table.full = false;
  table.extents = DrawingExtents{};
  table.undo_steps.clear();
}

void ExtendExtents(ElementTable& table, const CadElement& element) {
  DrawingExtents& box = table.extents;
  const auto& d = element.d;
  switch (element.kind) {
    case ElementKind::kLine:
      Include(box, d[0], d[1]);
      Include(box, d[3], d[4]);
      break;
    case ElementKind::kArc:
      if (d[5] - d[4] > 180) {
        Include(box, d[0] - d[3], d[1] - d[3]);
        Include(box, d[0] + d[3], d[1] + d[3]);
      } else {
        constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180;
        Include(box, d[0] + d[3] * std::cos(d[4] * kRadiansPerDegree),
                d[1] + d[3] * std::sin(d[4] * kRadiansPerDegree));
        Include(box, d[0] + d[3] * std::cos(d[5] * kRadiansPerDegree),
                d[1] + d[3] * std::sin(d[5] * kRadiansPerDegree));
      }
      break;
    case ElementKind::kPoint:
      Include(box, d[0], d[1]);
      break;
    default:
      break;
  }
  box.min_x = std::max(box.min_x, -kDrawingLimit);
  box.min_y = std::max(box.min_y, -kDrawingLimit);
  box.max_x = std::min(box.max_x, kDrawingLimit);
  box.max_y = std::min(box.max_y, kDrawingLimit);
}

void RecomputeExtents(ElementTable& table) {
  DrawingExtents& box = table.extents;
  box.max_x = box.max_y = -900;
  box.min_x = box.min_y = 900;
  ForEachElement(table, [&](int, CadElement& element) {
    if (!element.deleted && table.LayerVisible(element.layer)) ExtendExtents(table, element);
  });
}

bool GroupExists(const ElementTable& table) {
  for (int slot = 1; slot <= table.high_water; ++slot) {
    const CadElement* element = table.At(slot);
    if (element != nullptr && !element->deleted && element->state == ElementState::kGroup) {
      return true;
    }
  }
  return false;
}

void HideSolidLayer(ElementTable& table, int solid_layer) {
  table.SetLayerVisible(solid_layer, false);
}

}  // namespace vormak
