#include "ui/plot_status_window.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "interp/interp_state.h"
#include "interp/plot_status.h"
#include "ui/configuration_widgets.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

constexpr int kStatusPage = 0;
constexpr int kMovementPage = 1;

StatusFields PageFields(const Workbench& bench, int page, int turret) {
  return page == kStatusPage ? StatusPageFields(bench, turret) : MovementPageFields(bench, turret);
}

// The tool-nose shape (Center X/Z, angle, width, orientation) is a lathe insert's; a mill or
// wire machine's tool has only its radius and comment.
bool LatheOnlyField(const QString& caption) {
  return caption == "Center X:" || caption == "Center Z:" || caption == "Angle:" ||
         caption == "Width:" || caption == "Orientation:";
}

}  // namespace

TPlotStatus::TPlotStatus(Workbench& bench, QWidget* parent) : QDialog(parent), bench_(bench) {
  setWindowTitle("Plot Status");
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  turret_box = new QComboBox(this);
  turret_box->addItems({"Turret 1", "Turret 2"});
  layout->addWidget(turret_box);
  pages = new QTabWidget(this);
  layout->addWidget(pages);

  fields_.resize(2);
  for (int page : {kStatusPage, kMovementPage}) {
    auto* widget = new QWidget(pages);
    auto* form = new QFormLayout(widget);
    for (const auto& [caption, text] : PageFields(bench_, page, 1)) {
      auto* value = new QLabel("---", widget);
      value->setTextInteractionFlags(Qt::TextSelectableByMouse);
      form->addRow(Latin1(caption), value);
      fields_[static_cast<size_t>(page)].emplace_back(Latin1(caption), value);
    }
    pages->addTab(widget, page == kStatusPage ? "Status" : "Movement");
  }

  auto* watch = new QWidget(pages);
  auto* watch_layout = new QVBoxLayout(watch);
  auto* entry_row = new QHBoxLayout;
  watch_edit = new QLineEdit(watch);
  auto* add = new QPushButton("Add", watch);
  auto* remove = new QPushButton("Delete", watch);
  entry_row->addWidget(watch_edit);
  entry_row->addWidget(add);
  entry_row->addWidget(remove);
  watch_layout->addLayout(entry_row);
  watch_list = new QListWidget(watch);
  watch_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  watch_layout->addWidget(watch_list);
  watch_layout->addWidget(
      new QLabel("Use variables @1..@33, \n@100..@199, @500..@699 \naddresses A..Z\n"
                 "script variables #1..#298\ncurrent line $",
                 watch));
  pages->addTab(watch, "Watch");

  connect(add, &QPushButton::clicked, this, &TPlotStatus::AddClick);
  connect(remove, &QPushButton::clicked, this, &TPlotStatus::DeleteClick);
  connect(watch_edit, &QLineEdit::returnPressed, this, &TPlotStatus::AddClick);
  connect(turret_box, &QComboBox::currentIndexChanged, this, [this] { ShowPlotStatus(); });
}

void TPlotStatus::ShowPlotStatus() {
  // Only a two-turret program has a second turret to choose.
  const bool twin = bench_.settings.twin_turrets;
  turret_box->setVisible(twin);
  if (!twin) turret_box->setCurrentIndex(0);
  const bool lathe = bench_.settings.system_type == SystemType::kLathe;
  auto* status_form = qobject_cast<QFormLayout*>(pages->widget(kStatusPage)->layout());
  for (const auto& [caption, label] : fields_[kStatusPage]) {
    if (LatheOnlyField(caption)) status_form->setRowVisible(label, lathe);
  }
  const int turret = turret_box->currentIndex() == 1 ? 2 : 1;
  for (int page : {kStatusPage, kMovementPage}) {
    const StatusFields values = PageFields(bench_, page, turret);
    auto& labels = fields_[static_cast<size_t>(page)];
    for (size_t i = 0; i < labels.size() && i < values.size(); ++i) {
      labels[i].second->setText(Latin1(values[i].second));
    }
  }
  for (int row = 0; row < watch_list->count(); ++row) {
    QListWidgetItem* item = watch_list->item(row);
    item->setText(Latin1(WatchEntryText(bench_, turret, Bytes(item->text()))));
  }
}

void TPlotStatus::AddClick() {
  for (const std::string& entry : WatchEntries(Bytes(watch_edit->text()))) {
    watch_list->addItem(Latin1(entry));
  }
  watch_edit->clear();
  ShowPlotStatus();
}

void TPlotStatus::DeleteClick() {
  for (QListWidgetItem* item : watch_list->selectedItems()) delete item;
}

QString TPlotStatus::FieldText(int page, const QString& caption) const {
  if (page < 0 || page >= static_cast<int>(fields_.size())) return {};
  for (const auto& [name, label] : fields_[static_cast<size_t>(page)]) {
    if (name == caption) return label->text();
  }
  return {};
}

void TPlotStatus::showEvent(QShowEvent* event) {
  bench_.interp.time.accounting = true;
  ShowPlotStatus();
  QDialog::showEvent(event);
}

void TPlotStatus::hideEvent(QHideEvent* event) {
  // Closing or hiding the window stops the counting of time.
  bench_.interp.time.accounting = false;
  QDialog::hideEvent(event);
}

void TPlotStatus::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    bench_.interp.time.accounting = true;
    ShowPlotStatus();
  }
  QDialog::changeEvent(event);
}

void AddPlotStatusItem(QMenu* cam, Workbench& bench, QWidget* parent) {
  if (cam == nullptr) return;
  QAction* item = nullptr;
  for (QAction* a : cam->actions()) {
    if (a->text() == "Plot &Status...") item = a;
  }
  if (item == nullptr) return;
  item->setEnabled(true);
  auto* window = new TPlotStatus(bench, parent);
  bench.interp.run.on_run_end = [window = QPointer<TPlotStatus>(window)] {
    if (window && window->isVisible()) window->ShowPlotStatus();
  };
  // A long run also refreshes the open window whenever the plot is repainted on the way.
  bench.interp.run.on_progress = [plot = std::move(bench.interp.run.on_progress),
                                  window = QPointer<TPlotStatus>(window)] {
    if (plot) plot();
    if (window && window->isVisible()) window->ShowPlotStatus();
  };
  QObject::connect(item, &QAction::triggered, window, [window] {
    window->show();
    window->raise();
    window->activateWindow();
  });
}

}  // namespace vormak
