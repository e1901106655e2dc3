#include "ui/layers_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "cad/layers.h"

namespace vormak {

TLayers::TLayers(QWidget* parent)
    : QDialog(parent),
      list_(new QListWidget(this)),
      current_(new QLineEdit(this)),
      draw_solid_(new QCheckBox("Draw Solid Layer", this)) {
  setWindowTitle("Layers");
  auto* all_on = new QPushButton("All On", this);
  auto* all_off = new QPushButton("All Off", this);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  for (int layer = 1; layer <= kLayerCount; ++layer) {
    auto* item = new QListWidgetItem(QString::number(layer), list_);
    item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setCheckState(Qt::Checked);
  }
  // The field reads in capitals, so a typed "s" is the solid layer's "S".
  connect(current_, &QLineEdit::textEdited, this, [this](const QString& text) {
    const int caret = current_->cursorPosition();
    current_->setText(text.toUpper());
    current_->setCursorPosition(caret);
  });
  connect(all_on, &QPushButton::clicked, this, [this] { SetAll(true); });
  connect(all_off, &QPushButton::clicked, this, [this] { SetAll(false); });
  connect(draw_solid_, &QCheckBox::clicked, this, &TLayers::DrawSolidClicked);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* grid = new QGridLayout(this);
  grid->addWidget(list_, 0, 0, 5, 1);
  grid->addWidget(all_on, 0, 1);
  grid->addWidget(all_off, 1, 1);
  grid->addWidget(new QLabel("Current Layer:", this), 2, 1);
  grid->addWidget(current_, 3, 1);
  grid->addWidget(draw_solid_, 4, 1);
  grid->addWidget(buttons, 5, 0, 1, 2);
}

void TLayers::Load(const ElementTable& table, int solid_layer) {
  solid_layer_ = solid_layer;
  const LayerChecks checks = LayerChecksOf(table);
  for (int layer = 1; layer <= kLayerCount; ++layer) {
    QListWidgetItem* item = list_->item(layer - 1);
    item->setText(layer == solid_layer ? QString("SOLID") : QString::number(layer));
    item->setCheckState(checks[static_cast<size_t>(layer - 1)] ? Qt::Checked : Qt::Unchecked);
  }
  current_->setText(QString::number(table.current_layer));
  draw_solid_->setChecked(table.LayerVisible(solid_layer));
}

void TLayers::ApplyTo(ElementTable& table) const {
  LayerChecks checks{};
  for (int layer = 1; layer <= kLayerCount; ++layer) {
    checks[static_cast<size_t>(layer - 1)] = list_->item(layer - 1)->checkState() == Qt::Checked;
  }
  const int current = CurrentLayerFromField(current_->text().toStdString(), solid_layer_);
  ApplyLayerChoice(table, current, checks);
}

bool TLayers::Execute(ElementTable& table, int solid_layer) {
  Load(table, solid_layer);
  if (exec() != QDialog::Accepted) return false;
  ApplyTo(table);
  return true;
}

void TLayers::SetAll(bool on) {
  for (int row = 0; row < list_->count(); ++row) {
    list_->item(row)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
  }
}

void TLayers::DrawSolidClicked(bool on) {
  // Shown in the list at once; the table itself changes only on OK, so Cancel changes nothing.
  if (solid_layer_ >= 1 && solid_layer_ <= kLayerCount) {
    list_->item(solid_layer_ - 1)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
  }
  current_->setText(on ? "S" : "1");
}

}  // namespace vormak
