#include "cad/element_listing.h"

#include <cstdio>

#include "cad/palette.h"

namespace vormak {

std::string ElementListingLine(int slot, const CadElement& e) {
  const unsigned rgb = CanvasRgb(e.colour);
  char text[512];
  int n = std::snprintf(text, sizeof text, "%d,%d,#%02X%02X%02X,%d,%d,%d,%d", slot,
                        static_cast<int>(e.kind), (rgb >> 16) & 0xFFu, (rgb >> 8) & 0xFFu,
                        rgb & 0xFFu, e.layer, e.style, static_cast<int>(e.state), e.view);
  std::string line(text, static_cast<size_t>(n));
  if (e.kind == ElementKind::kText) {
    std::snprintf(text, sizeof text, ",%.6f,%.6f,", e.d[0], e.d[1]);
    return line + text + e.text + "\n";
  }
  for (double value : e.d) {
    n = std::snprintf(text, sizeof text, ",%.6f", value);
    line.append(text, static_cast<size_t>(n));
  }
  return line + "\n";
}

std::string ElementListing(ElementTable& table, bool live_only) {
  std::string out = kElementListingHeader;
  ForEachElement(table, [&](int slot, const CadElement& e) {
    if (!live_only || !e.deleted) out += ElementListingLine(slot, e);
  });
  return out;
}

}  // namespace vormak
