#pragma once
// The Punch - Reader dialog: sends the active pane to the machine tool or tape punch over the
// serial line, or receives a program from the machine into the active pane.

#include <QDialog>
#include <QElapsedTimer>
#include <memory>
#include <string>

#include "dnc/comm_port.h"
#include "dnc/dnc_messages.h"
#include "dnc/tape_code.h"

class QAction;
class QCheckBox;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;

namespace vormak {

class ReadSession;
class Workbench;

class Tpunch_d : public QDialog, private TransferObserver {
  Q_OBJECT
 public:
  explicit Tpunch_d(Workbench& bench, QWidget* parent = nullptr);
  ~Tpunch_d() override;

  // The dialog's buttons, callable directly.
  void PunchClick();
  void PunchWithoutCommentsClick();
  void ReadClick();
  void ClearClick();
  // Opens the port with the machine's settings (done when the dialog is shown).
  void OpenPort();
  void ClosePort(bool purge_input);

  bool Busy() const { return busy_; }
  TComm& Port() { return port_; }
  QListWidget* Messages() const { return messages_; }
  QLabel* StatusLine() const { return status_; }
  QLabel* ProgressLine() const { return progress_; }
  QCheckBox* Box(const char* caption) const;
  QPushButton* Button(const char* caption) const;

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int result) override;
  void reject() override;

 private:
  void Log(const std::string& text) override;
  void Progress(int line, int count) override;
  void RunPunch(bool without_comments);
  void ShowError(const std::string& text);
  void BoxToggled(const char* caption, bool on);
  void SetBoxes(bool rts, bool dtr, bool xon);
  void SetButtonsEnabled(bool on);
  TapeCode Code() const;

  Workbench& bench_;
  TComm port_;
  std::unique_ptr<ReadSession> session_;
  bool busy_ = false;
  QElapsedTimer progress_clock_;
  QListWidget* messages_;
  QLabel* status_;
  QLabel* progress_;
  QCheckBox* rts_;
  QCheckBox* dtr_;
  QCheckBox* break_;
  QCheckBox* xon_;
};

// Adds "P&unch/Read" to `menu` (taking over an item of that caption already there): it opens
// the dialog modally, created on first use as a child of `parent`.
QAction* AddPunchReadItem(QMenu* menu, Workbench& bench, QWidget* parent);

}  // namespace vormak
