#pragma once
#include <QMainWindow>

namespace vormak {

class TMainForm : public QMainWindow {
  Q_OBJECT
 public:
  explicit TMainForm(QWidget* parent = nullptr);
};

}  // namespace vormak
