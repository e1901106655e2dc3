#pragma once
// The window's CAD-model link: with VORMAK_MODEL_LINK naming a file, every position the plot
// sends while the option "Solidworks" is on is written there as "DIMENSION=value" lines and
// "rebuild" (the format of vormak-batch plot --model-link). Without it the link is absent.

class QObject;

namespace vormak {

class Workbench;

// Opens the file named by VORMAK_MODEL_LINK, kept open as long as `owner` lives; false when the
// variable is set but the file cannot be written.
bool OpenModelLinkFromEnvironment(Workbench& bench, QObject* owner);

}  // namespace vormak
