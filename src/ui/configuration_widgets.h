#pragma once
// Small building blocks of the Configuration dialog's pages: a group of radio buttons that
// answers an integer, and number edits that keep the old value when the text is not a number.

#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QString>

#include <string>
#include <utility>
#include <vector>

namespace vormak {

// A titled group of radio buttons, each standing for an integer value.
class RadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  RadioGroup(const QString& title, const std::vector<std::pair<int, QString>>& choices,
             QWidget* parent = nullptr, bool horizontal = false);
  void SetValue(int value);
  // The checked button's value, or `fallback` when none is checked.
  int Value(int fallback) const;
  QAbstractButton* Button(int value) const { return buttons_.button(value); }

 signals:
  void Chosen(int value);

 private:
  QButtonGroup buttons_;
};

QString Latin1(const std::string& text);
std::string Bytes(const QString& text);

// Number edits show the plain number text; reading keeps `old` when the text is no number.
void SetNumber(QLineEdit* edit, double value);
double NumberOf(const QLineEdit* edit, double old);
long long WholeNumberOf(const QLineEdit* edit, long long old);

}  // namespace vormak
