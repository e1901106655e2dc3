#pragma once
// CAD and CAM commands that wait for picks in the plot window. A command shows its name in
// the Command panel and its prompt in the Prompt panel, takes picks until it is replaced by
// another command or Escape ends it, and shows its first prompt again after each result.

#include <memory>
#include <string>

#include "cad/cad_view.h"
#include "cad/element_pick.h"
#include "cad/element_table.h"
#include "nctext/host.h"

namespace vormak {

// What a running command works on.
struct CadContext {
  ElementTable& table;
  CadView& view;
  Host& host;
  PickMode pick_mode = PickMode::kCursor;
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
  // Escape: the command ends and the Command and Prompt panels are cleared.
  void End(Host& host);
  bool Running() const { return command_ != nullptr; }
  const PickCommand* Current() const { return command_.get(); }

 private:
  std::unique_ptr<PickCommand> command_;
};

// Elements drawn wholly inside the window given in pixels.
bool InsideWindow(const CadElement& element, const CadView& view, PixelPoint corner1,
                  PixelPoint corner2);

}  // namespace vormak
