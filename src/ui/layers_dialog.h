#pragma once
// The View menu's Layers dialog: which layers are shown and which one new elements go on.

#include <QDialog>

#include "cad/element_table.h"

class QCheckBox;
class QLineEdit;
class QListWidget;

namespace vormak {

class TLayers : public QDialog {
  Q_OBJECT
 public:
  explicit TLayers(QWidget* parent = nullptr);

  // Fills the check list, the field and the solid-layer box from the table.
  void Load(const ElementTable& table, int solid_layer);
  // What OK takes over: the current layer from the field, the visibility from the checks.
  void ApplyTo(ElementTable& table) const;
  // Shows the dialog; on OK applies it and answers true.
  bool Execute(ElementTable& table, int solid_layer);

  QListWidget* layer_list() const { return list_; }
  QLineEdit* current_field() const { return current_; }
  QCheckBox* draw_solid() const { return draw_solid_; }

 private:
  void SetAll(bool on);
  void DrawSolidClicked(bool on);

  QListWidget* list_;
  QLineEdit* current_;
  QCheckBox* draw_solid_;
  int solid_layer_ = 254;
};

}  // namespace vormak
