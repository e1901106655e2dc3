#include "ui/toolbox_window.h"

#include <QGridLayout>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>
#include <cerrno>

#include "cad/geometry_errors.h"
#include "ncfiles/toolbox_words.h"
#include "nctext/pane_services.h"
#include "script/script_interpreter.h"
#include "ui/keyboard_macro_actions.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr int kColumns = 4;
constexpr size_t kShortestHint = 6;

QString Latin1Text(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

Tinput_nc::Tinput_nc(Workbench& bench, Hooks hooks, QWidget* parent)
    : QDialog(parent), bench_(bench), hooks_(std::move(hooks)) {
  setObjectName("input_nc");
  setWindowTitle("ToolBox");
  auto* grid = new QGridLayout(this);
  for (int n = 1; n <= kToolBoxButtons; ++n) {
    auto* button = new QToolButton(this);
    button->setObjectName(QString("Tool%1").arg(n));
    button->setMinimumSize(48, 32);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->installEventFilter(this);
    connect(button, &QToolButton::clicked, this, [this, n] { ToolboxButtonClick(n); });
    buttons_[static_cast<size_t>(n - 1)] = button;
    grid->addWidget(button, (n - 1) / kColumns, (n - 1) % kColumns);
  }
  auto* help = new QPushButton("Help", this);
  connect(help, &QPushButton::clicked, this,
          [this] { bench_.host().OpenHelp("vormak2.hlp", "IDH_Toolbox"); });
  grid->addWidget(help, (kToolBoxButtons + kColumns - 1) / kColumns, 0, 1, kColumns);
  ApplySettings();
}

void Tinput_nc::ApplySettings() {
  for (int n = 1; n <= kToolBoxButtons; ++n) {
    const ToolBoxButton& setting = bench_.settings.toolbox[static_cast<size_t>(n - 1)];
    SetToolboxBitmap(n, setting.bitmap);
    SetToolboxCaption(n, setting.command);
  }
}

void Tinput_nc::SetToolboxBitmap(int n, const std::string& file) {
  QToolButton* button = Button(n);
  button->setIcon(QIcon());
  button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  if (file.empty()) return;
  std::string path = file;
  if (path.find('.') == std::string::npos) path += ".bmp";
  if (path.find('\\') == std::string::npos && path.find('/') == std::string::npos) {
    path = bench_.locations.install_dir + "/" + path;
  }
  QPixmap picture;
  if (!picture.load(Latin1Text(path))) {
    ReportSystemFileError(bench_.host(), ENOENT);
    return;
  }
  button->setIcon(QIcon(picture));
  button->setIconSize(picture.size());
  button->setToolButtonStyle(Qt::ToolButtonIconOnly);
}

void Tinput_nc::SetToolboxCaption(int n, const std::string& command) {
  QToolButton* button = Button(n);
  // Short commands stand on the button; the hint is for the long ones.
  button->setToolTip(command.size() >= kShortestHint ? Latin1Text(command) : QString());
  button->setText(button->icon().isNull() ? Latin1Text(command) : QString());
}

void Tinput_nc::ToolboxButtonClick(int n) {
  const int pane = bench_.active_pane == 2 ? 2 : 1;
  FocusPane(bench_, pane);
  const std::string& command = bench_.settings.toolbox[static_cast<size_t>(n - 1)].command;
  const std::string rest = command.empty() ? std::string() : command.substr(1);
  switch (ToolboxKindOf(command)) {
    case ToolboxKind::kNone:
      return;
    case ToolboxKind::kMacro:
      if (hooks_.macros != nullptr) hooks_.macros->PlayStored(rest);
      return;
    case ToolboxKind::kScriptLine:
      ExecuteScriptLine(bench_, rest);
      return;
    case ToolboxKind::kScriptFile:
      if (hooks_.run_script) hooks_.run_script(rest);
      return;
    case ToolboxKind::kLiteral:
    case ToolboxKind::kWord:
      bench_.active_pane = pane;
      ApplyToolboxText(bench_, pane, CaretLine(bench_, pane), command);
      return;
  }
}

bool Tinput_nc::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
    if (hooks_.configure) hooks_.configure();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace vormak
