#include "ui/tool_nose_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "settings/number_text.h"
#include "ui/configuration_widgets.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

double Number(const QLineEdit* edit) {
  return ReadNumber(Bytes(edit->text().trimmed())).value_or(0.0);
}

}  // namespace

TToolNoseInfo::TToolNoseInfo(Workbench& bench, QWidget* parent) : QDialog(parent), bench_(bench) {
  setWindowTitle("Lathe Toolnose Info");
  setObjectName("ToolNoseInfo");
  auto* form = new QFormLayout;
  const auto edit = [&](const char* caption, const char* name) {
    auto* e = new QLineEdit(this);
    e->setObjectName(name);
    form->addRow(caption, e);
    return e;
  };
  centre_x = edit("Center X:", "CenterX");
  centre_z = edit("Center Z:", "CenterZ");
  radius = edit("Radius:", "Radius");
  width = edit("Width:", "Width");
  angle = edit("Angle of Width:", "AngleOfWidth");
  orientation = edit("Orientation:", "Orientation");
  comment = edit("Comment:", "Comment");
  comment->setMaxLength(static_cast<int>(kToolNameLength));
  file_label = new QLabel(this);
  auto* buttons = new QDialogButtonBox(
      QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &TToolNoseInfo::OKClick);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(buttons, &QDialogButtonBox::helpRequested, this,
          [this] { bench_.host().OpenHelp("vormak2.hlp", "IDH_Tool_Nose_Info"); });
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(file_label);
  layout->addWidget(buttons);
}

void TToolNoseInfo::FormActivate() {
  const ToolNose& nose = bench_.tools.Current();
  centre_x->setText(Latin1(PlainNumberText(nose.centre_x)));
  centre_z->setText(Latin1(PlainNumberText(nose.centre_z)));
  radius->setText(Latin1(PlainNumberText(nose.nose_radius)));
  width->setText(Latin1(PlainNumberText(nose.width)));
  angle->setText(Latin1(PlainNumberText(nose.angle)));
  orientation->setText(QString::number(nose.orientation));
  comment->setText(Latin1(nose.name));
  file_label->setText(Latin1("File: " + bench_.tools.tool_file_name));
}

void TToolNoseInfo::OKClick() {
  ToolNose& nose = bench_.tools.Current();
  nose.centre_x = Number(centre_x);
  nose.centre_z = Number(centre_z);
  nose.nose_radius = Number(radius);
  nose.width = Number(width);
  nose.angle = Number(angle);
  nose.orientation = static_cast<int>(std::lround(Number(orientation)));
  nose.name = Bytes(comment->text()).substr(0, kToolNameLength);
  accept();
}

void TToolNoseInfo::showEvent(QShowEvent* event) {
  FormActivate();
  QDialog::showEvent(event);
}

}  // namespace vormak
