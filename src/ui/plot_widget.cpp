#include "ui/plot_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

#include "cad/cad_session.h"
#include "cam/cam_commands.h"
#include "nctext/status_services.h"
#include "plot/backplot_pointer.h"
#include "plot/plot_window.h"
#include "plot/screen_views.h"
#include "plot/tool_picture.h"
#include "ui/gif_picture.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

// A notch of the wheel shows a fifth less (or a quarter more) of the part.
constexpr double kWheelStep = 0.8;
constexpr int kNotch = 120;
constexpr int kHoverRestMs = 150;

PixelPoint PixelOf(const QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  return {p.x(), p.y()};
}

}  // namespace

bool CadPickTarget::Pick(PixelPoint at) {
  return CadPick(bench_, view_, at);
}

bool CadPickTarget::WantsWindow() const {
  return bench_.cad.commands.Running() && bench_.cad.pick_mode == PickMode::kInsideWindow;
}

bool CadPickTarget::Window(PixelPoint corner1, PixelPoint corner2) {
  return CadWindow(bench_, view_, corner1, corner2);
}

void CadPickTarget::Escape() {
  CadEscape(bench_);
}

bool CadPickTarget::Waiting() const {
  return bench_.cad.commands.Running();
}

bool CadPickTarget::Follow(PixelPoint at) {
  return FollowDraggedTool(bench_, view_, at);
}

void CadPickTarget::EndFollow() {
  EndFollowingPicture(bench_);
}

PlotWidget::PlotWidget(Workbench& bench, QWidget* parent)
    : QWidget(parent),
      bench_(bench),
      canvas_(std::max(width(), 1), std::max(height(), 1)),
      cad_view_(bench),
      cad_target_(bench, cad_view_) {
  setObjectName("PaintBox1");
  setMinimumSize(100, 100);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setFocusPolicy(Qt::ClickFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  hover_timer_.setSingleShot(true);
  hover_timer_.setInterval(kHoverRestMs);
  connect(&hover_timer_, &QTimer::timeout, this, [this] { ShowHover(); });
  target_ = &cad_target_;
  bench_.plot.canvas = &canvas_;
  bench_.plot.background = BackgroundOfScheme(bench_.settings.background_color);
  ResizePlotWindow(bench_, canvas_.Width(), canvas_.Height());
  ClearPlotWindow(bench_.plot);
}

// The workbench may already be gone (a window owning both destroys its members before its
// child widgets), so the owner, not this destructor, takes the canvas back from it.
PlotWidget::~PlotWidget() = default;

void PlotWidget::SetPickTarget(PlotPickTarget* target) {
  target_ = target ? target : &cad_target_;
}

void PlotWidget::Refresh() {
  update();
}

void PlotWidget::paintEvent(QPaintEvent*) {
  // A run paints its tools only where they can be seen: here, and where it ends. A redraw
  // after the run leaves them off, as it leaves off every tool picture.
  if (bench_.interp.run.running) ShowStandingPictures(bench_);
  QPainter painter(this);
  painter.drawImage(0, 0, canvas_.Image());
}

void PlotWidget::resizeEvent(QResizeEvent*) {
  if (drag_ == Drag::kBand) drag_ = Drag::kNone;  // the band went with the old picture
  canvas_.Resize(width(), height());
  ResizePlotWindow(bench_, width(), height());
  Redraw(bench_);
  Refresh();
}

void PlotWidget::StartZoomWindow() {
  zoom_window_ = true;
  ShowPrompt(bench_, "Zoom: Make box around area");
}

void PlotWidget::ZoomAll() {
  ZoomCommand(bench_, ZoomMode::kAll);
  Refresh();
}

void PlotWidget::ZoomLast() {
  ZoomCommand(bench_, ZoomMode::kLast);
  Refresh();
}

void PlotWidget::ZoomHalf() {
  ZoomCommand(bench_, ZoomMode::kHalf);
  Refresh();
}

void PlotWidget::RedrawPlot() {
  Redraw(bench_);
  Refresh();
}

void PlotWidget::Axis() {
  DrawAxis(bench_);
  Refresh();
}

void PlotWidget::SelectView(int slot) {
  vormak::SelectView(bench_, slot);
  emit ViewSelected(bench_.plot.current);
  Refresh();
}

void PlotWidget::SetBlackBackground() {
  SetBackground(bench_, false);
  Refresh();
}

void PlotWidget::SetWhiteBackground() {
  SetBackground(bench_, true);
  Refresh();
}

void PlotWidget::SetBackgroundScheme(int scheme) {
  bench_.plot.background = BackgroundOfScheme(scheme);
  Redraw(bench_);
  Refresh();
}

bool PlotWidget::SaveScreenView(const QString& slot_name) {
  const bool saved =
      vormak::SaveScreenView(bench_, slot_name.toStdString(), [this](const std::string& path) {
        return WriteGifPicture(canvas_.Image(), QString::fromStdString(path));
      });
  Refresh();
  return saved;
}

bool PlotWidget::LoadScreenView(const QString& slot_name) {
  const bool loaded =
      vormak::LoadScreenView(bench_, slot_name.toStdString(), [this](const std::string& path) {
        const QImage picture = ReadGifPicture(QString::fromStdString(path));
        if (picture.isNull()) return false;
        canvas_.DrawPicture(picture);
        return true;
      });
  Refresh();
  return loaded;
}

void PlotWidget::DrawBand() {
  const Pen kept = canvas_.CurrentPen();
  canvas_.SetPen({0xFFFFFF, PenStyle::kSolid, PenMode::kXor, 1});
  canvas_.Rectangle(std::min(anchor_.x, last_.x), std::min(anchor_.y, last_.y),
                    std::max(anchor_.x, last_.x), std::max(anchor_.y, last_.y));
  canvas_.SetPen(kept);
}

void PlotWidget::EndBand() {
  DrawBand();
  drag_ = Drag::kNone;
}

void PlotWidget::mousePressEvent(QMouseEvent* event) {
  ForgetHover();
  const PixelPoint at = PixelOf(event);
  if (event->button() == Qt::MiddleButton && drag_ == Drag::kNone) {
    anchor_ = last_ = at;
    drag_ = Drag::kPan;
    drag_button_ = Qt::MiddleButton;
    return;
  }
  if (event->button() != Qt::LeftButton || drag_ != Drag::kNone) {
    QWidget::mousePressEvent(event);
    return;
  }
  anchor_ = last_ = at;
  drag_button_ = Qt::LeftButton;
  if (zoom_window_ || target_->WantsWindow()) {
    drag_ = Drag::kBand;
    DrawBand();
    Refresh();
  } else if ((event->modifiers() & Qt::ControlModifier) ||
             ((event->modifiers() & Qt::ShiftModifier) && !target_->Waiting())) {
    drag_ = Drag::kPan;
  } else if (event->modifiers() & Qt::AltModifier) {
    drag_ = Drag::kRotate;
  } else if (target_->Follow(at)) {
    // Tool drag and Mouse tool: the tool goes with the mouse and stays where it is let go.
    drag_ = Drag::kFollow;
    Refresh();
  } else {
    target_->Pick(at);
    Refresh();
  }
}

void PlotWidget::mouseMoveEvent(QMouseEvent* event) {
  const PixelPoint now = PixelOf(event);
  switch (drag_) {
    case Drag::kBand:
      DrawBand();
      last_ = now;
      DrawBand();
      break;
    case Drag::kPan:
      PanCommand(bench_, last_, now);
      last_ = now;
      break;
    case Drag::kRotate:
      RotateCommand(bench_, last_, now);
      last_ = now;
      break;
    case Drag::kFollow:
      target_->Follow(now);
      last_ = now;
      break;
    case Drag::kNone:
      hover_at_ = now;
      hover_timer_.start();
      return;
  }
  Refresh();
}

void PlotWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != drag_button_ || drag_ == Drag::kNone) return;
  if (drag_ == Drag::kFollow) {
    drag_ = Drag::kNone;
    target_->EndFollow();
    target_->Pick(PixelOf(event));
    Refresh();
    return;
  }
  if (drag_ != Drag::kBand) {
    drag_ = Drag::kNone;
    return;
  }
  EndBand();
  last_ = PixelOf(event);
  if (zoom_window_) {
    zoom_window_ = false;
    ZoomWindowCommand(bench_, anchor_, last_);
  } else {
    target_->Window(anchor_, last_);
  }
  Refresh();
}

void PlotWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || target_->Waiting() || zoom_window_ ||
      bench_.interp.run.running) {
    QWidget::mouseDoubleClickEvent(event);
    return;
  }
  MarkLineOfMoveAt(bench_, PixelOf(event));
}

void PlotWidget::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  if (delta == 0 || drag_ != Drag::kNone || bench_.interp.run.running) {
    event->ignore();
    return;
  }
  ForgetHover();
  const QPoint p = event->position().toPoint();
  ZoomAboutCommand(bench_, {p.x(), p.y()},
                   std::pow(kWheelStep, static_cast<double>(delta) / kNotch));
  Refresh();
  event->accept();
}

void PlotWidget::leaveEvent(QEvent* event) {
  hover_timer_.stop();
  ForgetHover();
  QWidget::leaveEvent(event);
}

void PlotWidget::ShowHover() {
  if (drag_ != Drag::kNone || target_->Waiting() || zoom_window_ || bench_.interp.run.running) {
    return;
  }
  const std::string text = MoveTextAt(bench_, hover_at_);
  if (text.empty()) {
    ForgetHover();
    return;
  }
  ShowPrompt(bench_, text);
  hover_shown_ = true;
}

// The prompt said what the mouse rested on; it is not left standing when the mouse moves on.
void PlotWidget::ForgetHover() {
  if (!hover_shown_) return;
  hover_shown_ = false;
  ClearPrompt(bench_);
}

void PlotWidget::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Escape) {
    QWidget::keyPressEvent(event);
    return;
  }
  if (drag_ == Drag::kBand) EndBand();
  drag_ = Drag::kNone;
  zoom_window_ = false;
  target_->Escape();
  Refresh();
}

}  // namespace vormak
