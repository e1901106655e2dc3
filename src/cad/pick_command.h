#pragma once
// CAD and CAM commands that wait for picks in the plot window. A command shows its name in
// the Command panel and its prompt in the Prompt panel, takes picks until it is replaced by
// another command or Escape ends it, and shows its first prompt again after each result.

#include <memory>
#include <string>

#include "cad/cad_view.h"
#include "cad/element_pick.h"
#include "cad/element_table.h"
#include "cad/view_frame.h"
#include "nctext/host.h"

namespace vormak {

class PickCommand;

// What the CAD dialogs last took, kept from one command to the next.
struct CadInputs {
  double radius = 1;
  double angle = 0;
  double offset = 1;
  double chamfer = 0.1;
  std::string text;
};

// What a running command works on. A command may change the pick mode (some select "Pick at
// Cursor Location" when they start); the caller keeps what it finds there afterwards.
struct CadContext {
  ElementTable& table;
  CadView& view;
  Host& host;
  PickMode pick_mode = PickMode::kCursor;
  CadInputs* inputs = nullptr;  // nullptr: the context's own
  bool lathe = false;           // points keyed in as (Z, X); X read-outs may be diameters
  bool diameter_x = false;      // a lathe's X is programmed as a diameter
  double plot_height = 10;      // half the visible height of the current view
  // A command to start once the current one has returned (a read-out dialog's button).
  std::unique_ptr<PickCommand> next{};
  CadInputs own_inputs{};

  CadInputs& Inputs() { return inputs != nullptr ? *inputs : own_inputs; }
  // The axes the commands work in: those of the view the picks are made in.
  ViewFrame Frame() const { return ViewFrame(view.CurrentSlot()); }
};

class PickCommand {
 public:
  virtual ~PickCommand() = default;
  virtual std::string Name() const = 0;
  // Shows the name and the prompt of the first step.
  virtual void Start(CadContext& context);
  // A left-button pick at a pixel of the plot window.
  virtual void OnPick(CadContext& context, PixelPoint at) = 0;
  // A window dragged in the "Pick Inside Window" mode, in pixels.
  virtual void OnWindow(CadContext& context, PixelPoint corner1, PixelPoint corner2);
  // A point typed into the Key In dialog, taken as if it had been picked.
  virtual void OnKeyIn(CadContext& context, const Point& point);

 protected:
  virtual std::string Prompt() const = 0;
  void ShowPrompt(CadContext& context) const;
};

// The command slot of the plot window: at most one command runs.
class CommandRunner {
 public:
  // Ends the running command and starts the new one.
  void Start(CadContext& context, std::unique_ptr<PickCommand> command);
  void Pick(CadContext& context, PixelPoint at);
  void Window(CadContext& context, PixelPoint corner1, PixelPoint corner2);
  void KeyIn(CadContext& context, const Point& point);
  // Escape: the command ends and the Command and Prompt panels are cleared.
  void End(Host& host);
  bool Running() const { return command_ != nullptr; }
  const PickCommand* Current() const { return command_.get(); }

 private:
  // Starts the command a read-out asked for.
  void Follow(CadContext& context);

  std::unique_ptr<PickCommand> command_;
};

// Elements drawn wholly inside the window given in pixels.
bool InsideWindow(const CadElement& element, const CadView& view, PixelPoint corner1,
                  PixelPoint corner2);

}  // namespace vormak
