// Plotting, Axis, Macros, Feedrates, Time and Tools pages.
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "settings/number_text.h"
#include "ui/configuration_pages.h"
#include "ui/configuration_widgets.h"
#include "workbench/workbench.h"

namespace vormak {
namespace {

struct FlagBox {
  int field;
  const char* caption;
};

// Plot options in the order they stand on the page.
constexpr FlagBox kPlotFlags[] = {
    {kUseCodes, "Codes"},
    {kUseTools, "Tools"},
    {kUseSubprograms, "Subprograms"},
    {kUseG92G50, "G92, G50"},
    {kUseRotary, "Rotary"},
    {kUseCoolant, "Coolant"},
    {kUseOffsets, "Offsets"},
    {kUseBlockSkip, "Block Skip"},
    {kUseMacros, "Macros"},
    {kUseRapid45, "Rapid 45"},
    {kUseVariables, "Variables"},
    {kUseCrashCheck, "Crash Check"},
    {kUseStepSubs, "Step Subs"},
    {kUseCheckSyntax, "Check Syntax"},
    {kUseCutterComp, "Cutter Comp"},
    {kUseSpindle, "Spindle"},
    {kUseSolidworks, "Solidworks"},
};
constexpr FlagBox kStopFlags[] = {
    {kUseStopM00, "M00"},
    {kUseStopM01, "M01"},
    {kUseStopBreakpoints, "Breakpoints"},
    {kUseStopTlTm, "TL, TM"},
};

QString SixDecimals(double value) {
  return QString::number(value, 'f', 6);
}

}  // namespace

PlottingPage::PlottingPage(Workbench& bench, QWidget* parent) : ConfigPage(parent), bench_(bench) {
  auto* layout = new QHBoxLayout(this);
  auto* options = new QGroupBox("Plotting", this);
  auto* option_grid = new QGridLayout(options);
  int n = 0;
  for (const auto& flag : kPlotFlags) {
    auto* box = new QCheckBox(flag.caption, options);
    flags_[static_cast<size_t>(flag.field)] = box;
    option_grid->addWidget(box, n % 9, n / 9);
    ++n;
  }
  // Macros and variables are always interpreted; their boxes stay out of sight.
  flags_[kUseMacros]->hide();
  flags_[kUseVariables]->hide();
  layout->addWidget(options);

  auto* right = new QVBoxLayout;
  auto* stop = new QGroupBox("Stop On", this);
  auto* stop_layout = new QVBoxLayout(stop);
  for (const auto& flag : kStopFlags) {
    auto* box = new QCheckBox(flag.caption, stop);
    flags_[static_cast<size_t>(flag.field)] = box;
    stop_layout->addWidget(box);
  }
  right->addWidget(stop);
  auto* form = new QFormLayout;
  speed_factor_ = new QLineEdit(this);
  auto* check = new QPushButton("Check", this);
  auto* speed_row = new QHBoxLayout;
  speed_row->addWidget(speed_factor_);
  speed_row->addWidget(check);
  form->addRow("Plot Speed Factor:", speed_row);
  clip_margin_ = new QLineEdit(this);
  form->addRow("Tool Clip Margin:", clip_margin_);
  animation_ = new QLineEdit(this);
  form->addRow("Animation 1-100%:", animation_);
  right->addLayout(form);
  right->addStretch();
  layout->addLayout(right);
  connect(check, &QPushButton::clicked, this, &PlottingPage::CheckSpeed);
}

void PlottingPage::CheckSpeed() {
  // How fast this computer counts decides how long the animation waits per step.
  const long long start = bench_.host().TickMilliseconds();
  volatile long counter = 0;
  for (long i = 0; i < 10'000'000; ++i) counter = counter + 1;
  // A clock too coarse to see the loop must not give an endless factor.
  const long long elapsed = std::max(1LL, bench_.host().TickMilliseconds() - start);
  speed_factor_->setText(QString::number(std::llround(5.2 / (elapsed / 1000.0))));
}

void PlottingPage::Fill(const Workbench& bench) {
  const auto& s = bench.settings;
  for (int field = 1; field <= kUseFlagCount; ++field) {
    if (auto* box = flags_[static_cast<size_t>(field)]) box->setChecked(s.use[field]);
  }
  SetNumber(speed_factor_, s.plot_speed_factor);
  SetNumber(clip_margin_, s.clip_tool_margin);
  animation_->setText(QString::number(101 - s.plot_speed));
}

void PlottingPage::Apply(Workbench& bench) {
  auto& s = bench.settings;
  for (int field = 1; field <= kUseFlagCount; ++field) {
    if (auto* box = flags_[static_cast<size_t>(field)]) s.use.Set(field, box->isChecked());
  }
  s.plot_speed_factor = NumberOf(speed_factor_, s.plot_speed_factor);
  s.clip_tool_margin = NumberOf(clip_margin_, s.clip_tool_margin);
  const long long speed = 101 - WholeNumberOf(animation_, 101 - s.plot_speed);
  s.plot_speed = speed < 1 || speed > 100 ? 50 : static_cast<int>(speed);
}

AxisPage::AxisPage(QWidget* parent) : ConfigPage(parent) {
  auto* layout = new QHBoxLayout(this);
  auto* rotary = new QVBoxLayout;
  const char* names[] = {"A-axis Rotates Around", "B-axis Rotates Around", "C-axis Rotates Around"};
  for (size_t i = 0; i < rotary_.size(); ++i) {
    rotary_[i] = new RadioGroup(names[i], {{1, "X"}, {2, "Y"}, {3, "Z"}}, this, true);
    rotary->addWidget(rotary_[i]);
  }
  layout->addLayout(rotary);
  auto* solid = new QGroupBox("Solid Works Axis Name:", this);
  auto* form = new QFormLayout(solid);
  const char* axes[] = {"X", "Y", "Z", "A", "B", "C"};
  for (size_t i = 0; i < sldwrks_.size(); ++i) {
    sldwrks_[i] = new QLineEdit(solid);
    form->addRow(axes[i], sldwrks_[i]);
  }
  // No CAD automation here: the link writes its sends to this file for a macro to follow.
  link_file_ = new QLineEdit(solid);
  form->addRow("Link File:", link_file_);
  layout->addWidget(solid);
}

void AxisPage::Fill(const Workbench& bench) {
  for (size_t i = 0; i < rotary_.size(); ++i) rotary_[i]->SetValue(bench.settings.rotary_axis[i]);
  for (size_t i = 0; i < sldwrks_.size(); ++i)
    sldwrks_[i]->setText(Latin1(bench.settings.sldwrks[i]));
  link_file_->setText(Latin1(bench.settings.model_link_file));
}

void AxisPage::Apply(Workbench& bench) {
  auto& s = bench.settings;
  for (size_t i = 0; i < rotary_.size(); ++i)
    s.rotary_axis[i] = rotary_[i]->Value(s.rotary_axis[i]);
  for (size_t i = 0; i < sldwrks_.size(); ++i) s.sldwrks[i] = Bytes(sldwrks_[i]->text().trimmed());
  s.model_link_file = Bytes(link_file_->text().trimmed());
}

MacrosPage::MacrosPage(QWidget* parent) : ConfigPage(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("Macro Call", this));
  table_ = new QTableWidget(kMacroCallRows, 3, this);
  table_->setHorizontalHeaderLabels({"Name", "Value", "Program"});
  table_->horizontalHeader()->setStretchLastSection(true);
  layout->addWidget(table_);
}

void MacrosPage::Fill(const Workbench& bench) {
  for (int row = 0; row < kMacroCallRows; ++row) {
    const auto& m = bench.settings.macros[static_cast<size_t>(row)];
    const bool used = !m.name.empty();
    table_->setItem(row, 0, new QTableWidgetItem(Latin1(m.name)));
    table_->setItem(row, 1, new QTableWidgetItem(used ? Latin1(PlainNumberText(m.value)) : ""));
    table_->setItem(row, 2, new QTableWidgetItem(used ? QString::number(m.program) : ""));
  }
}

void MacrosPage::Apply(Workbench& bench) {
  for (int row = 0; row < kMacroCallRows; ++row) {
    auto& m = bench.settings.macros[static_cast<size_t>(row)];
    auto text = [&](int column) {
      const auto* item = table_->item(row, column);
      return item == nullptr ? std::string() : Bytes(item->text().trimmed());
    };
    m.name = text(0).substr(0, 10);
    m.value = ReadNumber(text(1)).value_or(0);
    m.program = static_cast<int>(std::llround(ReadNumber(text(2)).value_or(0)));
  }
}

FeedratesPage::FeedratesPage(QWidget* parent) : ConfigPage(parent) {
  auto* grid = new QGridLayout(this);
  rapid_cutoff_ = new QLineEdit(this);
  feed_cutoff_ = new QLineEdit(this);
  grid->addWidget(new QLabel("Feedrates higher than F", this), 0, 0);
  grid->addWidget(rapid_cutoff_, 0, 1);
  grid->addWidget(new QLabel("Will be shown as Rapid", this), 0, 2);
  grid->addWidget(new QLabel("Feedrates higher than F", this), 1, 0);
  grid->addWidget(feed_cutoff_, 1, 1);
  grid->addWidget(new QLabel("Will be shown in Red", this), 1, 2);
  grid->setRowStretch(2, 1);
}

void FeedratesPage::Fill(const Workbench& bench) {
  SetNumber(rapid_cutoff_, bench.settings.rapid_cutoff);
  SetNumber(feed_cutoff_, bench.settings.feed_cutoff);
}

void FeedratesPage::Apply(Workbench& bench) {
  bench.settings.rapid_cutoff = NumberOf(rapid_cutoff_, bench.settings.rapid_cutoff);
  bench.settings.feed_cutoff = NumberOf(feed_cutoff_, bench.settings.feed_cutoff);
}

TimePage::TimePage(QWidget* parent) : ConfigPage(parent) {
  auto* layout = new QHBoxLayout(this);
  auto* form = new QFormLayout;
  decel_ = new QLineEdit(this);
  rapid_feed_ = new QLineEdit(this);
  rotary_rapid_ = new QLineEdit(this);
  max_rpm_ = new QLineEdit(this);
  form->addRow("Deceleration Factor:", decel_);
  form->addRow("Rapid Feedrate:", rapid_feed_);
  form->addRow(new QLabel("Rotary Table Rapid", this));
  form->addRow("Degrees per Minute:", rotary_rapid_);
  form->addRow("Maximum RPM:", max_rpm_);
  layout->addLayout(form);
  auto* add_time = new QGroupBox("Add Time when find String", this);
  auto* add_layout = new QVBoxLayout(add_time);
  add_time_ = new QTableWidget(6, 2, add_time);
  add_time_->setHorizontalHeaderLabels({"String", "Minutes"});
  add_layout->addWidget(add_time_);
  layout->addWidget(add_time);
}

void TimePage::Fill(const Workbench& bench) {
  const auto& s = bench.settings;
  decel_->setText(SixDecimals(s.decel_factor));
  SetNumber(rapid_feed_, s.rapid_feed);
  SetNumber(rotary_rapid_, s.rotary_rapid);
  SetNumber(max_rpm_, s.max_rpm);
}

void TimePage::Apply(Workbench& bench) {
  auto& s = bench.settings;
  s.decel_factor = NumberOf(decel_, s.decel_factor);
  s.rapid_feed = NumberOf(rapid_feed_, s.rapid_feed);
  s.rotary_rapid = NumberOf(rotary_rapid_, s.rotary_rapid);
  s.max_rpm = NumberOf(max_rpm_, s.max_rpm);
}

ToolsPage::ToolsPage(QWidget* parent) : ConfigPage(parent) {
  auto* layout = new QHBoxLayout(this);
  solid_color_ = new RadioGroup("Solid Tool Color",
                                {{0, "Black"}, {1, "Current Color"}, {2, "Change EachTool"}}, this);
  layout->addWidget(solid_color_);
  auto* form = new QFormLayout;
  solid_layer_ = new QLineEdit(this);
  stamp_ = new QLineEdit(this);
  stamp_->setMaxLength(30);
  tool_library_ = new QLineEdit(this);
  form->addRow("Solid Layer=", solid_layer_);
  form->addRow("Stamp:", stamp_);
  form->addRow("Tool Library Filename:", tool_library_);
  layout->addLayout(form);
}

void ToolsPage::Fill(const Workbench& bench) {
  const auto& s = bench.settings;
  solid_color_->SetValue(s.solid_tool_color);
  solid_layer_->setText(QString::number(s.solid_layer));
  stamp_->setText(Latin1(s.stamp));
  tool_library_->setText(Latin1(s.tool_library_file));
}

void ToolsPage::Apply(Workbench& bench) {
  auto& s = bench.settings;
  s.solid_tool_color = solid_color_->Value(s.solid_tool_color);
  const long long layer = WholeNumberOf(solid_layer_, 254);
  s.solid_layer = layer >= 1 && layer <= 254 ? static_cast<int>(layer) : 254;
  s.stamp = Bytes(stamp_->text()).substr(0, 30);
  s.tool_library_file = Bytes(tool_library_->text().trimmed());
}

}  // namespace vormak
