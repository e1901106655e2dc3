#pragma once
// The text side of the workbench: the host, the four editor panes, the current machine's
// settings and word formats, the prompt state and the stop flag. The pane, word and status
// services work on this alone; the workbench adds every other module's state on top of it.

#include <array>
#include <memory>

#include "nctext/edit_control.h"
#include "nctext/host.h"
#include "nctext/status_services.h"
#include "settings/machine_settings.h"
#include "settings/word_format.h"

namespace vormak {

class TextBuffer;

inline constexpr int kPaneCount = 4;  // 1 main / turret A, 2 turret B, 3 script, 4 contour

class PaneBench {
 public:
  // Panes start as in-memory text buffers; a window host replaces them with its own.
  explicit PaneBench(Host& host);
  ~PaneBench();
  PaneBench(const PaneBench&) = delete;
  PaneBench& operator=(const PaneBench&) = delete;

  Host& host() { return host_; }

  // Pane 1..4; nullptr for any other number.
  EditControl* Pane(int pane);
  const EditControl* Pane(int pane) const;
  // The host installs its own control for a pane (not owned); nullptr restores the buffer.
  void SetPane(int pane, EditControl* control);

  int active_pane = 1;  // 1, 2 or 4
  bool stop_requested = false;

  MachineSettings settings;
  WordFormats word_formats;  // format set 1: current machine; set 2: Reformat target
  NcTextState nctext;        // current prompt, focus and run-reset hooks

 private:
  Host& host_;
  std::array<std::unique_ptr<TextBuffer>, kPaneCount> buffers_;
  std::array<EditControl*, kPaneCount> panes_{};
};

}  // namespace vormak
