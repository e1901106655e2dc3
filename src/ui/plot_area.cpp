#include "ui/plot_area.h"

#include <QPainter>

namespace vormak {

QColor PlotBackgroundColor(int scheme) {
  switch (scheme) {
    case 1:
      return Qt::white;
    case 2:
      return QColor(0, 0, 64);
    case 3:
      return QColor(192, 192, 192);
    default:
      return Qt::black;
  }
}

PlotArea::PlotArea(QWidget* parent) : QWidget(parent) {
  setObjectName("PaintBox1");
  setMinimumSize(100, 100);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PlotArea::SetBackgroundScheme(int scheme) {
  scheme_ = scheme;
  update();
}

void PlotArea::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), PlotBackgroundColor(scheme_));
}

}  // namespace vormak
