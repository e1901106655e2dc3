#pragma once
// Small pictures on the calculator's pages that show which letter is which: the right triangle
// and the drill point.

#include <QWidget>

namespace vormak {

class TriangleSketch : public QWidget {
 public:
  explicit TriangleSketch(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

class DrillPointSketch : public QWidget {
 public:
  explicit DrillPointSketch(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace vormak
