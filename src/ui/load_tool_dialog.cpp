#include "ui/load_tool_dialog.h"

#include <QButtonGroup>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "cam/tool_preview.h"
#include "interp/tool_load.h"
#include "nctext/block_words.h"
#include "nctext/pane_services.h"
#include "nctext/status_services.h"
#include "settings/file_access.h"
#include "settings/number_text.h"
#include "ui/configuration_widgets.h"
#include "ui/print/print_commands.h"
#include "ui/raster_canvas.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr int kImageRole = Qt::UserRole;
constexpr int kFileRole = Qt::UserRole + 1;
constexpr int kGroupRole = Qt::UserRole + 2;
constexpr int kPictureSize = 160;

bool IsGroup(const QTreeWidgetItem* item) {
  return item != nullptr && item->data(0, kGroupRole).toBool();
}

void SetNode(QTreeWidgetItem* item, const std::string& caption, int image, const std::string& file,
             bool group) {
  item->setText(0, Latin1(caption));
  item->setText(1, image > 0 ? QString::number(image) : QString());
  item->setData(0, kImageRole, image);
  item->setData(0, kFileRole, Latin1(file));
  item->setData(0, kGroupRole, group);
}

}  // namespace

TLoad_Tool::TLoad_Tool(Workbench& bench, QWidget* parent) : QDialog(parent), bench_(bench) {
  setWindowTitle("Load Tool");
  setObjectName("Load_Tool");
  setModal(false);
  setAcceptDrops(true);

  tree = new QTreeWidget(this);
  tree->setObjectName("TreeView1");
  tree->setColumnCount(2);
  tree->setHeaderLabels({"Tool", "Orientation"});
  tree->header()->setStretchLastSection(false);
  tree->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  connect(tree, &QTreeWidget::itemClicked, this,
          [this](QTreeWidgetItem* item) { TreeClick(item); });

  auto* orientation_box = new QGroupBox("Orientation", this);
  auto* grid = new QGridLayout(orientation_box);
  orientation = new QButtonGroup(this);
  orientation->setExclusive(true);
  for (int n = 1; n <= 12; ++n) {
    auto* button = new QToolButton(orientation_box);
    button->setText(QString::number(n));
    button->setCheckable(true);
    orientation->addButton(button, n);
    grid->addWidget(button, (n - 1) / 6, (n - 1) % 6);
  }
  orientation->button(1)->setChecked(true);

  auto* file_button = new QPushButton("File Name:", this);
  file_button->setToolTip("Load Tool");
  file_name = new QLineEdit(this);
  file_name->setObjectName("FileName");
  description = new QLineEdit(this);
  description->setObjectName("Descrip");
  connect(file_button, &QPushButton::clicked, this, [this] {
    FileDialogRequest request;
    request.caption = "Load Tool";
    request.initial_dir = ToolDirectory(bench_);
    request.file_name = bench_.tools.tool_file_name;
    request.filter = "CDL Files (*.cdl)|*.cdl|All Files (*.*)|*.*";
    request.default_ext = "cdl";
    if (auto name = bench_.host().OpenFileDialog(request)) file_name->setText(Latin1(*name));
  });

  picture = new QLabel(this);
  picture->setFixedSize(kPictureSize, kPictureSize);
  radius_label = new QLabel("Rad:", this);
  width_label = new QLabel("Width:", this);
  angle_label = new QLabel("Angle:", this);
  text_label = new QLabel(this);

  const auto button = [this](const char* caption, void (TLoad_Tool::*slot)()) {
    auto* b = new QPushButton(caption, this);
    connect(b, &QPushButton::clicked, this, slot);
    return b;
  };
  QPushButton* view = button("View", &TLoad_Tool::ViewClick);
  QPushButton* add = button("Add New", &TLoad_Tool::AddNewClick);
  QPushButton* change = button("Change", &TLoad_Tool::ChangeClick);
  QPushButton* remove = button("Remove", &TLoad_Tool::RemoveClick);
  QPushButton* ok = button("OK", &TLoad_Tool::OKClick);
  QPushButton* insert = button("Insert to Editor", &TLoad_Tool::InsertClick);
  auto* cancel = new QPushButton("Cancel", this);
  connect(cancel, &QPushButton::clicked, this, &QDialog::hide);
  print_catalog = new QPushButton("Print Catalog", this);
  print_list = new QPushButton("Print Editor List", this);
  connect(print_catalog, &QPushButton::clicked, this,
          [this] { PrintCommands::Of(bench_, this)->PrintCatalogue(TreeCatalogue()); });
  // The program's tool list, as Print W/Tools prints it first.
  connect(print_list, &QPushButton::clicked, this, [this] {
    PrintRequest request;
    request.what = PrintWhat::kToolList;
    PrintCommands::Of(bench_, this)->Print(request);
  });

  auto* fields = new QGridLayout;
  fields->addWidget(file_button, 0, 0);
  fields->addWidget(file_name, 0, 1);
  fields->addWidget(new QLabel("Descrip.:", this), 1, 0);
  fields->addWidget(description, 1, 1);
  auto* values = new QVBoxLayout;
  for (QLabel* l : {radius_label, width_label, angle_label, text_label}) values->addWidget(l);
  values->addStretch();
  auto* preview = new QHBoxLayout;
  preview->addWidget(picture);
  preview->addLayout(values);
  auto* buttons = new QGridLayout;
  int at = 0;
  for (QPushButton* b :
       {view, add, change, remove, insert, print_catalog, print_list, ok, cancel}) {
    buttons->addWidget(b, at / 3, at % 3);
    ++at;
  }
  auto* right = new QVBoxLayout;
  right->addLayout(preview);
  right->addWidget(orientation_box);
  right->addLayout(fields);
  right->addLayout(buttons);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(tree, 1);
  layout->addLayout(right);
}

std::string TLoad_Tool::CataloguePath() const {
  return JoinPath(ToolDirectory(bench_), kCatalogueFileName);
}

void TLoad_Tool::LoadCatalogue() {
  if (tree->topLevelItemCount() > 0) return;
  Catalogue catalogue;
  vormak::LoadCatalogue(CataloguePath(), catalogue);
  kept_ = catalogue;
  for (CatalogueGroup& g : kept_.groups) g.tools.clear();
  for (const CatalogueGroup& g : catalogue.groups) {
    auto* group = new QTreeWidgetItem(tree);
    SetNode(group, g.caption, g.image, "", true);
    for (const CatalogueTool& t : g.tools) {
      SetNode(new QTreeWidgetItem(group), t.caption, t.image, t.file, false);
    }
  }
  tree->expandAll();
}

Catalogue TLoad_Tool::TreeCatalogue() const {
  Catalogue catalogue;
  catalogue.leading_lines = kept_.leading_lines;
  for (int i = 0; i < tree->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* g = tree->topLevelItem(i);
    CatalogueGroup group{Bytes(g->text(0)), g->data(0, kImageRole).toInt(), {}, {}};
    // Kept lines stay with the group they came with.
    for (const CatalogueGroup& old : kept_.groups) {
      if (old.caption == group.caption) group.kept_lines = old.kept_lines;
    }
    for (int j = 0; j < g->childCount(); ++j) {
      const QTreeWidgetItem* t = g->child(j);
      group.tools.push_back({Bytes(t->text(0)), t->data(0, kImageRole).toInt(),
                             Bytes(t->data(0, kFileRole).toString())});
    }
    catalogue.groups.push_back(std::move(group));
  }
  return catalogue;
}

void TLoad_Tool::TreeClick(QTreeWidgetItem* item) {
  if (item == nullptr) return;
  file_name->setText(item->data(0, kFileRole).toString());
  description->setText(item->text(0));
  const int image = item->data(0, kImageRole).toInt();
  if (image >= 1 && image <= 12) orientation->button(image)->setChecked(true);
  if (!IsGroup(item)) ShowTool(file_name->text());
}

void TLoad_Tool::ViewClick() {
  ShowTool(file_name->text());
}

void TLoad_Tool::ShowTool(const QString& file) {
  RasterCanvas canvas(kPictureSize, kPictureSize);
  ToolFileContents tool;
  const std::string name = Bytes(file.trimmed());
  const bool read = !name.empty() && name.find("TM ") == std::string::npos &&
                    DrawToolPicture(bench_, name, canvas, tool);
  if (!read) canvas.Clear(0xFFFFFF);
  picture->setPixmap(QPixmap::fromImage(canvas.Image()));
  radius_label->setText(Latin1("Rad: " + PlainNumberText(tool.nose.nose_radius)));
  width_label->setText(Latin1("Width: " + PlainNumberText(tool.nose.width)));
  angle_label->setText(Latin1("Angle: " + PlainNumberText(tool.nose.angle)));
  text_label->setText(Latin1(tool.nose.name));
}

int TLoad_Tool::CurrentOrientation() const {
  const int id = orientation->checkedId();
  return id >= 1 ? id : 0;
}

QTreeWidgetItem* TLoad_Tool::SelectedGroup() const {
  QTreeWidgetItem* item = tree->currentItem();
  if (item != nullptr && !IsGroup(item)) item = item->parent();
  // Nothing chosen: the last group, made when there is none.
  if (item == nullptr && tree->topLevelItemCount() > 0) {
    item = tree->topLevelItem(tree->topLevelItemCount() - 1);
  }
  return item;
}

void TLoad_Tool::AddNewClick() {
  if (file_name->text().isEmpty() || description->text().isEmpty()) return;
  QTreeWidgetItem* group = SelectedGroup();
  if (group == nullptr) {
    group = new QTreeWidgetItem(tree);
    SetNode(group, "Tools", 0, "", true);
  }
  auto* item = new QTreeWidgetItem(group);
  SetNode(item, Bytes(description->text()), CurrentOrientation(), Bytes(file_name->text()), false);
  group->setExpanded(true);
  tree->setCurrentItem(item);
  changed = true;
}

void TLoad_Tool::ChangeClick() {
  QTreeWidgetItem* item = tree->currentItem();
  if (file_name->text().isEmpty() || description->text().isEmpty() || item == nullptr ||
      IsGroup(item)) {
    return;
  }
  SetNode(item, Bytes(description->text()), CurrentOrientation(), Bytes(file_name->text()), false);
  changed = true;
}

void TLoad_Tool::RemoveClick() {
  QTreeWidgetItem* item = tree->currentItem();
  if (item == nullptr) return;
  delete item;
  changed = true;
}

void TLoad_Tool::OKClick() {
  if (changed && SaveCatalogue(bench_.host(), CataloguePath(), TreeCatalogue())) changed = false;
  const std::string text = Bytes(file_name->text().trimmed());
  if (!text.empty()) {
    const int turret = bench_.interp.run.turret;
    bench_.tools.current_turret = turret;
    if (text.find("TM ") == std::string::npos) {
      const CommentChars chars = CommentCharsOf(bench_.settings);
      LoadToolShape(bench_, turret, std::string(1, chars.begin) + " TL " + text);
    } else {
      DefineMillTool(bench_, text);
    }
    emit ToolLoaded();
  }
  hide();
}

void TLoad_Tool::InsertClick() {
  const std::string text = Bytes(file_name->text().trimmed());
  if (text.empty()) return;
  const CommentChars chars = CommentCharsOf(bench_.settings);
  std::string line = std::string(1, chars.begin) + "TL " + text;
  if (chars.end != 0) line += chars.end;
  InsertAboveCaret(bench_, bench_.active_pane, line);
}

void TLoad_Tool::showEvent(QShowEvent* event) {
  LoadCatalogue();
  QDialog::showEvent(event);
}

void TLoad_Tool::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TLoad_Tool::dropEvent(QDropEvent* event) {
  for (const QUrl& url : event->mimeData()->urls()) {
    const QString name = url.toLocalFile();
    if (!name.toUpper().contains(".CDL")) continue;
    ShowTool(name);
    file_name->setText(name);
    file_name->setToolTip(name);
    event->acceptProposedAction();
    return;
  }
}

}  // namespace vormak
