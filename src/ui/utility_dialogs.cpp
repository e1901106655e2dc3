#include "ui/utility_dialogs.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "nctext/expression.h"
#include "nctext/order_blocks.h"
#include "nctext/status_services.h"
#include "nctext/text_functions.h"
#include "settings/word_format.h"
#include "ui/configuration_widgets.h"
#include "ui/menu_dialogs.h"
#include "utilities/renumber.h"
#include "utilities/word_transforms.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr char kAxes[3] = {'X', 'Y', 'Z'};

char FirstChar(const QLineEdit* edit) {
  const std::string text = Bytes(edit->text());
  return text.empty() ? 0 : text.front();
}

}  // namespace

// ---- shared -----------------------------------------------------------------------------

UtilityDialog::UtilityDialog(Workbench& bench, const char* caption, QWidget* parent)
    : QDialog(parent), bench_(bench) {
  setWindowTitle(caption);
  layout_ = new QVBoxLayout(this);
  form_ = new QFormLayout;
  layout_->addLayout(form_);
}

void UtilityDialog::showEvent(QShowEvent* event) {
  Activate();
  QDialog::showEvent(event);
}

QLineEdit* UtilityDialog::AddEdit(const char* caption, const QString& text, bool letters) {
  auto* edit = new QLineEdit(text, this);
  form_->addRow(caption, edit);
  if (letters) {
    // "Upper Case Only": letters typed are taken in upper case.
    connect(edit, &QLineEdit::textEdited, this, [this, edit](const QString& typed) {
      if (!bench_.settings.use[kUseUpperCase] || typed == typed.toUpper()) return;
      const int cursor = edit->cursorPosition();
      edit->setText(typed.toUpper());
      edit->setCursorPosition(cursor);
    });
  }
  return edit;
}

QCheckBox* UtilityDialog::AddCheck(const char* caption, bool checked) {
  auto* box = new QCheckBox(caption, this);
  box->setChecked(checked);
  layout_->addWidget(box);
  return box;
}

void UtilityDialog::AddButtons(const char* help_topic) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  if (help_topic != nullptr) {
    QPushButton* help = buttons->addButton(QDialogButtonBox::Help);
    connect(help, &QPushButton::clicked, this,
            [this, help_topic] { bench_.host().OpenHelp("vormak2.hlp", help_topic); });
  }
  layout_->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] { OKClick(); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

int UtilityDialog::Pane() const {
  return bench_.active_pane;
}

void RunOnSelectedLines(QDialog& dialog, Workbench& bench,
                        const std::function<void(int pane, LineRange range)>& run) {
  dialog.accept();
  const int pane = bench.active_pane;
  EditControl* control = bench.Pane(pane);
  if (control == nullptr) return;
  const LineRange range = SelectedLineRange(bench, pane);
  bench.stop_requested = false;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  control->BeginUndoGroup();
  run(pane, range);
  control->EndUndoGroup();
  QApplication::restoreOverrideCursor();
}

// ---- Renumber ---------------------------------------------------------------------------

Trenumber::Trenumber(Workbench& bench, QWidget* parent) : UtilityDialog(bench, "Renumber", parent) {
  address_edit = AddEdit("Address to Renumber:", "N", true);
  start_edit = AddEdit("Start Number:");
  increment_edit = AddEdit("Increment:");
  existing_box = AddCheck("Existing Addess only");
  comments_box = AddCheck("Include Comments");
  o_blocks_box = AddCheck("Include O Blocks");
  AddButtons();
}

void Trenumber::Activate() {
  if (bench_.settings.use[kUseUpperCase]) address_edit->setText(address_edit->text().toUpper());
  start_edit->setText(QString::number(bench_.settings.start_block));
  increment_edit->setText(QString::number(bench_.settings.block_increment));
}

void Trenumber::OKClick() {
  RenumberOptions options;
  options.existing_only = existing_box->isChecked();
  options.include_comments = comments_box->isChecked();
  options.include_o = o_blocks_box->isChecked();
  options.letter = RenumberLetter(Bytes(address_edit->text()));
  options.start = IntegerOfText(Bytes(start_edit->text()));
  options.increment = IntegerOfText(Bytes(increment_edit->text()));
  bench_.settings.start_block = options.start;
  bench_.settings.block_increment = options.increment;
  RunAsOneStep([&](int pane, LineRange) { RenumberRange(bench_, pane, options); });
}

// ---- Change Value -----------------------------------------------------------------------

TChange_Value::TChange_Value(Workbench& bench, QWidget* parent)
    : UtilityDialog(bench, "Change Value", parent) {
  form_->addRow(new QLabel("Enter Address and Value", this));
  find_edit = AddEdit("Find:", {}, true);
  change_edit = AddEdit("Change to:", {}, true);
  AddButtons();
}

void TChange_Value::OKClick() {
  const auto request = ParseChangeRequest(Bytes(find_edit->text()), Bytes(change_edit->text()));
  if (!request) return;  // the dialog stays open
  const std::string previous = bench_.nctext.current_prompt;
  RunAsOneStep([&](int pane, LineRange range) {
    ChangeValue(bench_, pane, range, request->letter, request->mode, request->value, request->find);
  });
  ShowPrompt(bench_, previous);
}

// ---- Shift NC ---------------------------------------------------------------------------

TOffset_NC::TOffset_NC(Workbench& bench, QWidget* parent)
    : UtilityDialog(bench, "Shift NC", parent) {
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel("Add", this), 0, 1);
  for (int row = 0; row < 3; ++row) {
    address_edits[row] = new QLineEdit(QString(QChar(kAxes[row])), this);
    value_edits[row] = new QLineEdit("0", this);
    grid->addWidget(new QLabel("Address:", this), row + 1, 0);
    grid->addWidget(address_edits[row], row + 1, 1);
    grid->addWidget(new QLabel("Value:", this), row + 1, 2);
    grid->addWidget(value_edits[row], row + 1, 3);
    QLineEdit* edit = address_edits[row];
    connect(edit, &QLineEdit::textEdited, this, [this, edit](const QString& typed) {
      if (bench_.settings.use[kUseUpperCase] && typed != typed.toUpper())
        edit->setText(typed.toUpper());
    });
  }
  layout_->addLayout(grid);
  AddButtons("IDH_OFFSET_NC");
}

void TOffset_NC::OKClick() {
  ShowPrompt(bench_, "Offset NC");
  RunAsOneStep([&](int pane, LineRange range) {
    for (int row = 0; row < 3 && !bench_.stop_requested; ++row) {
      const char letter = FirstChar(address_edits[row]);
      const double value = ValueOf(value_edits[row]);
      if (letter != 0 && value != 0) ShiftAddress(bench_, pane, range, letter, value);
    }
  });
  ClearPrompt(bench_);
}

// ---- Scale ------------------------------------------------------------------------------

TScale_Address::TScale_Address(Workbench& bench, QWidget* parent)
    : UtilityDialog(bench, "Scale Address", parent) {
  addresses_edit = AddEdit("Addresses to Scale:", {}, true);
  factor_edit = AddEdit("Multiply by:", "1");
  AddButtons();
}

void TScale_Address::Activate() {
  ShowPrompt(bench_, "Scale NC");
}

void TScale_Address::OKClick() {
  const std::string letters = Bytes(addresses_edit->text());
  const double factor = ValueOf(factor_edit);
  RunAsOneStep([&](int pane, LineRange range) {
    for (const char letter : letters) {
      if (bench_.stop_requested) break;
      ScaleAddress(bench_, pane, range, letter, factor);
    }
  });
}

// ---- Remove Address ---------------------------------------------------------------------

TRemove_Address::TRemove_Address(Workbench& bench, QWidget* parent)
    : UtilityDialog(bench, "Remove Address", parent) {
  addresses_edit = AddEdit("Addresses to Remove:", {}, true);
  confirm_box = AddCheck("Confirm");
  AddButtons();
}

void TRemove_Address::OKClick() {
  const std::string letters = Bytes(addresses_edit->text());
  const bool confirm = confirm_box->isChecked();
  RunAsOneStep([&](int pane, LineRange range) {
    // Cancel in the confirmation ends one letter's pass; the other letters still run.
    for (const char letter : letters) {
      if (bench_.stop_requested) break;
      RemoveAddressRange(bench_, pane, range, letter, confirm);
    }
  });
}

// ---- Switch Axis ------------------------------------------------------------------------

TSwitch_Axis::TSwitch_Axis(Workbench& bench, QWidget* parent)
    : UtilityDialog(bench, "Switch Axis", parent) {
  auto* grid = new QGridLayout;
  const char* rows[3] = {"X=", "Y=", "Z="};
  for (int row = 0; row < 3; ++row) {
    axis_boxes[row] = new QComboBox(this);
    axis_boxes[row]->addItems({"X", "Y", "Z"});
    axis_boxes[row]->setCurrentIndex(row);
    reverse_boxes[row] = new QCheckBox("Reverse", this);
    grid->addWidget(new QLabel(rows[row], this), row, 0);
    grid->addWidget(axis_boxes[row], row, 1);
    grid->addWidget(reverse_boxes[row], row, 2);
  }
  layout_->addLayout(grid);
  AddButtons();
  show_error = [this](const QString& text, const QString& caption) {
    QMessageBox::critical(this, caption, text);
  };
}

void TSwitch_Axis::OKClick() {
  AxisSwitch choice;
  for (int row = 0; row < 3; ++row) {
    choice.new_axis[row] = kAxes[axis_boxes[row]->currentIndex()];
    choice.reverse[row] = reverse_boxes[row]->isChecked();
  }
  if (DuplicateAxisChoice(choice)) {
    bench_.host().Beep();
    show_error(kDuplicateAxisChoices, kDuplicateAxisCaption);
    return;
  }
  RunAsOneStep([&](int pane, LineRange range) { SwitchAxes(bench_, pane, range, choice); });
}

// ---- Switch Address ---------------------------------------------------------------------

TSwitch_Address::TSwitch_Address(Workbench& bench, QWidget* parent)
    : UtilityDialog(bench, "Switch Address", parent) {
  auto* grid = new QGridLayout;
  a_edit = new QLineEdit(this);
  b_edit = new QLineEdit(this);
  reverse_a_box = new QCheckBox("Reverse Sign", this);
  reverse_b_box = new QCheckBox("Reverse Sign", this);
  grid->addWidget(new QLabel("Switch", this), 0, 0);
  grid->addWidget(a_edit, 0, 1);
  grid->addWidget(new QLabel("with", this), 0, 2);
  grid->addWidget(b_edit, 0, 3);
  grid->addWidget(reverse_a_box, 1, 1);
  grid->addWidget(reverse_b_box, 1, 3);
  for (QLineEdit* edit : {a_edit, b_edit}) {
    connect(edit, &QLineEdit::textEdited, this, [this, edit](const QString& typed) {
      if (bench_.settings.use[kUseUpperCase] && typed != typed.toUpper())
        edit->setText(typed.toUpper());
    });
  }
  layout_->addLayout(grid);
  AddButtons();
}

void TSwitch_Address::Activate() {
  ShowPrompt(bench_, "Switch NC");
}

void TSwitch_Address::OKClick() {
  if (const char a = FirstChar(a_edit)) a_ = a;
  if (const char b = FirstChar(b_edit)) b_ = b;
  if (a_ == 0 || b_ == 0) return;
  const bool reverse_a = reverse_a_box->isChecked();
  const bool reverse_b = reverse_b_box->isChecked();
  RunAsOneStep([&](int pane, LineRange range) {
    SwitchAddresses(bench_, pane, range, a_, b_, reverse_a, reverse_b);
  });
}

// ---- Order NC ---------------------------------------------------------------------------

TOrder_NC::TOrder_NC(Workbench& bench, QWidget* parent) : UtilityDialog(bench, "Order NC", parent) {
  order_edit = AddEdit("Address Order:", Latin1(bench.settings.address_order), true);
  sort_box = AddCheck("Sort Addresses", true);
  strip_box = AddCheck("Strip Unneeded Addresses");
  strip_edit = new QLineEdit(this);
  layout_->addWidget(strip_edit);
  connect(strip_edit, &QLineEdit::textEdited, this, [this](const QString& typed) {
    if (bench_.settings.use[kUseUpperCase] && typed != typed.toUpper())
      strip_edit->setText(typed.toUpper());
  });
  AddButtons();
}

void TOrder_NC::OKClick() {
  const int mode = (sort_box->isChecked() ? kOrderSortAddresses : 0) |
                   (strip_box->isChecked() ? kOrderStripUnneeded : 0);
  const std::string order = Bytes(order_edit->text());
  const std::string letters = Bytes(strip_edit->text());
  RunAsOneStep(
      [&](int pane, LineRange range) { OrderBlocks(bench_, pane, range, order, letters, mode); });
}

// ---- menu -------------------------------------------------------------------------------

void AddUtilityItems(QMenu* menu, Workbench& bench, QWidget* parent) {
  OpenDialogFrom<TChange_Value>(menu, "&Change Value...", bench, parent);
  OpenDialogFrom<TOffset_NC>(menu, "Shift &NC...", bench, parent);
  OpenDialogFrom<TRemove_Address>(menu, "Re&move Address...", bench, parent);
  OpenDialogFrom<Trenumber>(menu, "Re&number...", bench, parent);
  OpenDialogFrom<TScale_Address>(menu, "&Scale NC...", bench, parent);
  OpenDialogFrom<TSwitch_Axis>(menu, "S&witch X Y Z...", bench, parent);
  OpenDialogFrom<TSwitch_Address>(menu, "Switch A&ddress...", bench, parent);
  OpenDialogFrom<TOrder_NC>(menu, "Ord&er NC...", bench, parent);
}

}  // namespace vormak
