#pragma once
// The plot canvas's colours and pen styles as Qt gives them, for the painters that draw a
// canvas on the screen and on paper.

#include <QColor>

#include "plot/canvas.h"

namespace vormak {

inline QColor ColourOf(unsigned rgb) {
  return QColor::fromRgb(static_cast<QRgb>(0xFF000000u | rgb));
}

inline Qt::PenStyle QtStyle(PenStyle style) {
  switch (style) {
    case PenStyle::kDot:
      return Qt::DotLine;
    case PenStyle::kDash:
      return Qt::DashLine;
    case PenStyle::kDashDot:
      return Qt::DashDotLine;
    case PenStyle::kDashDotDot:
      return Qt::DashDotDotLine;
    default:
      return Qt::SolidLine;
  }
}

}  // namespace vormak
