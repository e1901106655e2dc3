#pragma once
// "Lathe Toolnose Info": the current turret's tool-nose record edited by hand; Save Tool shows
// it before writing a tool file.

#include <QDialog>

class QLabel;
class QLineEdit;

namespace vormak {

class Workbench;

class TToolNoseInfo : public QDialog {
  Q_OBJECT
 public:
  explicit TToolNoseInfo(Workbench& bench, QWidget* parent = nullptr);
  // Fills the edits from the current turret's record.
  void FormActivate();
  void OKClick();

  QLineEdit* centre_x;
  QLineEdit* centre_z;
  QLineEdit* radius;
  QLineEdit* width;
  QLineEdit* angle;
  QLineEdit* orientation;
  QLineEdit* comment;
  QLabel* file_label;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  Workbench& bench_;
};

}  // namespace vormak
