#pragma once
// Utilities2 > "APT Output": the program plotted into an APT cutter-location file.

class QMenu;

namespace vormak {

class Workbench;

void AddAptOutputItem(QMenu* utilities2, Workbench& bench);

}  // namespace vormak
