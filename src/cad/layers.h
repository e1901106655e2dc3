#pragma once
// The layer choices of the Layers dialog, apart from the dialog itself.

#include <array>
#include <string>
#include <string_view>

#include "cad/element_table.h"

namespace vormak {

// The "Current Layer:" field: any "S" selects the solid layer; otherwise the number typed,
// where anything that is not a layer 1..254 becomes 1.
int CurrentLayerFromField(std::string_view field, int solid_layer);

// The Layer panel's text: "L " and the layer.
std::string LayerPanelText(int layer);

// The visibility of layers 1..254 as the dialog's check list holds it (index = layer - 1).
using LayerChecks = std::array<bool, kLayerCount>;
LayerChecks LayerChecksOf(const ElementTable& table);

// OK of the dialog: the current layer and the visibility flags taken over.
void ApplyLayerChoice(ElementTable& table, int current_layer, const LayerChecks& checks);

}  // namespace vormak
