#pragma once
// The dialogs of the Utilities1 menu that rewrite the active pane: Renumber, Change Value,
// Shift NC, Scale, Remove Address, Switch Axis, Switch Address and Order NC. Each hides when
// its run starts, runs the engine over the selected lines as one undo step, and can be
// stopped with Escape.

#include <QDialog>
#include <functional>
#include <string>

#include "nctext/pane_services.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;
class QMenu;
class QVBoxLayout;

namespace vormak {

class Workbench;

// Hides `dialog` first, so Escape reaches the run and not the dialog, then runs `run` on
// the selected lines of the active pane as one undo step, under the wait cursor, with the
// stop flag cleared. Nothing runs when the pane is not there.
void RunOnSelectedLines(QDialog& dialog, Workbench& bench,
                        const std::function<void(int pane, LineRange range)>& run);

// What the dialogs share: the workbench, an OK/Cancel row and the letter edits that follow
// "Upper Case Only".
class UtilityDialog : public QDialog {
  Q_OBJECT
 public:
  UtilityDialog(Workbench& bench, const char* caption, QWidget* parent);
  // The dialog's OK button.
  virtual void OKClick() = 0;

 protected:
  void showEvent(QShowEvent* event) override;
  // Called each time the dialog is shown.
  virtual void Activate() {}
  QLineEdit* AddEdit(const char* caption, const QString& text = {}, bool letters = false);
  QCheckBox* AddCheck(const char* caption, bool checked = false);
  // Adds the OK and Cancel buttons (call last).
  void AddButtons(const char* help_topic = nullptr);
  // The active pane.
  int Pane() const;
  // Runs `passes` as one undo step on the selected lines of the active pane, taken once for
  // all the passes of a run.
  void RunAsOneStep(const std::function<void(int pane, LineRange range)>& passes) {
    RunOnSelectedLines(*this, bench_, passes);
  }

  Workbench& bench_;
  QVBoxLayout* layout_;
  QFormLayout* form_;
};

class Trenumber : public UtilityDialog {
  Q_OBJECT
 public:
  explicit Trenumber(Workbench& bench, QWidget* parent = nullptr);
  void OKClick() override;

  QLineEdit* address_edit;
  QLineEdit* start_edit;
  QLineEdit* increment_edit;
  QCheckBox* existing_box;
  QCheckBox* comments_box;
  QCheckBox* o_blocks_box;

 protected:
  void Activate() override;
};

class TChange_Value : public UtilityDialog {
  Q_OBJECT
 public:
  explicit TChange_Value(Workbench& bench, QWidget* parent = nullptr);
  void OKClick() override;

  QLineEdit* find_edit;
  QLineEdit* change_edit;
};

class TOffset_NC : public UtilityDialog {
  Q_OBJECT
 public:
  explicit TOffset_NC(Workbench& bench, QWidget* parent = nullptr);
  void OKClick() override;

  QLineEdit* address_edits[3];
  QLineEdit* value_edits[3];
};

class TScale_Address : public UtilityDialog {
  Q_OBJECT
 public:
  explicit TScale_Address(Workbench& bench, QWidget* parent = nullptr);
  void OKClick() override;

  QLineEdit* addresses_edit;
  QLineEdit* factor_edit;

 protected:
  void Activate() override;
};

class TRemove_Address : public UtilityDialog {
  Q_OBJECT
 public:
  explicit TRemove_Address(Workbench& bench, QWidget* parent = nullptr);
  void OKClick() override;

  QLineEdit* addresses_edit;
  QCheckBox* confirm_box;
};

class TSwitch_Axis : public UtilityDialog {
  Q_OBJECT
 public:
  explicit TSwitch_Axis(Workbench& bench, QWidget* parent = nullptr);
  void OKClick() override;

  QComboBox* axis_boxes[3];
  QCheckBox* reverse_boxes[3];
  // Shows the refusal of duplicate choices; a message box unless replaced (tests).
  std::function<void(const QString& text, const QString& caption)> show_error;
};

class TSwitch_Address : public UtilityDialog {
  Q_OBJECT
 public:
  explicit TSwitch_Address(Workbench& bench, QWidget* parent = nullptr);
  void OKClick() override;

  QLineEdit* a_edit;
  QLineEdit* b_edit;
  QCheckBox* reverse_a_box;
  QCheckBox* reverse_b_box;

 protected:
  void Activate() override;

 private:
  char a_ = 0;  // the letters entered last time
  char b_ = 0;
};

class TOrder_NC : public UtilityDialog {
  Q_OBJECT
 public:
  explicit TOrder_NC(Workbench& bench, QWidget* parent = nullptr);
  void OKClick() override;

  QLineEdit* order_edit;
  QCheckBox* sort_box;
  QCheckBox* strip_box;
  QLineEdit* strip_edit;
};

// Takes over the Utilities1 items of these dialogs (by caption) in `menu`: each opens its
// dialog modally, created on first use as a child of `parent`.
void AddUtilityItems(QMenu* menu, Workbench& bench, QWidget* parent);

}  // namespace vormak
