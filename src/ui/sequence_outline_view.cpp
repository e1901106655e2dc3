#include "ui/sequence_outline_view.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTreeWidget>

#include "ncfiles/twin_turret.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr int kChildRole = Qt::UserRole;           // index under the root
constexpr int kGrandchildRole = Qt::UserRole + 1;  // index under that node, -1 for none

QString Latin1Text(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

SequenceOutlineView::SequenceOutlineView(Workbench& bench, QWidget* parent)
    : QDockWidget("Sequence", parent), bench_(bench), tree_(new QTreeWidget(this)) {
  setObjectName("OutlineDock");
  tree_->setObjectName("Outline1");
  tree_->setHeaderHidden(true);
  setWidget(tree_);
  connect(tree_, &QTreeWidget::itemClicked, this,
          [this](QTreeWidgetItem* item, int) { ItemClicked(item); });
  Rebuild();
}

void SequenceOutlineView::Rebuild() {
  root_ = BuildSequenceOutline(bench_);
  tree_->clear();
  auto* root = new QTreeWidgetItem(tree_, {Latin1Text(root_.text)});
  root->setData(0, kChildRole, -1);
  for (size_t i = 0; i < root_.children.size(); ++i) {
    const OutlineNode& node = root_.children[i];
    auto* item = new QTreeWidgetItem(root, {Latin1Text(node.text)});
    item->setData(0, kChildRole, static_cast<int>(i));
    item->setData(0, kGrandchildRole, -1);
    for (size_t k = 0; k < node.children.size(); ++k) {
      auto* sync = new QTreeWidgetItem(item, {Latin1Text(node.children[k].text)});
      sync->setData(0, kChildRole, static_cast<int>(i));
      sync->setData(0, kGrandchildRole, static_cast<int>(k));
    }
  }
  root->setExpanded(true);
}

void SequenceOutlineView::ItemClicked(QTreeWidgetItem* item) {
  if (item == nullptr) return;
  const int child = item->data(0, kChildRole).toInt();
  const int grandchild = item->data(0, kGrandchildRole).toInt();
  if (child < 0 || static_cast<size_t>(child) >= root_.children.size()) return;
  const OutlineNode& node = root_.children[static_cast<size_t>(child)];
  if (grandchild < 0) {
    GoToOutlineNode(bench_, node);
  } else if (static_cast<size_t>(grandchild) < node.children.size()) {
    GoToOutlineNode(bench_, node.children[static_cast<size_t>(grandchild)]);
  }
}

void AddLineUpItem(QMenu* utilities2, Workbench& bench, SequenceOutlineView* outline) {
  QAction* item = nullptr;
  for (QAction* a : utilities2->actions()) {
    if (a->text() == "Line up P#") item = a;
  }
  if (item == nullptr) item = utilities2->addAction("Line up P#");
  item->setEnabled(true);
  QObject::connect(item, &QAction::triggered, utilities2, [&bench, outline] {
    if (!bench.settings.twin_turrets || bench.interp.run.running) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    bench.stop_requested = false;
    LineUpSyncNumbers(bench);
    QApplication::restoreOverrideCursor();
    if (outline != nullptr) outline->Rebuild();
  });
}

}  // namespace vormak
