#include "ui/calc_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "ui/calc_sketches.h"
#include "ui/configuration_widgets.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr char kRed[] = "color: red;";
constexpr int kShownListLines = 5;

QString Key(const QString& page, const QString& key) {
  return page + "/" + key;
}

}  // namespace

Tcalcform::Tcalcform(Workbench& bench, QWidget* parent) : QDialog(parent), bench_(bench) {
  setWindowTitle("Calculator");
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  pages_ = new QTabWidget(this);
  for (const CalcPageDef& page : CalcPages()) pages_->addTab(FormulaPage(page), page.caption);
  pages_->addTab(ListPage(), "Calc");
  layout->addWidget(pages_);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  // Triangle's Calc, also at the foot of the window.
  auto* calc = new QPushButton("Ca&lc", this);
  calc->setAutoDefault(false);
  const CalcPageDef* triangle = FindCalcPage("Triangle");
  connect(calc, &QPushButton::clicked, this, [this, triangle] {
    pages_->setCurrentIndex(1);
    FindButtonClick(*triangle, triangle->buttons.front());
  });
  bottom->addWidget(calc);
  auto* close = new QPushButton("Close", this);
  close->setAutoDefault(false);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  bottom->addWidget(close);
  layout->addLayout(bottom);
}

QWidget* Tcalcform::FormulaPage(const CalcPageDef& page) {
  auto* widget = new QWidget(this);
  auto* row_layout = new QHBoxLayout(widget);
  auto* grid = new QGridLayout;
  row_layout->addLayout(grid);
  const QString caption = page.caption;
  int row = 0;
  for (const CalcFieldDef& field : page.fields) {
    auto* label = new QLabel(field.label, widget);
    auto* edit = new QLineEdit(widget);
    label->setBuddy(edit);
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    labels_[Key(caption, field.key)] = label;
    fields_[Key(caption, field.key)] = edit;
    for (const CalcButtonDef& button : page.buttons) {
      if (button.target == nullptr || QString(button.target) != field.key) continue;
      auto* push = new QPushButton(button.caption, widget);
      push->setAutoDefault(false);
      grid->addWidget(push, row, 2);
      buttons_[Key(caption, button.key)] = push;
      connect(push, &QPushButton::clicked, this,
              [this, &page, &button] { FindButtonClick(page, button); });
    }
    ++row;
  }
  for (const CalcButtonDef& button : page.buttons) {
    if (button.target != nullptr) continue;
    auto* push = new QPushButton(button.caption, widget);
    push->setAutoDefault(false);
    grid->addWidget(push, row++, 1);
    buttons_[Key(caption, button.key)] = push;
    connect(push, &QPushButton::clicked, this,
            [this, &page, &button] { FindButtonClick(page, button); });
  }
  if (page.has_message) {
    auto* message = new QLabel(widget);
    grid->addWidget(message, row++, 0, 1, 3);
    messages_[caption] = message;
  }
  grid->setRowStretch(row, 1);
  if (caption == "Triangle") row_layout->addWidget(new TriangleSketch(widget), 0, Qt::AlignTop);
  if (caption == "Drill Point") {
    row_layout->addWidget(new DrillPointSketch(widget), 0, Qt::AlignTop);
  }
  return widget;
}

QWidget* Tcalcform::ListPage() {
  auto* widget = new QWidget(this);
  auto* layout = new QVBoxLayout(widget);
  calc_input_ = new QLineEdit(widget);
  calc_lines_ = new QListWidget(widget);
  calc_lines_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  layout->addWidget(calc_input_);
  layout->addWidget(calc_lines_);
  auto* buttons = new QHBoxLayout;
  const std::pair<const char*, void (Tcalcform::*)()> actions[] = {
      {"Calc", &Tcalcform::CalcButtonClick},
      {"Clear", &Tcalcform::ClearButtonClick},
      {"Copy", &Tcalcform::CopyButtonClick}};
  for (const auto& [caption, handler] : actions) {
    auto* push = new QPushButton(caption, widget);
    push->setAutoDefault(false);
    connect(push, &QPushButton::clicked, this, handler);
    buttons->addWidget(push);
  }
  layout->addLayout(buttons);
  connect(calc_input_, &QLineEdit::returnPressed, this, &Tcalcform::CalcButtonClick);
  connect(calc_lines_, &QListWidget::itemDoubleClicked, this, &Tcalcform::CalcListDblClick);
  return widget;
}

QLineEdit* Tcalcform::Field(const QString& page, const QString& key) const {
  return fields_.value(Key(page, key));
}

QPushButton* Tcalcform::Button(const QString& page, const QString& key) const {
  return buttons_.value(Key(page, key));
}

QLabel* Tcalcform::Label(const QString& page, const QString& key) const {
  return labels_.value(Key(page, key));
}

void Tcalcform::AllBlack() {
  for (QLabel* label : labels_) label->setStyleSheet({});
  for (QPushButton* button : buttons_) button->setStyleSheet({});
}

void Tcalcform::FindButtonClick(const CalcPageDef& page, const CalcButtonDef& button) {
  const QString caption = page.caption;
  CalcFieldTexts texts;
  for (const CalcFieldDef& field : page.fields) {
    texts[field.key] = Bytes(Field(caption, field.key)->text());
  }
  const CalcPress press = PressCalcButton(page, button.key, texts);
  for (const CalcFieldDef& field : page.fields) {
    QLineEdit* edit = Field(caption, field.key);
    const QString text = Latin1(texts[field.key]);
    if (edit->text() != text) edit->setText(text);
  }
  AllBlack();
  for (const std::string& key : press.inputs) Label(caption, Latin1(key))->setStyleSheet(kRed);
  Button(caption, button.key)->setStyleSheet(kRed);
  if (QLabel* message = Message(caption)) message->setText(Latin1(press.message));
}

void Tcalcform::CalcButtonClick() {
  if (!EnterCalcLine(list_, Bytes(calc_input_->text()))) return;
  calc_lines_->clear();
  for (const std::string& line : list_.lines) calc_lines_->addItem(Latin1(line));
  // The last lines in view, the input ready to be typed over.
  const int last = calc_lines_->count() - 1;
  calc_lines_->scrollToItem(calc_lines_->item(std::max(0, last - kShownListLines + 1)),
                            QAbstractItemView::PositionAtTop);
  calc_lines_->scrollToItem(calc_lines_->item(last));
  calc_input_->selectAll();
  calc_input_->setFocus();
}

void Tcalcform::ClearButtonClick() {
  list_.lines.clear();
  calc_lines_->clear();
}

void Tcalcform::CopyButtonClick() {
  std::vector<std::string> lines;
  for (int i = 0; i < calc_lines_->count(); ++i) {
    if (calc_lines_->item(i)->isSelected()) lines.push_back(Bytes(calc_lines_->item(i)->text()));
  }
  bench_.host().SetClipboardText(CopiedCalcLines(lines));
}

void Tcalcform::CalcListDblClick() {
  QListWidgetItem* item = calc_lines_->currentItem();
  if (item == nullptr) return;
  calc_input_->setText(Latin1(RecalledCalcLine(Bytes(item->text()))));
  calc_input_->setFocus();
}

void AddCalculatorItem(QMenu* cam, Workbench& bench, QWidget* parent) {
  if (cam == nullptr) return;
  for (QAction* item : cam->actions()) {
    if (item->text() != "Calc&ulator...") continue;
    item->setEnabled(true);
    QPointer<Tcalcform> form;
    QObject::connect(item, &QAction::triggered, parent, [&bench, parent, form]() mutable {
      if (!form) form = new Tcalcform(bench, parent);
      form->show();
      form->raise();
      form->activateWindow();
    });
  }
}

}  // namespace vormak
