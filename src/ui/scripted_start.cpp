#include "ui/scripted_start.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QToolBar>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <utility>

#include "ui/main_form.h"
#include "ui/plot_widget.h"
#include "workbench/workbench.h"

namespace vormak {
namespace {

void PrintError(const QString& text) {
  std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
  std::fflush(stderr);
}

QString CommandName(QString text) {
  text.remove('&');
  text = text.trimmed();
  while (text.endsWith('.')) text.chop(1);
  return text.trimmed();
}

// Menu items in menu order, then toolbar buttons in toolbar order, then whatever else the
// window holds, each once.
QList<QAction*> CommandsOf(QMainWindow* window) {
  QList<QAction*> commands;
  const auto add = [&commands](QAction* action) {
    if (action->menu() == nullptr && !action->isSeparator() && !commands.contains(action))
      commands << action;
  };
  std::function<void(const QList<QAction*>&)> walk = [&](const QList<QAction*>& actions) {
    for (QAction* action : actions) {
      if (action->menu() != nullptr) walk(action->menu()->actions());
      add(action);
    }
  };
  walk(window->menuBar()->actions());
  for (QToolBar* bar : window->findChildren<QToolBar*>()) {
    for (QAction* action : bar->actions()) add(action);
  }
  for (QAction* action : window->findChildren<QAction*>()) add(action);
  return commands;
}

// Answers every message box with its default button and prints what it said, as a
// programmer reading along would; any other modal dialog is cancelled, since nobody is there
// to fill it in.
class DialogAnswerer : public QObject {
 public:
  // `grab` is called once, with the first dialog shown that is not a message box, before it is
  // cancelled.
  explicit DialogAnswerer(std::function<void()> grab = {}) : grab_(std::move(grab)) {
    qApp->installEventFilter(this);
  }
  ~DialogAnswerer() override { qApp->removeEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Show) return false;
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (dialog == nullptr || !dialog->isModal()) return false;
    QPointer<QDialog> guarded(dialog);
    QTimer::singleShot(0, this, [this, guarded] {
      if (!guarded) return;
      if (grab_ && qobject_cast<QMessageBox*>(guarded.data()) == nullptr) {
        QApplication::processEvents();
        std::exchange(grab_, {})();
      }
      Answer(guarded);
    });
    return false;
  }

 private:
  std::function<void()> grab_;

  static void Answer(QDialog* dialog) {
    auto* box = qobject_cast<QMessageBox*>(dialog);
    if (box == nullptr) {
      PrintError(QString("vormak: dialog \"%1\" cancelled").arg(dialog->windowTitle()));
      dialog->reject();
      return;
    }
    QString text = box->text();
    text.replace("\r\n", "\n");
    PrintError(QString("%1: %2").arg(box->windowTitle(), text));
    if (QPushButton* button = box->defaultButton()) {
      button->click();
    } else {
      box->accept();
    }
  }
};

// The window grows or shrinks so that the plot window has `size`; the editor side keeps
// its width.
void SizePlotWindow(TMainForm& form, QSize size) {
  for (int attempt = 0; attempt < 4 && form.PaintBox1()->size() != size; ++attempt) {
    form.resize(form.size() + size - form.PaintBox1()->size());
    QApplication::processEvents();
  }
}

bool SavePicture(const QPixmap& picture, const QString& path) {
  if (picture.save(path, "PNG")) return true;
  PrintError(QString("vormak: cannot write %1").arg(path));
  return false;
}

std::optional<QSize> ParseSize(const QString& text) {
  static const QRegularExpression pattern("^(\\d{1,5})x(\\d{1,5})$");
  const auto match = pattern.match(text);
  if (!match.hasMatch()) return std::nullopt;
  const QSize size(match.captured(1).toInt(), match.captured(2).toInt());
  if (size.width() < 16 || size.height() < 16) return std::nullopt;
  return size;
}

// The main window with every tool window and dialog open beside it (the script window, the
// status window ...), each painted where it stands; the same off screen as on a display.
QPixmap ScreenPicture(QWidget& main) {
  QRect area = main.frameGeometry();
  const QWidgetList windows = QApplication::topLevelWidgets();
  for (QWidget* window : windows) {
    if (window->isVisible()) area = area.united(window->geometry());
  }
  QPixmap picture(area.size());
  picture.fill(Qt::darkGray);
  QPainter painter(&picture);
  painter.drawPixmap(main.geometry().topLeft() - area.topLeft(), main.grab());
  for (QWidget* window : windows) {
    if (window == &main || !window->isVisible()) continue;
    painter.drawPixmap(window->geometry().topLeft() - area.topLeft(), window->grab());
  }
  return picture;
}

}  // namespace

std::optional<StartOptions> ParseStartOptions(const QStringList& arguments, QString* error) {
  StartOptions options;
  bool have_argument = false;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& word = arguments[i];
    const bool takes_value = word == "--actions" || word == "--grab" || word == "--grab-window" ||
                             word == "--grab-screen" || word == "--grab-dialog" ||
                             word == "--open-menu" || word == "--size";
    if (takes_value && i + 1 >= arguments.size()) {
      *error = word + " needs a value";
      return std::nullopt;
    }
    if (word == "--check-start") {
      options.check_start = true;
    } else if (word == "--actions") {
      for (const QString& name : arguments[++i].split(';', Qt::SkipEmptyParts)) {
        if (!name.trimmed().isEmpty()) options.actions << name.trimmed();
      }
    } else if (word == "--grab") {
      options.grab = arguments[++i];
    } else if (word == "--grab-window") {
      options.grab_window = arguments[++i];
    } else if (word == "--grab-screen") {
      options.grab_screen = arguments[++i];
    } else if (word == "--grab-dialog") {
      options.grab_dialog = arguments[++i];
    } else if (word == "--open-menu") {
      options.open_menu = arguments[++i];
    } else if (word == "--size") {
      options.size = ParseSize(arguments[++i]);
      if (!options.size) {
        *error = "--size wants WIDTHxHEIGHT, such as 1600x1000, not " + arguments[i];
        return std::nullopt;
      }
    } else if (word.startsWith("--") || have_argument) {
      *error = "unknown option " + word;
      return std::nullopt;
    } else {
      options.argument = word.toLocal8Bit().toStdString();
      have_argument = true;
    }
  }
  return options;
}

bool WantsOffscreen(int argc, const char* const* argv) {
  if (std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr) return false;
  for (int i = 1; i < argc; ++i) {
    for (const char* option : {"--check-start", "--actions", "--grab", "--grab-window",
                               "--grab-screen", "--grab-dialog", "--open-menu"}) {
      if (std::strcmp(argv[i], option) == 0) return true;
    }
  }
  return false;
}

QAction* FindCommand(QMainWindow* window, const QString& name) {
  const QString wanted = CommandName(name);
  QAction* greyed = nullptr;
  for (QAction* action : CommandsOf(window)) {
    if (CommandName(action->text()) != wanted && CommandName(action->toolTip()) != wanted) continue;
    if (action->isEnabled()) return action;
    if (greyed == nullptr) greyed = action;
  }
  return greyed;
}

QAction* FindMenu(QMainWindow* window, const QString& name) {
  const QString wanted = CommandName(name);
  for (QAction* action : window->menuBar()->actions()) {
    if (action->menu() != nullptr && CommandName(action->text()) == wanted) return action;
  }
  return nullptr;
}

int RunScriptedStart(TMainForm& form, const std::string& program_path,
                     const StartOptions& options) {
  bool dialog_saved = options.grab_dialog.isEmpty();
  std::function<void()> grab_dialog;
  if (!options.grab_dialog.isEmpty()) {
    grab_dialog = [&form, &options, &dialog_saved] {
      dialog_saved = SavePicture(ScreenPicture(form), options.grab_dialog);
    };
  }
  DialogAnswerer answerer(grab_dialog);
  const bool started = form.Start(program_path, options.argument);
  form.show();
  QApplication::processEvents();
  QAction* menu = nullptr;
  if (!options.open_menu.isEmpty() && (menu = FindMenu(&form, options.open_menu)) == nullptr) {
    PrintError(QString("vormak: unknown menu \"%1\"").arg(options.open_menu));
    return 2;
  }
  QList<QAction*> commands;
  for (const QString& name : options.actions) {
    QAction* command = FindCommand(&form, name);
    if (command == nullptr) {
      PrintError(QString("vormak: unknown action \"%1\"").arg(name));
      return 2;
    }
    commands << command;
  }
  if (options.size) SizePlotWindow(form, *options.size);
  QApplication::processEvents();
  for (qsizetype i = 0; i < commands.size(); ++i) {
    QAction* command = commands[i];
    if (!command->isEnabled()) {
      PrintError(QString("vormak: action \"%1\" is not available").arg(options.actions[i]));
      continue;
    }
    command->trigger();
    // Runs poll the window while they go; the next command waits until this one has ended.
    while (form.bench().interp.run.running) QApplication::processEvents(QEventLoop::AllEvents, 20);
    QApplication::processEvents();
  }
  if (menu != nullptr) {
    // Left open as a click on the menu bar leaves it, so the screen picture shows its items.
    form.menuBar()->setActiveAction(menu);
    for (int i = 0; i < 5; ++i) QApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  bool saved = dialog_saved;
  if (!options.grab_dialog.isEmpty() && !dialog_saved)
    PrintError("vormak: no dialog opened for --grab-dialog");
  if (!options.grab.isEmpty()) saved &= SavePicture(form.PaintBox1()->grab(), options.grab);
  if (!options.grab_window.isEmpty()) saved &= SavePicture(form.grab(), options.grab_window);
  if (!options.grab_screen.isEmpty())
    saved &= SavePicture(ScreenPicture(form), options.grab_screen);
  return saved && started ? 0 : 1;
}

}  // namespace vormak
