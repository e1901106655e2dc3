#pragma once
// The tool options of vormak-batch plot: --tools (the tool picture at each move's end),
// --solid with --drawing FILE (the solid view over the stock of the drawing) and --crash-check
// (rapids through the stock stop the run: "Rapid move hits part" with its line, exit 1).

#include <memory>
#include <string>

#include "app/batch_commands.h"

namespace vormak {
class Canvas;
class Workbench;
}  // namespace vormak

namespace vormak::batch {

extern const char kToolPlotUsage[];

struct ToolPlotOptions {
  bool tools = false;
  bool solid = false;
  bool crash_check = false;
  std::string drawing;

  // Takes args[i] (and its value) when it is one of these options.
  bool Take(const Args& args, size_t& i);
  // Sets the options on the workbench and reads the drawing; false, said on stderr, when the
  // drawing cannot be read.
  bool Apply(Workbench& bench) const;
  // The drawing (and in the solid view its stock) drawn before the run.
  void DrawStock(Workbench& bench) const;
  // The picture drawn during the run, which the crash check reads and the solid view paints:
  // the drawing fitted to a window of the size; null without --crash-check and --solid.
  std::unique_ptr<Canvas> CrashCanvas(Workbench& bench, int width, int height) const;
  // Writes that picture as PNG; false, said on stderr, when it cannot.
  bool SavePicture(Canvas* canvas, const std::string& png) const;
  // The tools drawn where they stand at the end of the run (a picture made after the run).
  void DrawTools(Workbench& bench) const;
  // After the run: true, with the line said, when a rapid hit the part.
  bool ReportCrash(const Workbench& bench) const;
};

}  // namespace vormak::batch
