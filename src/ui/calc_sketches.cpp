#include "ui/calc_sketches.h"

#include <QPainter>
#include <QPainterPath>

namespace vormak {

namespace {

constexpr int kWidth = 170;
constexpr int kHeight = 130;

void Prepare(QPainter& p, QWidget* w) {
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(w->rect(), w->palette().window());
  p.setPen(QPen(w->palette().windowText().color(), 1.5));
}

}  // namespace

TriangleSketch::TriangleSketch(QWidget* parent) : QWidget(parent) {
  setFixedSize(kWidth, kHeight);
}

void TriangleSketch::paintEvent(QPaintEvent*) {
  QPainter p(this);
  Prepare(p, this);
  // Angle W at the left between the hypotenuse H and the adjacent side A; the right angle at
  // the bottom right, opposite side O standing up.
  const QPointF w(15, 110), right(140, 110), top(140, 20);
  p.drawPolygon(QPolygonF({w, right, top}));
  p.drawRect(QRectF(right.x() - 10, right.y() - 10, 10, 10));
  p.drawArc(QRectF(w.x() - 30, w.y() - 30, 60, 60), 0, 36 * 16);
  p.drawText(QPointF(62, 58), "H");
  p.drawText(QPointF(146, 70), "O");
  p.drawText(QPointF(74, 126), "A");
  p.drawText(QPointF(48, 104), "W");
}

DrillPointSketch::DrillPointSketch(QWidget* parent) : QWidget(parent) {
  setFixedSize(kWidth, kHeight);
}

void DrillPointSketch::paintEvent(QPaintEvent*) {
  QPainter p(this);
  Prepare(p, this);
  // The drill seen from the side, point down: the corner depth C to the end of the full
  // diameter D, the point depth P to the tip, W the included angle of the point.
  const double left = 50, right = 110, corner = 80, tip = 112, top = 10;
  QPainterPath body;
  body.moveTo(left, top);
  body.lineTo(left, corner);
  body.lineTo((left + right) / 2, tip);
  body.lineTo(right, corner);
  body.lineTo(right, top);
  p.drawPath(body);
  QPen thin = p.pen();
  thin.setWidthF(0.8);
  thin.setStyle(Qt::DashLine);
  p.setPen(thin);
  p.drawLine(QPointF(left - 5, top), QPointF(5, top));
  p.drawLine(QPointF(left - 5, corner), QPointF(25, corner));
  p.drawLine(QPointF((left + right) / 2 - 5, tip), QPointF(5, tip));
  p.drawLine(QPointF(left, 122), QPointF(right, 122));
  thin.setStyle(Qt::SolidLine);
  p.setPen(thin);
  // The two depths measured from the same face: to the corner, and on to the tip.
  p.drawLine(QPointF(30, top), QPointF(30, corner));
  p.drawLine(QPointF(10, top), QPointF(10, tip));
  p.drawText(QPointF(33, (top + corner) / 2), "C");
  p.drawText(QPointF(13, (corner + tip) / 2 + 4), "P");
  p.drawText(QPointF(right + 4, 126), "D");
  p.drawText(QPointF((left + right) / 2 - 5, corner + 8), "W");
}

}  // namespace vormak
