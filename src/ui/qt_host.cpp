#include "ui/qt_host.h"

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProcess>
#include <QStringList>
#include <QUrl>
#include <cstdio>

#include "ui/file_dialog_layout.h"
#include "ui/help_browser.h"
#include "ui/help_topics.h"

namespace vormak {
namespace {

// Input is polled at most this often; between polls the flags answer.
constexpr qint64 kPollIntervalMs = 30;

QString Latin1(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string Bytes(const QString& text) {
  return text.toLatin1().toStdString();
}

// "*.INI" also offers "*.ini"; "*.*" becomes "*".
QString QtPatterns(const QString& windows_patterns) {
  QStringList out;
  for (QString pattern : windows_patterns.split(';', Qt::SkipEmptyParts)) {
    pattern = pattern.trimmed();
    if (pattern == "*.*") pattern = "*";
    if (!out.contains(pattern)) out << pattern;
    for (const QString& other : {pattern.toLower(), pattern.toUpper()}) {
      if (!out.contains(other)) out << other;
    }
  }
  return out.join(' ');
}

}  // namespace

QString QtFileFilter(const std::string& filter) {
  const QStringList parts = Latin1(filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i];
    const qsizetype paren = description.indexOf('(');
    if (paren >= 0) description = description.left(paren).trimmed();
    filters << QString("%1 (%2)").arg(description, QtPatterns(parts[i + 1]));
  }
  if (filters.isEmpty() && !filter.empty()) filters << Latin1(filter);
  return filters.join(";;");
}

QtHost::QtHost(QObject* parent) : QObject(parent) {
  clock_.start();
  last_poll_.start();
  qApp->installEventFilter(this);
  // Input left over from one command must not stop the next: whenever the event loop goes
  // idle no long loop is running, so pending presses are forgotten.
  if (auto* dispatcher = QAbstractEventDispatcher::instance()) {
    connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [this] {
      escape_ = false;
      right_button_ = false;
    });
  }
}

QtHost::~QtHost() {
  if (qApp != nullptr) qApp->removeEventFilter(this);
}

void QtHost::SetMainWindow(QWidget* window) {
  window_ = window;
}

void QtHost::SetPanels(QLabel* command, QLabel* prompt) {
  command_ = command;
  prompt_ = prompt;
}

Answer QtHost::Warning(const std::string& text, const std::string& caption) {
  if (non_interactive_) {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    return Answer::kOk;
  }
  const auto button = QMessageBox::warning(window_, Latin1(caption), Latin1(text),
                                           QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
  return button == QMessageBox::Ok ? Answer::kOk : Answer::kCancel;
}

void QtHost::Information(const std::string& text, const std::string& caption) {
  if (non_interactive_) {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    return;
  }
  QMessageBox::information(window_, Latin1(caption), Latin1(text));
}

Answer QtHost::Question(const std::string& text, const std::string& caption, bool cancel_button) {
  if (non_interactive_) {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    return Answer::kNo;
  }
  QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
  if (cancel_button) buttons |= QMessageBox::Cancel;
  const auto button =
      QMessageBox::question(window_, Latin1(caption), Latin1(text), buttons, QMessageBox::Yes);
  if (button == QMessageBox::Yes) return Answer::kYes;
  if (button == QMessageBox::No) return Answer::kNo;
  return Answer::kCancel;
}

std::optional<std::string> QtHost::RunFileDialog(const FileDialogRequest& request, bool save) {
  if (file_dialog_script_) return file_dialog_script_(request, save);
  if (non_interactive_) return std::nullopt;
  QFileDialog dialog(window_, Latin1(request.caption), Latin1(request.initial_dir),
                     QtFileFilter(request.filter));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  FitFileDialogColumns(dialog);
  if (!request.default_ext.empty()) dialog.setDefaultSuffix(Latin1(request.default_ext));
  if (!request.file_name.empty()) dialog.selectFile(Latin1(request.file_name));
  const QStringList filters = dialog.nameFilters();
  if (request.filter_index >= 1 && request.filter_index <= filters.size()) {
    dialog.selectNameFilter(filters[request.filter_index - 1]);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  if (request.chosen_filter != nullptr) {
    *request.chosen_filter = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
  }
  return Bytes(QDir::toNativeSeparators(dialog.selectedFiles().first()));
}

std::optional<std::string> QtHost::OpenFileDialog(const FileDialogRequest& request) {
  return RunFileDialog(request, false);
}

std::optional<std::string> QtHost::SaveFileDialog(const FileDialogRequest& request) {
  return RunFileDialog(request, true);
}

void QtHost::SetCommandPanel(const std::string& text) {
  if (command_) command_->setText(Latin1(text));
}

void QtHost::SetPromptPanel(const std::string& text) {
  if (!prompt_) return;
  prompt_->setText(Latin1(text));
  prompt_->setToolTip(Latin1(text));
}

void QtHost::Beep() {
  QApplication::beep();
}

std::string QtHost::ClipboardText() {
  return Bytes(QApplication::clipboard()->text());
}

void QtHost::SetClipboardText(const std::string& text) {
  QApplication::clipboard()->setText(Latin1(text));
}

void QtHost::PollEvents() {
  if (last_poll_.elapsed() < kPollIntervalMs) return;
  // The window repaints and Escape or a right-button release is noted, but nothing typed or
  // clicked reaches the panes or the menus while a command is still working on the text.
  polling_ = true;
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  polling_ = false;
  last_poll_.restart();
}

bool QtHost::EscapePending() {
  PollEvents();
  const bool pending = escape_;
  escape_ = false;
  return pending;
}

bool QtHost::RightButtonPending() {
  PollEvents();
  return right_button_;
}

bool QtHost::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    // F1 in a dialog opens its help; in the main window it stays Zoom Window.
    auto* key_widget = qobject_cast<QWidget*>(watched);
    if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 && !polling_ && key_widget != nullptr &&
        qobject_cast<QDialog*>(key_widget->window()) != nullptr) {
      DialogHelp(key_widget->window());
      return true;
    }
    if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
      escape_ = true;
      auto* widget = qobject_cast<QWidget*>(watched);
      if (!polling_ && idle_escape_ && widget != nullptr && window_ != nullptr &&
          widget->window() == window_) {
        idle_escape_();
      }
    }
  } else if (event->type() == QEvent::MouseButtonRelease) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton && widget != nullptr &&
        window_ != nullptr && widget->window() == window_) {
      right_button_ = true;
    }
  }
  if (polling_) {
    switch (event->type()) {
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::ShortcutOverride:
      case QEvent::Shortcut:
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::Wheel:
      case QEvent::Drop:
      case QEvent::InputMethod:
        return true;
      case QEvent::Close:
        event->ignore();
        return true;
      default:
        break;
    }
  }
  return QObject::eventFilter(watched, event);
}

std::string QtHost::DateText() {
  return Bytes(QDate::currentDate().toString("MM/dd/yyyy"));
}

std::string QtHost::TimeText() {
  return Bytes(QTime::currentTime().toString("hh:mm:ss"));
}

long long QtHost::TickMilliseconds() {
  return clock_.elapsed();
}

bool QtHost::StartProgram(const std::string& command_line) {
  QStringList words = QProcess::splitCommand(Latin1(command_line));
  if (words.isEmpty()) return false;
  const QString program = words.takeFirst();
  return QProcess::startDetached(program, words);
}

QString QtHost::HelpDir() const {
  return QDir(Latin1(install_dir_)).filePath("help");
}

QString QtHost::HelpUrl(const std::string& help_file, const std::string& topic) const {
  const HelpPlace place = HelpPlaceOf(help_file, topic);
  QUrl url = QUrl::fromLocalFile(QDir(HelpDir()).filePath(Latin1(place.page)));
  if (!place.anchor.empty()) url.setFragment(Latin1(place.anchor));
  return url.toString();
}

void QtHost::OpenHelp(const std::string& help_file, const std::string& topic) {
  // The pages open in the program's own window: no desktop browser is needed, and the topic
  // is shown even where none is installed.
  if (!help_browser_) help_browser_ = new THelpBrowser(HelpDir(), window_);
  const HelpPlace place = HelpPlaceOf(help_file, topic);
  help_browser_->ShowPage(Latin1(place.page), Latin1(place.anchor));
}

THelpBrowser* QtHost::HelpBrowser() const {
  return help_browser_;
}

void QtHost::DialogHelp(QWidget* dialog) {
  // A dialog's own Help button knows its topic best (the Configuration dialog's depends on
  // the page in front).
  for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
    if (button->text().remove('&') == "Help" && button->isVisible() && button->isEnabled()) {
      button->click();
      return;
    }
  }
  const std::string topic = DialogHelpTopic(Bytes(dialog->windowTitle()));
  OpenHelp("vormak2.hlp", topic.empty() ? "IDH_CONTENTS" : topic);
}

bool QtHost::AskForm(FormRequest& form) {
  if (form_script_) return form_script_(form);
  if (non_interactive_) return Host::AskForm(form);
  return RunFormDialog(form, window_);
}

}  // namespace vormak
