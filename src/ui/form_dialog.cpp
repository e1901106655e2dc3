#include "ui/form_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <vector>

namespace vormak {

namespace {

QString Latin1(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string Bytes(const QString& text) {
  return text.toLatin1().toStdString();
}

// How each field is read back once the dialog closes.
struct Reader {
  FormField* field;
  std::function<std::string()> read;
};

Reader AddField(FormField& field, QFormLayout* layout, QWidget* owner) {
  switch (field.kind) {
    case FormField::Kind::kValue: {
      auto* edit = new QLineEdit(Latin1(field.value), owner);
      edit->setObjectName(Latin1(FieldName(field.caption)));
      layout->addRow(Latin1(field.caption), edit);
      layout->setRowVisible(edit, field.visible);
      return {&field, [edit] { return Bytes(edit->text()); }};
    }
    case FormField::Kind::kCheck: {
      auto* box = new QCheckBox(Latin1(field.caption), owner);
      box->setObjectName(Latin1(field.caption));
      box->setChecked(field.value == "1");
      layout->addRow(box);
      return {&field, [box] { return std::string(box->isChecked() ? "1" : "0"); }};
    }
    case FormField::Kind::kChoice: {
      auto* group = new QGroupBox(Latin1(field.caption), owner);
      auto* column = new QVBoxLayout(group);
      auto* buttons = new QButtonGroup(group);
      for (const std::string& option : field.options) {
        auto* radio = new QRadioButton(Latin1(option), group);
        radio->setChecked(option == field.value);
        buttons->addButton(radio);
        column->addWidget(radio);
      }
      layout->addRow(group);
      return {&field, [buttons, &field] {
                QAbstractButton* checked = buttons->checkedButton();
                return checked ? Bytes(checked->text()) : field.value;
              }};
    }
    case FormField::Kind::kLine:
      break;
  }
  auto* label = new QLabel(Latin1(field.value), owner);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addRow(label);
  return {&field, [&field] { return field.value; }};
}

}  // namespace

bool RunFormDialog(FormRequest& form, QWidget* parent) {
  QDialog dialog(parent);
  dialog.setObjectName(Latin1(form.dialog_class));
  dialog.setWindowTitle(Latin1(form.caption));
  auto* outer = new QVBoxLayout(&dialog);
  auto* fields = new QFormLayout;
  outer->addLayout(fields);
  std::vector<Reader> readers;
  for (FormField& field : form.fields) readers.push_back(AddField(field, fields, &dialog));

  std::vector<std::string> buttons = form.buttons;
  if (buttons.empty()) buttons = {"OK", "Cancel"};
  auto* row = new QHBoxLayout;
  outer->addLayout(row);
  form.pressed = "Cancel";  // closing the window cancels
  for (size_t i = 0; i < buttons.size(); ++i) {
    auto* button = new QPushButton(Latin1(buttons[i]), &dialog);
    button->setDefault(i == 0);
    row->addWidget(button);
    const std::string name = buttons[i];
    QObject::connect(button, &QPushButton::clicked, &dialog, [&dialog, &form, name] {
      form.pressed = name;
      if (name == "Cancel") {
        dialog.reject();
      } else {
        dialog.accept();
      }
    });
  }
  if (form.OkOnly() || !form.buttons.empty()) form.pressed = buttons[0];  // Escape: default
  const bool accepted = dialog.exec() == QDialog::Accepted;
  if (!accepted && (form.OkOnly() || !form.buttons.empty())) {
    form.pressed = buttons[0];  // a dialog without Cancel closes as its first button
  }
  if (form.pressed == "Cancel") return false;
  for (const Reader& reader : readers) reader.field->value = reader.read();
  return true;
}

}  // namespace vormak
