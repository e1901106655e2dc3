#pragma once
// The "Load Tool" window of the CAM menu: the tool catalogue as a tree, a preview of the chosen
// tool file with its nose data, the catalogue edited (Add New, Change, Remove), and the tool
// loaded into the current turret or its call inserted into the program.

#include <QDialog>

#include "cam/tool_catalogue.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace vormak {

class Workbench;

class TLoad_Tool : public QDialog {
  Q_OBJECT
 public:
  explicit TLoad_Tool(Workbench& bench, QWidget* parent = nullptr);

  // The catalogue file of the current tool folder.
  std::string CataloguePath() const;
  // The tree read from tools.txt (only while it is empty, as on activation).
  void LoadCatalogue();
  // The tree as the catalogue it shows.
  Catalogue TreeCatalogue() const;

  void TreeClick(QTreeWidgetItem* item);
  void ViewClick();
  void AddNewClick();
  void ChangeClick();
  void RemoveClick();
  void OKClick();
  void InsertClick();
  // Preview of a tool file: picture and values.
  void ShowTool(const QString& file);

  QTreeWidget* tree;
  QButtonGroup* orientation;  // the twelve buttons, ids 1..12
  QLineEdit* file_name;       // "File Name:"
  QLineEdit* description;     // "Descrip.:"
  QLabel* picture;
  QLabel* radius_label;  // "Rad:"
  QLabel* width_label;   // "Width:"
  QLabel* angle_label;   // "Angle:"
  QLabel* text_label;    // the tool's text
  QPushButton* print_catalog;
  QPushButton* print_list;
  bool changed = false;

 signals:
  void ToolLoaded();

 protected:
  void showEvent(QShowEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  int CurrentOrientation() const;
  QTreeWidgetItem* SelectedGroup() const;
  Workbench& bench_;
  Catalogue kept_;  // lines of the index the tree does not show
};

}  // namespace vormak
