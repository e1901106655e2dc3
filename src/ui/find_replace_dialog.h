#pragma once
// The Edit menu's Find/Replace dialog, working on whichever pane is active when a button is
// pressed.

#include <QDialog>
#include <functional>
#include <string>

#include "nctext/edit_control.h"

class QCheckBox;
class QLineEdit;

namespace vormak {

class EditControl;
class Host;

class TFindReplace : public QDialog {
  Q_OBJECT
 public:
  // `pane` answers the pane the search runs in (the active pane).
  TFindReplace(Host& host, std::function<EditControl*()> pane, QWidget* parent = nullptr);

  // Searches forward from the caret for the last search text; false (with a beep and a
  // message) when it is not found or nothing was searched yet.
  bool FindAgain();
  bool ReplaceCurrent();
  int ReplaceAll();

  QLineEdit* find_edit() const { return find_; }
  QLineEdit* replace_edit() const { return replace_; }

 private:
  FindOptions Options() const;
  bool SelectionMatches(EditControl& pane) const;

  Host& host_;
  std::function<EditControl*()> pane_;
  QLineEdit* find_;
  QLineEdit* replace_;
  QCheckBox* match_case_;
  QCheckBox* whole_word_;
};

}  // namespace vormak
