#pragma once
// Tools defined from inside the NC program: "TL " loads a tool drawn in a CDL tool file,
// "TM " builds a plain milling cutter from its diameter. Both give the turret its picture, its
// solid outline and its tool-nose record.

#include <cstdint>
#include <string>
#include <string_view>

#include "interp/tool_shape.h"

namespace vormak {

class Workbench;

// Everything a tool file holds for a turret.
struct ToolFileContents {
  ToolPicture shape;
  SolidOutline solid;
  ToolNose nose;
  int entries = 0;  // shape entries read
};

// The folder tool files lie in: the machine's ToolPathName, else the user's tool folder.
std::string ToolDirectory(const Workbench& bench);

// The file a tool name stands for. "\" and "/" both separate folders; a name starting with
// "/" or holding ":\" stands as it is, any other lies in the tool folder; ".CDL" is added to
// a name without an extension; the file is looked up without regard to case.
std::string ToolFilePath(const Workbench& bench, std::string_view name);

// Reads the records of a tool file: picture entries (at most 40), the solid outline (records
// on `solid_layer`) and the tool-nose keys. False when the file cannot be opened.
bool ReadToolFile(const std::string& path, int solid_layer, std::int32_t background,
                  ToolFileContents& out);

// "TL ": `line` holds "TL" and the tool name. True when a tool was loaded; a name "0" or a
// file that cannot be opened leaves the turret without a tool and with a cleared nose record.
bool LoadToolShape(Workbench& bench, int turret, std::string_view line);

// "TM ": `line` holds "TM", the diameter and optionally "," and the corner radius.
bool DefineMillTool(Workbench& bench, std::string_view line);

// The two tool name panels.
void ShowToolNames(Workbench& bench, const std::string& name1, const std::string& name2);

}  // namespace vormak
