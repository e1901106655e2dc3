#pragma once
// The plot window: shows the raster canvas the engine draws on, keeps the view's scales with
// the window's size, and turns the mouse into zoom boxes, pans, rotations and picks.

#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>

#include "plot/plot_cad_view.h"
#include "ui/raster_canvas.h"

namespace vormak {

class Workbench;

// Where the plot window's left-button picks go while no zoom box or drag is in progress.
class PlotPickTarget {
 public:
  virtual ~PlotPickTarget() = default;
  // A click at a pixel; false when no command waits for one.
  virtual bool Pick(PixelPoint at) = 0;
  // Whether the next drag draws a window to pick inside.
  virtual bool WantsWindow() const = 0;
  virtual bool Window(PixelPoint corner1, PixelPoint corner2) = 0;
  // Escape in the plot window.
  virtual void Escape() = 0;
  // Whether a command waits for picks: Shift+drag then picks instead of panning, and the
  // mouse does not point at the program.
  virtual bool Waiting() const { return false; }
  // A command whose tool follows the mouse while the left button is held takes its pick
  // when the button is let go: Follow shows it at each point on the way, EndFollow takes the
  // following picture away.
  virtual bool Follow(PixelPoint at) { return false; }
  virtual void EndFollow() {}
};

// The running CAD or CAM command of the workbench.
class CadPickTarget : public PlotPickTarget {
 public:
  CadPickTarget(Workbench& bench, CadView& view) : bench_(bench), view_(view) {}
  bool Pick(PixelPoint at) override;
  bool WantsWindow() const override;
  bool Window(PixelPoint corner1, PixelPoint corner2) override;
  void Escape() override;
  bool Waiting() const override;
  bool Follow(PixelPoint at) override;
  void EndFollow() override;

 private:
  Workbench& bench_;
  CadView& view_;
};

class PlotWidget : public QWidget {
  Q_OBJECT
 public:
  // Draws the workbench's plot on its own canvas from now on; whoever outlives the other
  // clears `bench.plot.canvas` when the widget goes first.
  explicit PlotWidget(Workbench& bench, QWidget* parent = nullptr);
  ~PlotWidget() override;

  RasterCanvas& canvas() { return canvas_; }
  CadView& cad_view() { return cad_view_; }
  // nullptr restores the workbench's CAD commands as the target.
  void SetPickTarget(PlotPickTarget* target);

  // Commands of the View menu and the View, Zoom and Screen toolbars.
  void StartZoomWindow();
  bool ZoomWindowActive() const { return zoom_window_; }
  void ZoomAll();
  void ZoomLast();
  void ZoomHalf();
  void RedrawPlot();
  void Axis();
  void SelectView(int slot);
  void SetBlackBackground();
  void SetWhiteBackground();
  // BackGroundColor of the machine settings: 0 black, 1 white, 2 dark blue, 3 silver.
  void SetBackgroundScheme(int scheme);
  bool SaveScreenView(const QString& slot_name);
  bool LoadScreenView(const QString& slot_name);

 signals:
  // The current view slot changed (the View toolbar follows).
  void ViewSelected(int slot);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  // Double click on a drawn move: its line is marked in the editor.
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  // The wheel zooms about the cursor.
  void wheelEvent(QWheelEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  enum class Drag { kNone, kBand, kPan, kRotate, kFollow };
  void DrawBand();  // XOR: drawing it twice takes it away
  void EndBand();
  void Refresh();
  // The move the mouse rests on: its line and end point in the prompt panel.
  void ShowHover();
  void ForgetHover();

  Workbench& bench_;
  RasterCanvas canvas_;
  PlotCadView cad_view_;
  CadPickTarget cad_target_;
  PlotPickTarget* target_ = nullptr;
  bool zoom_window_ = false;
  Drag drag_ = Drag::kNone;
  Qt::MouseButton drag_button_ = Qt::NoButton;
  PixelPoint anchor_;
  PixelPoint last_;
  QTimer hover_timer_;
  PixelPoint hover_at_;
  bool hover_shown_ = false;
};

}  // namespace vormak
