#pragma once
// The plot window of the main window. For now it paints the background of the machine's colour
// scheme; the raster plot widget takes its place.

#include <QColor>
#include <QWidget>

namespace vormak {

// Background of the plot window for a BackGroundColor value: 0 black, 1 white, 2 dark blue,
// 3 grey; anything else black.
QColor PlotBackgroundColor(int scheme);

class PlotArea : public QWidget {
  Q_OBJECT
 public:
  explicit PlotArea(QWidget* parent = nullptr);
  void SetBackgroundScheme(int scheme);
  int BackgroundScheme() const { return scheme_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int scheme_ = 0;
};

}  // namespace vormak
