#pragma once
// The window's CAD-model link: every position the plot sends while the option "Solidworks" is on
// is written as "DIMENSION=value" lines and "rebuild" (the format of vormak-batch plot
// --model-link) to the link file: the one VORMAK_MODEL_LINK names, else the machine's "Link File:"
// (Configuration, Rotary Axis page). Without either the link is absent.

#include <string>

class QObject;

namespace vormak {

class Workbench;

// The file the link writes to now; empty when there is none.
std::string ModelLinkPath(const Workbench& bench);

// Opens the link file, kept open as long as `owner` lives; a changed name closes the old file
// first, and the same name keeps the open one (a macro following it keeps its place). False when
// a file is named but cannot be written: the link is then absent.
bool OpenModelLink(Workbench& bench, QObject* owner);

}  // namespace vormak
