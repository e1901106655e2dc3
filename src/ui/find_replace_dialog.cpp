#include "ui/find_replace_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cctype>

#include "nctext/host.h"
#include "ui/configuration_widgets.h"

namespace vormak {
namespace {

bool SameText(const std::string& a, const std::string& b, bool match_case) {
  if (match_case) return a == b;
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

TFindReplace::TFindReplace(Host& host, std::function<EditControl*()> pane, QWidget* parent)
    : QDialog(parent), host_(host), pane_(std::move(pane)) {
  setObjectName("FindReplace");
  setWindowTitle("Find/Replace");
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  find_ = new QLineEdit(this);
  replace_ = new QLineEdit(this);
  form->addRow("Find:", find_);
  form->addRow("Replace with:", replace_);
  layout->addLayout(form);
  match_case_ = new QCheckBox("Match case", this);
  whole_word_ = new QCheckBox("Whole word", this);
  layout->addWidget(match_case_);
  layout->addWidget(whole_word_);
  auto* buttons = new QDialogButtonBox(this);
  auto* find = buttons->addButton("&Find Next", QDialogButtonBox::ActionRole);
  auto* replace = buttons->addButton("&Replace", QDialogButtonBox::ActionRole);
  auto* replace_all = buttons->addButton("Replace &All", QDialogButtonBox::ActionRole);
  buttons->addButton(QDialogButtonBox::Close);
  find->setDefault(true);
  layout->addWidget(buttons);
  connect(find, &QPushButton::clicked, this, [this] { FindAgain(); });
  connect(replace, &QPushButton::clicked, this, [this] { ReplaceCurrent(); });
  connect(replace_all, &QPushButton::clicked, this, [this] { ReplaceAll(); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
}

FindOptions TFindReplace::Options() const {
  FindOptions options;
  options.match_case = match_case_->isChecked();
  options.whole_word = whole_word_->isChecked();
  return options;
}

bool TFindReplace::FindAgain() {
  EditControl* pane = pane_();
  const std::string text = Bytes(find_->text());
  if (pane == nullptr || text.empty()) return false;
  if (pane->FindText(text, Options())) return true;
  host_.Beep();
  host_.SetPromptPanel(" Not found: " + text);
  return false;
}

bool TFindReplace::SelectionMatches(EditControl& pane) const {
  return SameText(pane.SelectedText(), Bytes(find_->text()), match_case_->isChecked());
}

bool TFindReplace::ReplaceCurrent() {
  EditControl* pane = pane_();
  if (pane == nullptr || find_->text().isEmpty()) return false;
  if (!SelectionMatches(*pane) && !pane->FindText(Bytes(find_->text()), Options())) {
    host_.Beep();
    return false;
  }
  pane->ReplaceSelection(Bytes(replace_->text()));
  pane->FindText(Bytes(find_->text()), Options());
  return true;
}

int TFindReplace::ReplaceAll() {
  EditControl* pane = pane_();
  const std::string text = Bytes(find_->text());
  if (pane == nullptr || text.empty()) return 0;
  // From the top, as one undo step; a replacement holding the search text is not searched
  // again, because the search goes on after it.
  pane->SetSelection({{1, 0}, {1, 0}});
  pane->BeginUndoGroup();
  int count = 0;
  const std::string replacement = Bytes(replace_->text());
  while (pane->FindText(text, Options())) {
    pane->ReplaceSelection(replacement);
    ++count;
  }
  pane->EndUndoGroup();
  host_.SetPromptPanel(" Replaced " + std::to_string(count));
  return count;
}

}  // namespace vormak
