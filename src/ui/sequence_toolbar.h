#pragma once
// The "Sequence" toolbar: "Seq" lists the program's tool-change comments on the numbered
// buttons 1 to 14 (the up/down control pages through a longer list), a numbered button jumps
// to its line, and resting the mouse on it shows the lathe tool's picture.

#include <QObject>
#include <array>
#include <vector>

#include "ncfiles/tool_list.h"

class QLabel;
class QMainWindow;
class QToolBar;
class QToolButton;
class QWidget;

namespace vormak {

class Workbench;

class SequenceToolbar : public QObject {
 public:
  SequenceToolbar(Workbench& bench, QMainWindow* window);

  QToolBar* Bar() const { return bar_; }
  QToolButton* Button(int n) const { return buttons_[static_cast<size_t>(n - 1)]; }
  QWidget* PictureWindow() const { return picture_window_; }
  const std::vector<ToolListEntry>& Entries() const { return entries_; }

  void SeqClick();
  void NumberClick(int n);
  // Pages the numbered buttons one entry up (-1) or down (+1).
  void Page(int step);
  // The picture of button n's tool beside the right toolbar panel; hidden when there is none.
  void ShowPicture(int n);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Label();

  Workbench& bench_;
  QToolBar* bar_;
  std::array<QToolButton*, kToolListButtons> buttons_{};
  std::vector<ToolListEntry> entries_;
  int first_ = 0;  // entry shown on button 1
  QWidget* picture_window_;
  QLabel* picture_;
};

}  // namespace vormak
