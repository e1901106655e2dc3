#include "ui/sequence_toolbar.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QToolBar>
#include <QToolButton>

#include "cam/tool_preview.h"
#include "ui/raster_canvas.h"
#include "ui/toolbar_layout.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr int kPictureSize = 160;

QString Latin1Text(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

SequenceToolbar::SequenceToolbar(Workbench& bench, QMainWindow* window)
    : QObject(window),
      bench_(bench),
      bar_(new QToolBar("Sequence", window)),
      picture_window_(new QWidget(window, Qt::ToolTip | Qt::FramelessWindowHint)),
      picture_(new QLabel(picture_window_)) {
  bar_->setObjectName("Sequence");
  // The right-hand panel: the tool pictures open beside it.
  window->addToolBar(Qt::RightToolBarArea, bar_);
  QAction* seq = bar_->addAction(ToolbarGlyph("Seq"), "Seq");
  seq->setToolTip("Seq");
  connect(seq, &QAction::triggered, this, [this] { SeqClick(); });
  for (int n = 1; n <= kToolListButtons; ++n) {
    auto* button = new QToolButton(bar_);
    button->setObjectName(QString("SeqButton%1").arg(n));
    button->setAutoRaise(true);
    button->setMinimumWidth(22);
    button->installEventFilter(this);
    connect(button, &QToolButton::clicked, this, [this, n] { NumberClick(n); });
    bar_->addWidget(button);
    buttons_[static_cast<size_t>(n - 1)] = button;
  }
  QAction* up = bar_->addAction(ToolbarGlyph("Up"), "Up");
  up->setToolTip("Up");
  connect(up, &QAction::triggered, this, [this] { Page(-1); });
  QAction* down = bar_->addAction(ToolbarGlyph("Down"), "Down");
  down->setToolTip("Down");
  connect(down, &QAction::triggered, this, [this] { Page(1); });
  auto* layout = new QHBoxLayout(picture_window_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(picture_);
  picture_window_->hide();
}

void SequenceToolbar::Label() {
  for (int n = 1; n <= kToolListButtons; ++n) {
    QToolButton* button = Button(n);
    const size_t index = static_cast<size_t>(first_ + n - 1);
    const bool used = index < entries_.size();
    button->setText(used ? QString::number(first_ + n) : QString());
    button->setToolTip(used ? Latin1Text(entries_[index].hint) : QString());
  }
}

void SequenceToolbar::SeqClick() {
  entries_.clear();
  first_ = 0;
  Label();
  if (picture_window_->isVisible()) {
    picture_window_->hide();
    return;
  }
  entries_ = BuildToolList(bench_);
  Label();
}

void SequenceToolbar::NumberClick(int n) {
  const size_t index = static_cast<size_t>(first_ + n - 1);
  if (index < entries_.size()) GoToToolLine(bench_, entries_[index]);
}

void SequenceToolbar::Page(int step) {
  const int last = std::max(0, static_cast<int>(entries_.size()) - kToolListButtons);
  first_ = std::clamp(first_ + step, 0, last);
  Label();
}

void SequenceToolbar::ShowPicture(int n) {
  picture_window_->hide();
  const size_t index = static_cast<size_t>(first_ + n - 1);
  if (index >= entries_.size()) return;
  const std::string name = ToolPictureName(bench_, entries_[index].text);
  if (name.empty()) return;
  RasterCanvas canvas(kPictureSize, kPictureSize);
  ToolFileContents tool;
  if (!DrawToolPicture(bench_, name, canvas, tool)) return;
  picture_->setPixmap(QPixmap::fromImage(canvas.Image()));
  picture_window_->adjustSize();
  // Left of the right-hand toolbar panel, bottoms level.
  const QPoint panel_bottom_left = bar_->mapToGlobal(QPoint(0, bar_->height()));
  picture_window_->move(panel_bottom_left.x() - picture_window_->width(),
                        panel_bottom_left.y() - picture_window_->height());
  picture_window_->show();
}

bool SequenceToolbar::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Enter || event->type() == QEvent::Leave) {
    for (int n = 1; n <= kToolListButtons; ++n) {
      if (watched != Button(n)) continue;
      if (event->type() == QEvent::Enter) {
        ShowPicture(n);
      } else {
        picture_window_->hide();
      }
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace vormak
