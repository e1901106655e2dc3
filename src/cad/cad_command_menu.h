#pragma once
// The CAD menu's construction and edit commands by their menu captions: the window builds its
// menus from this list, and vormak-batch starts a command by its menu path.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cad/pick_command.h"

namespace vormak {

struct CadMenuCommand {
  std::string menu;  // "&Lines"; empty for an item directly on the CAD menu
  std::string item;  // "&Horizontal"
};

// In menu order: Points, Lines, Circles, Text, Arrowhead, Trim, Xform, Analyse.
const std::vector<CadMenuCommand>& CadMenuCommands();

// A command by its menu path without "&", "MENU/ITEM" or an item of the CAD menu itself
// ("Lines/Horizontal", "Circles/5. Offset Size", "Text"); nullptr for an unknown path.
std::unique_ptr<PickCommand> MakeCadCommand(const std::string& path);

// The path of an entry, as MakeCadCommand takes it.
std::string CadCommandPath(const CadMenuCommand& entry);

// A Pick toolbar mode by its hint ("Pick End Point").
std::optional<PickMode> PickModeOfHint(const std::string& hint);
const char* PickModeHint(PickMode mode);

}  // namespace vormak
