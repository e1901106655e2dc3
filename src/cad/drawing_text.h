#pragma once
// The text of a drawing file as the writers produce it, without touching the disk.

#include <string>

namespace vormak {

class Workbench;

std::string CdlText(Workbench& bench, bool tool);
std::string DxfText(const Workbench& bench);
// `name` is the Start section's text: the drawing's name as given.
std::string IgesText(const Workbench& bench, const std::string& name);

}  // namespace vormak
