#pragma once
// The plot status window (CA&M "Plot &Status..."): the interpreter's state for one turret,
// the block and total times, and a watch list. Time is counted while it is open.

#include <QDialog>
#include <utility>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QTabWidget;

namespace vormak {

class Workbench;

class TPlotStatus : public QDialog {
  Q_OBJECT
 public:
  explicit TPlotStatus(Workbench& bench, QWidget* parent = nullptr);

  void ShowPlotStatus();  // every field and watch entry read again
  void AddClick();
  void DeleteClick();

  // The text shown beside `caption` on the Status (page 0) or Movement (page 1) page.
  QString FieldText(int page, const QString& caption) const;

  QComboBox* turret_box;  // "Turret 1", "Turret 2"
  QTabWidget* pages;
  QLineEdit* watch_edit;
  QListWidget* watch_list;

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  Workbench& bench_;
  std::vector<std::vector<std::pair<QString, QLabel*>>> fields_;  // per page
};

// Opens the window from the CA&M item "Plot &Status..." and refreshes it after every run.
void AddPlotStatusItem(QMenu* cam, Workbench& bench, QWidget* parent);

}  // namespace vormak
