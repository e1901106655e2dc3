#pragma once
// The Machines dialog: which machine files the machines menu offers.

#include <QDialog>

class QListWidget;

namespace vormak {

class Workbench;

class TMachines : public QDialog {
  Q_OBJECT
 public:
  explicit TMachines(Workbench& bench, QWidget* parent = nullptr);

  // Lists the paths of the machine slots in use (done on every activation).
  void Fill();
  QListWidget* list() const { return list_; }

  // Adds `path` unless the list is full; the file dialog of "Add..." ends here.
  void AddPath(const std::string& path);

  void AddClick();
  void RemoveClick();
  void NewClick();
  void OkClick();

 signals:
  // The machines list in vormak.ini was rewritten and reloaded.
  void MachineListChanged();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  Workbench& bench_;
  QListWidget* list_;
};

}  // namespace vormak
