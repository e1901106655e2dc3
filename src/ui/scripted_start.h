#pragma once
// A scripted start for checks and demos: "vormak [ARG] --actions "Reset NC;Plot Run" --grab
// OUT.png [--size WxH]" opens the window, gives it the named commands one after another as
// if clicked, answers every message box with its default button, saves the plot window as a
// picture and ends.

#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>

class QAction;
class QMainWindow;

namespace vormak {

class TMainForm;

struct StartOptions {
  std::string argument;  // machine, files: as the command line's one argument
  bool check_start = false;
  QStringList actions;        // menu captions or toolbar hints, in order
  QString grab;               // PNG of the plot window
  QString grab_window;        // PNG of the whole window
  QString grab_screen;        // PNG of every open window where it stands on the screen
  QString grab_dialog;        // PNG of the screen when the first dialog (not a message box) opens
  QString open_menu;          // a menu bar menu, by its caption without "&", left open for the grab
  std::optional<QSize> size;  // the plot window's size for the pictures
  bool Scripted() const {
    return !actions.isEmpty() || !grab.isEmpty() || !grab_window.isEmpty() ||
           !grab_screen.isEmpty() || !grab_dialog.isEmpty() || !open_menu.isEmpty();
  }
};

// The options after the program name (Qt's own already taken out); nothing, with `error`
// set, when they cannot be read.
std::optional<StartOptions> ParseStartOptions(const QStringList& arguments, QString* error);

// Whether the raw command line asks for a start that needs no screen of its own (a check or a
// scripted start): then, with no display, Qt draws off screen.
bool WantsOffscreen(int argc, const char* const* argv);

// The window's command called `name`: a menu item by its caption without "&" or a toolbar
// button by its hint, either with or without a trailing ".." or "...". An enabled command wins
// over a greyed one of the same name; null when there is none.
QAction* FindCommand(QMainWindow* window, const QString& name);

// Starts the window as TMainForm::Start does, runs the commands and gives the exit code: 0
// done, 1 a file named on the command line did not load, a picture could not be written or
// no dialog opened for --grab-dialog, 2 an unknown command or menu name (nothing is run then).
int RunScriptedStart(TMainForm& form, const std::string& program_path, const StartOptions& options);

}  // namespace vormak
