#pragma once
// The element table as text, one element a line: what `vormak-batch elements` and `cad` print
// and what the window's tests compare with.

#include <string>

#include "cad/element_table.h"

namespace vormak {

inline constexpr char kElementListingHeader[] =
    "slot,kind,colour,layer,style,state,view,d1,d2,d3,d4,d5,d6\n";

// "slot,kind,#RRGGBB,layer,style,state,view," and the six numbers (a TEXT: X, Y and the text).
std::string ElementListingLine(int slot, const CadElement& element);

// The header and every element, or only the live ones.
std::string ElementListing(ElementTable& table, bool live_only);

}  // namespace vormak
