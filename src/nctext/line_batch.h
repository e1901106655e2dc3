#pragma once
// Rewriting many lines of a pane in few edits. A utility walking a long program records the
// lines it changes here; they reach the pane as one replacement of the span they cover, so a
// run over a million-line program is one edit of the window's editor instead of a million,
// and undoes as one step.

#include <string>
#include <vector>

#include "nctext/pane_services.h"

namespace vormak {

class EditControl;
class PaneBench;

class PaneLineBatch {
 public:
  // Opens an undo group on the pane (1, 2 or 4; any other pane takes no writes).
  PaneLineBatch(PaneBench& bench, int pane);
  // Writes what is still pending and closes the undo group.
  ~PaneLineBatch();
  PaneLineBatch(const PaneLineBatch&) = delete;
  PaneLineBatch& operator=(const PaneLineBatch&) = delete;

  // Line n as the pane will hold it.
  std::string Line(int n) const;
  // The same into `into`, whose room a walk over many lines reuses.
  void ReadLine(int n, std::string& into) const;
  // Line n gets `text`. Lines are best given in ascending order; going back writes what is
  // pending first. A line that would not change is not touched.
  void Replace(int n, std::string text);
  // Puts the pending lines into the pane now: before the caret is shown on a line to ask
  // about it, and at the end.
  void Flush();

 private:
  int PendingEnd() const { return first_ + static_cast<int>(pending_.size()); }

  PaneBench& bench_;
  int pane_;
  EditControl* control_;
  int first_ = 0;  // first pending line
  std::vector<std::string> pending_;
  std::string current_;  // a line of the pane, read to see whether a replacement changes it
};

// Shows the running command's progress in the prompt panel on long ranges (the caption and
// how far it has come), at most a few times a second; puts the prompt back when it goes.
class LineProgress {
 public:
  LineProgress(PaneBench& bench, std::string caption, LineRange range);
  ~LineProgress();
  LineProgress(const LineProgress&) = delete;
  LineProgress& operator=(const LineProgress&) = delete;

  void At(int line) {
    if (long_range_ && (++count_ & 0x3fff) == 0) Show(line);
  }

 private:
  void Show(int line);

  PaneBench& bench_;
  std::string caption_;
  LineRange range_;
  bool long_range_;
  bool shown_ = false;
  unsigned count_ = 0;
  long long last_tick_ = 0;
};

}  // namespace vormak
