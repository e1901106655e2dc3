#pragma once
// The catalogue's preview of a tool file: its lines and arcs in black on white about the box
// centre, a quarter of the box width to the drawing unit, with two Aqua axis lines.

#include <string>

#include "interp/tool_load.h"

namespace vormak {

class Canvas;
class Workbench;

// Reads the tool file named as the catalogue names it (without folder: in the tool folder;
// without extension: ".CDL") into `tool` and draws it. False, with "Cannot open " and the
// name in the prompt panel and the box left white, when it cannot be read.
bool DrawToolPicture(Workbench& bench, const std::string& name, Canvas& canvas,
                     ToolFileContents& tool);

}  // namespace vormak
