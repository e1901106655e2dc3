#include "ui/configuration_widgets.h"

#include <QBoxLayout>
#include <QRadioButton>
#include <cmath>

#include "settings/number_text.h"

namespace vormak {

RadioGroup::RadioGroup(const QString& title, const std::vector<std::pair<int, QString>>& choices,
                       QWidget* parent, bool horizontal)
    : QGroupBox(title, parent) {
  QBoxLayout* layout = horizontal ? static_cast<QBoxLayout*>(new QHBoxLayout(this))
                                  : static_cast<QBoxLayout*>(new QVBoxLayout(this));
  for (const auto& [value, caption] : choices) {
    auto* button = new QRadioButton(caption, this);
    buttons_.addButton(button, value);
    layout->addWidget(button);
  }
  layout->addStretch();
  connect(&buttons_, &QButtonGroup::idClicked, this, &RadioGroup::Chosen);
}

void RadioGroup::SetValue(int value) {
  if (auto* button = buttons_.button(value)) {
    button->setChecked(true);
    return;
  }
  // A value without a button (say a scheme only the file knows): show none checked.
  buttons_.setExclusive(false);
  for (auto* button : buttons_.buttons()) button->setChecked(false);
  buttons_.setExclusive(true);
}

int RadioGroup::Value(int fallback) const {
  const int id = buttons_.checkedId();
  return id == -1 ? fallback : id;
}

QString Latin1(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string Bytes(const QString& text) {
  return text.toLatin1().toStdString();
}

void SetNumber(QLineEdit* edit, double value) {
  edit->setText(Latin1(PlainNumberText(value)));
}

double NumberOf(const QLineEdit* edit, double old) {
  return ReadNumber(Bytes(edit->text())).value_or(old);
}

long long WholeNumberOf(const QLineEdit* edit, long long old) {
  const auto value = ReadNumber(Bytes(edit->text()));
  if (!value || !std::isfinite(*value) || std::fabs(*value) > 1e15) return old;
  return std::llround(*value);
}

}  // namespace vormak
