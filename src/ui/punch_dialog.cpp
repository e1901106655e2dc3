#include "ui/punch_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "dnc/port_setup.h"
#include "dnc/punch.h"
#include "dnc/tape_reader.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr int kProgressIntervalMs = 50;  // the progress line need not change faster than this

QString Text(const std::string& bytes) {
  return QString::fromLatin1(bytes.data(), bytes.size());
}

}  // namespace

Tpunch_d::Tpunch_d(Workbench& bench, QWidget* parent) : QDialog(parent), bench_(bench) {
  setObjectName("Tpunch_d");
  setWindowTitle(kPunchCaption);
  auto* layout = new QVBoxLayout(this);

  auto* buttons = new QHBoxLayout;
  auto add_button = [&](const char* caption, auto handler) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(caption);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, handler);
    buttons->addWidget(b);
  };
  add_button("&Punch", [this] { PunchClick(); });
  add_button("Punch W/&O ()", [this] { PunchWithoutCommentsClick(); });
  add_button("&Read", [this] { ReadClick(); });
  add_button("Clear", [this] { ClearClick(); });
  layout->addLayout(buttons);

  auto* boxes = new QHBoxLayout;
  auto add_box = [&](const char* caption) {
    auto* box = new QCheckBox(caption, this);
    box->setObjectName(caption);
    connect(box, &QCheckBox::toggled, this, [this, caption](bool on) { BoxToggled(caption, on); });
    boxes->addWidget(box);
    return box;
  };
  rts_ = add_box("RTS");
  dtr_ = add_box("DTR");
  break_ = add_box("BREAK");
  xon_ = add_box("XON");
  boxes->addStretch();
  layout->addLayout(boxes);

  messages_ = new QListWidget(this);
  messages_->setUniformItemSizes(true);  // long logs stay cheap to show
  layout->addWidget(messages_, 1);
  status_ = new QLabel(this);
  layout->addWidget(status_);
  progress_ = new QLabel(this);
  layout->addWidget(progress_);
  layout->addWidget(new QLabel("Press Esc to Abort", this));

  auto* closing = new QHBoxLayout;
  closing->addStretch();
  auto* close = new QPushButton("Close", this);
  close->setObjectName("Close");
  connect(close, &QPushButton::clicked, this, [this] {
    ClosePort(false);
    accept();
  });
  auto* purge = new QPushButton("Purge && Close", this);
  purge->setObjectName("Purge && Close");
  connect(purge, &QPushButton::clicked, this, [this] {
    ClosePort(true);
    accept();
  });
  closing->addWidget(purge);
  closing->addWidget(close);
  layout->addLayout(closing);
  resize(460, 380);

  // Line events come from the port's watcher thread: they run here, on the window's thread,
  // between other events (or inside a transfer's polling for Escape).
  QPointer<Tpunch_d> self(this);
  port_.SetDispatcher([self](std::function<void()> task) {
    if (self) QMetaObject::invokeMethod(self.data(), std::move(task), Qt::QueuedConnection);
  });
  port_.SetEventHandlers(LoggingHandlers(port_, *this, [this](int waiting) {
    if (!session_ || session_->OnReceived(waiting)) return;
    ClosePort(false);  // Escape while receiving
    accept();
  }));
}

Tpunch_d::~Tpunch_d() {
  port_.Close();
}

QCheckBox* Tpunch_d::Box(const char* caption) const {
  return findChild<QCheckBox*>(caption);
}

QPushButton* Tpunch_d::Button(const char* caption) const {
  return findChild<QPushButton*>(caption);
}

TapeCode Tpunch_d::Code() const {
  return TapeCodeFromPunchType(bench_.settings.punch_type);
}

void Tpunch_d::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!port_.IsOpen()) OpenPort();
}

void Tpunch_d::OpenPort() {
  session_.reset();
  progress_->clear();
  try {
    ConfigurePort(port_, bench_.settings);
    port_.Open();
    Log(kDeviceReady + port_.DeviceName());
  } catch (const ECommError& e) {
    Log(e.what());
    ShowError(e.what());
    status_->setText(Text(PortStatusLine(port_, Code())));
    return;
  }
  try {
    const HandshakeBoxes boxes = ApplyHandshake(port_, bench_.settings.comm_handshake);
    SetBoxes(boxes.rts, boxes.dtr, boxes.xon);
  } catch (const ECommError& e) {
    Log(e.what());
  }
  status_->setText(Text(PortStatusLine(port_, Code())));
}

void Tpunch_d::ClosePort(bool purge_input) {
  session_.reset();
  if (!port_.IsOpen()) return;
  try {
    if (purge_input) port_.PurgeIn();
  } catch (const ECommError& e) {
    ShowError(e.what());
  }
  port_.Close();
}

void Tpunch_d::done(int result) {
  if (busy_) return;  // a transfer is running: Escape stops it instead
  ClosePort(false);
  QDialog::done(result);
}

void Tpunch_d::reject() {
  if (!busy_) QDialog::reject();
}

void Tpunch_d::PunchClick() {
  RunPunch(false);
}

void Tpunch_d::PunchWithoutCommentsClick() {
  RunPunch(true);
}

void Tpunch_d::RunPunch(bool without_comments) {
  if (busy_) return;
  if (!port_.IsOpen()) {
    ShowError(ECommError(kCommNotOpen, -1).what());
    return;
  }
  session_.reset();
  busy_ = true;
  SetButtonsEnabled(false);
  const PunchJob job = PunchJobFromSettings(bench_.settings, without_comments);
  const PunchResult result = Punch(bench_, bench_.active_pane, port_, job, *this);
  busy_ = false;
  SetButtonsEnabled(true);
  if (result.outcome == PunchOutcome::kFailed) ShowError(result.error);
  if (result.outcome == PunchOutcome::kTitleAborted) {
    ClosePort(false);
    accept();
  }
}

void Tpunch_d::ReadClick() {
  if (busy_) return;
  session_ = std::make_unique<ReadSession>(bench_, bench_.active_pane, port_, Code(),
                                           bench_.settings.comm_port,
                                           static_cast<TransferObserver&>(*this));
  try {
    if (!port_.IsOpen()) throw ECommError(kCommNotOpen, -1);
    session_->Start();
    SetBoxes(true, true, true);
  } catch (const ECommError& e) {
    session_.reset();
    ShowError(e.what());
  }
}

void Tpunch_d::ClearClick() {
  messages_->clear();
}

void Tpunch_d::Log(const std::string& text) {
  messages_->addItem(Text(text));
  messages_->scrollToBottom();
}

void Tpunch_d::Progress(int line, int count) {
  if (progress_clock_.isValid() && progress_clock_.elapsed() < kProgressIntervalMs &&
      line != count) {
    return;
  }
  progress_clock_.restart();
  progress_->setText(count > 0 ? QString("line %1 of %2").arg(line).arg(count)
                               : QString("line %1").arg(line));
}

void Tpunch_d::ShowError(const std::string& text) {
  bench_.host().Information(kAsyncError + text, kPunchCaption);
}

void Tpunch_d::BoxToggled(const char* caption, bool on) {
  const std::string name = caption;
  try {
    if (name == "RTS") port_.SetRTS(on);
    if (name == "DTR") port_.SetDTR(on);
    if (name == "BREAK") port_.SetBreak(on);
    if (name == "XON") port_.SetXonXoff(on);
  } catch (const ECommError& e) {
    ShowError(e.what());
  }
}

void Tpunch_d::SetBoxes(bool rts, bool dtr, bool xon) {
  const QSignalBlocker b1(rts_), b2(dtr_), b3(xon_);
  rts_->setChecked(rts);
  dtr_->setChecked(dtr);
  xon_->setChecked(xon);
}

void Tpunch_d::SetButtonsEnabled(bool on) {
  for (QPushButton* b : findChildren<QPushButton*>()) b->setEnabled(on);
  for (QCheckBox* b : {rts_, dtr_, break_, xon_}) b->setEnabled(on);
}

QAction* AddPunchReadItem(QMenu* menu, Workbench& bench, QWidget* parent) {
  QAction* item = nullptr;
  for (QAction* a : menu->actions()) {
    if (a->text() == "P&unch/Read") item = a;
  }
  if (!item) item = menu->addAction("P&unch/Read");
  item->setEnabled(true);
  QPointer<Tpunch_d> dialog;
  QObject::connect(item, &QAction::triggered, parent, [&bench, parent, dialog]() mutable {
    if (!dialog) dialog = new Tpunch_d(bench, parent);
    dialog->exec();
  });
  return item;
}

}  // namespace vormak
