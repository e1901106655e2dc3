#pragma once
// What vormak-batch plot and print share: the machine and program of a run, the run itself,
// and the GUI application the raster and printed pictures need.

#include <memory>
#include <string>

#ifdef VORMAK_HAVE_UI
#include <QGuiApplication>
#endif

namespace vormak {
class Workbench;
}  // namespace vormak

namespace vormak::batch {

// A machine file, the name of a shipped one ("mill", "lathe", "edm", "twin_lathe"), or a
// machine number of vormak.ini as the utilities take it; false, said on stderr, when missing.
bool LoadPlotMachine(Workbench& bench, const std::string& machine);
// The program into pane 1; false, said on stderr, when it cannot be read.
bool LoadProgram(Workbench& bench, const std::string& file);
// Reset NC, then Plot Run from line 1.
void RunProgram(Workbench& bench, long long max_lines);

#ifdef VORMAK_HAVE_UI
// Text and pictures need a GUI application; without a display it is offscreen.
std::unique_ptr<QGuiApplication> MakePictureApplication();
#endif

}  // namespace vormak::batch
