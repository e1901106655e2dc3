#pragma once
// The CA&M menu's tool-path items, the Cam toolbar, the Insert toolbar's "Auto Insert"
// switch, and the Contour, Lathe Rough and Corner Radius dialogs.

#include <QDialog>

#include "ui/cad_edit_menus.h"

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QPlainTextEdit;
class QRadioButton;
class QTimer;
class QToolBar;

namespace vormak {

// The Contour dialog: side, leave stock, tool radius, the chain pick into its own pane, the
// end entity and Insert.
class TContour : public QDialog {
  Q_OBJECT
 public:
  TContour(const CadMenuTarget& target, QWidget* parent = nullptr);
  void PickContourClick();
  void EndEntityClick();
  void InsertClick();
  // The contour pane's text and the end entity as they stand.
  void Refresh();

  QRadioButton* left_button;
  QRadioButton* right_button;
  QCheckBox* stock_box;  // "Leave Stock:"
  QLineEdit* stock_edit;
  QLineEdit* radius_edit;  // "Tool Radius:"
  QLabel* end_label;       // "End=Off"
  QPlainTextEdit* text;    // the contour pane

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  CadMenuTarget target_;
  QTimer* refresh_;
};

// The Lathe Rough dialog: the stock boundary, the two depths and the element to rough.
class TLathe_Rough : public QDialog {
  Q_OBJECT
 public:
  TLathe_Rough(const CadMenuTarget& target, QWidget* parent = nullptr);
  void PickZClick();
  void PickElementClick();

  QLineEdit* min_edit;  // "Min Depth:"
  QLineEdit* max_edit;  // "Max Depth"

 private:
  CadMenuTarget target_;
};

// "Corner Radius": the radius Tool around corner rounds a corner with.
class TCorner_Radius : public QDialog {
  Q_OBJECT
 public:
  TCorner_Radius(Workbench& bench, QWidget* parent = nullptr);
  void OKClick();
  QLineEdit* radius_edit;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  Workbench& bench_;
};

struct CamActions {
  QToolBar* cam_bar = nullptr;
  QAction* tool_offset = nullptr;  // "Change Tool Offset": one picture while the offset is above 0
  QAction* auto_insert = nullptr;  // on the Insert toolbar
};

// Wires the CAM menu's placement items (already on the menu), adds "Lathe Rough..." and the
// dialogs' items, and builds the Cam toolbar and the Auto Insert switch on `insert_bar`.
CamActions AddCamActions(QMainWindow* window, QMenu* cam_menu, QToolBar* insert_bar,
                         const CadMenuTarget& target);

// The Change Tool Offset button's picture for the current turret's offset.
void ShowToolOffsetPicture(const CamActions& actions, const Workbench& bench);

}  // namespace vormak
