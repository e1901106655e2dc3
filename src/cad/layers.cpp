#include "cad/layers.h"

#include "settings/number_text.h"

namespace vormak {

int CurrentLayerFromField(std::string_view field, int solid_layer) {
  if (field.find_first_of("Ss") != std::string_view::npos) return solid_layer;
  const auto typed = ReadWholeNumber(field);
  if (!typed || *typed < 1 || *typed > kLayerCount) return 1;
  return static_cast<int>(*typed);
}

std::string LayerPanelText(int layer) {
  return "L " + std::to_string(layer);
}

LayerChecks LayerChecksOf(const ElementTable& table) {
  LayerChecks checks{};
  for (int layer = 1; layer <= kLayerCount; ++layer) {
    checks[static_cast<size_t>(layer - 1)] = table.LayerVisible(layer);
  }
  return checks;
}

void ApplyLayerChoice(ElementTable& table, int current_layer, const LayerChecks& checks) {
  table.current_layer = current_layer;
  for (int layer = 1; layer <= kLayerCount; ++layer) {
    table.SetLayerVisible(layer, checks[static_cast<size_t>(layer - 1)]);
  }
}

}  // namespace vormak
