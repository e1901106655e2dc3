// Machine, Screen, Editor, Punch and Syntax pages.
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/configuration_pages.h"
#include "ui/configuration_widgets.h"
#include "workbench/workbench.h"

namespace vormak {
namespace {

QCheckBox* AddCheck(QLayout* layout, const char* caption, QWidget* parent) {
  auto* box = new QCheckBox(caption, parent);
  layout->addWidget(box);
  return box;
}

QLineEdit* OneCharacterEdit(QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setMaxLength(1);
  edit->setMaximumWidth(40);
  return edit;
}

// Highlight colour numbers: 0 none, 1 R(ed), 2 B(lue), 3 G(reen), 4 M(agenta), 5 O(range).
QComboBox* HighlightColourCombo(QWidget* parent) {
  auto* combo = new QComboBox(parent);
  combo->addItems({"None", "R", "B", "G", "M", "O"});
  return combo;
}

int ComboColour(const QComboBox* combo) {
  return std::max(0, combo->currentIndex());
}

}  // namespace

MachinePage::MachinePage(QWidget* parent) : ConfigPage(parent) {
  auto* grid = new QGridLayout(this);
  auto* name_row = new QFormLayout;
  name_ = new QLineEdit(this);
  name_row->addRow("Machine Name:", name_);
  grid->addLayout(name_row, 0, 0, 1, 3);
  system_type_ = new RadioGroup("System Type", {{1, "Lathe"}, {2, "Mill"}, {3, "EDM"}}, this);
  orientation_ = new RadioGroup("Lathe Orientation", {{0, "Horizontal"}, {1, "Vertical"}}, this);
  x_axis_ = new RadioGroup("Lathe X-Axis", {{0, "Diameter"}, {1, "Radius"}}, this);
  grid->addWidget(system_type_, 1, 0);
  grid->addWidget(orientation_, 1, 1);
  grid->addWidget(x_axis_, 1, 2);
  auto* renumber = new QGroupBox("Renumber", this);
  auto* renumber_form = new QFormLayout(renumber);
  start_block_ = new QLineEdit(renumber);
  block_increment_ = new QLineEdit(renumber);
  renumber_form->addRow("Start Block #", start_block_);
  renumber_form->addRow("Block # Increment:", block_increment_);
  grid->addWidget(renumber, 2, 0);
  twin_turrets_ = new QCheckBox("Okuma Twin Turrets", this);
  grid->addWidget(twin_turrets_, 2, 1);
  auto* home = new QGroupBox("Home X Y Z", this);
  auto* home_row = new QHBoxLayout(home);
  for (auto*& edit : home_) {
    edit = new QLineEdit(home);
    home_row->addWidget(edit);
  }
  grid->addWidget(home, 3, 0, 1, 3);
}

void MachinePage::Fill(const Workbench& bench) {
  const auto& s = bench.settings;
  name_->setText(Latin1(s.machine_name));
  system_type_->SetValue(static_cast<int>(s.system_type));
  orientation_->SetValue(s.vertical_lathe ? 1 : 0);
  x_axis_->SetValue(s.x_radius ? 1 : 0);
  start_block_->setText(QString::number(s.start_block));
  block_increment_->setText(QString::number(s.block_increment));
  twin_turrets_->setChecked(s.twin_turrets);
  for (size_t i = 0; i < home_.size(); ++i) SetNumber(home_[i], s.home_xyz[i]);
}

void MachinePage::Apply(Workbench& bench) {
  auto& s = bench.settings;
  s.machine_name = Bytes(name_->text().trimmed());
  s.system_type = static_cast<SystemType>(system_type_->Value(static_cast<int>(s.system_type)));
  s.vertical_lathe = orientation_->Value(s.vertical_lathe ? 1 : 0) == 1;
  s.x_radius = x_axis_->Value(s.x_radius ? 1 : 0) == 1;
  s.start_block = WholeNumberOf(start_block_, s.start_block);
  s.block_increment = WholeNumberOf(block_increment_, s.block_increment);
  s.twin_turrets = twin_turrets_->isChecked();
  for (size_t i = 0; i < home_.size(); ++i) s.home_xyz[i] = NumberOf(home_[i], s.home_xyz[i]);
}

ScreenPage::ScreenPage(QWidget* parent) : ConfigPage(parent) {
  auto* grid = new QGridLayout(this);
  background_ = new RadioGroup("Background Color",
                               {{0, "Black"}, {1, "White"}, {2, "Dark Blue"}, {3, "Grey"}}, this);
  cad_type_ = new RadioGroup("CAD File Type",
                             {{static_cast<int>(CadFileType::kCdl), "CADL"},
                              {static_cast<int>(CadFileType::kDxf), "DXF"},
                              {static_cast<int>(CadFileType::kIges), "IGES"}},
                             this);
  grid->addWidget(background_, 0, 0);
  grid->addWidget(cad_type_, 0, 1);
  auto* checks = new QVBoxLayout;
  mirror_lathe_cad_ = AddCheck(checks, "Mirror Cad For Lathe", this);
  clip_draw_ = AddCheck(checks, "Clip Draw", this);
  save_toolbar_pos_ = AddCheck(checks, "Save Toolbar Positions", this);
  checks->addStretch();
  grid->addLayout(checks, 0, 2);
  auto* custom = new QGroupBox("Custom Utilities", this);
  auto* form = new QFormLayout(custom);
  for (size_t i = 0; i < exec_.size(); ++i) {
    exec_[i] = new QLineEdit(custom);
    form->addRow(QString("EXE Filename %1").arg(i + 1), exec_[i]);
  }
  grid->addWidget(custom, 1, 0, 1, 3);
}

void ScreenPage::Fill(const Workbench& bench) {
  const auto& s = bench.settings;
  background_->SetValue(s.background_color);
  cad_type_->SetValue(static_cast<int>(s.cad_file_type));
  mirror_lathe_cad_->setChecked(s.mirror_lathe_cad);
  clip_draw_->setChecked(s.clip_draw);
  save_toolbar_pos_->setChecked(s.save_toolbar_pos);
  for (size_t i = 0; i < exec_.size(); ++i) exec_[i]->setText(Latin1(s.exec[i]));
}

void ScreenPage::Apply(Workbench& bench) {
  auto& s = bench.settings;
  s.background_color = background_->Value(s.background_color);
  s.cad_file_type = static_cast<CadFileType>(cad_type_->Value(static_cast<int>(s.cad_file_type)));
  s.mirror_lathe_cad = mirror_lathe_cad_->isChecked();
  s.clip_draw = clip_draw_->isChecked();
  s.save_toolbar_pos = save_toolbar_pos_->isChecked();
  for (size_t i = 0; i < exec_.size(); ++i) s.exec[i] = Bytes(exec_[i]->text().trimmed());
}

EditorPage::EditorPage(Workbench& bench, QWidget* parent) : ConfigPage(parent), bench_(bench) {
  auto* grid = new QGridLayout(this);
  auto* left = new QVBoxLayout;
  upper_case_ = AddCheck(left, "Upper Case Only", this);
  recall_files_ = AddCheck(left, "Load Last File at Startup", this);
  save_backup_ = AddCheck(left, "Save Backup Files", this);
  use_revisions_ = AddCheck(left, "Use Revisions", this);
  auto* size_row = new QHBoxLayout;
  window_size_ = new QLineEdit(this);
  window_size_->setMaximumWidth(60);
  size_row->addWidget(new QLabel("Start Edit Window Size:", this));
  size_row->addWidget(window_size_);
  size_row->addWidget(new QLabel("% of Window", this));
  left->addLayout(size_row);
  auto* comment_row = new QHBoxLayout;
  comment_char_ = OneCharacterEdit(this);
  end_comment_char_ = OneCharacterEdit(this);
  comment_row->addWidget(new QLabel("Comment Character:", this));
  comment_row->addWidget(comment_char_);
  comment_row->addWidget(new QLabel("End:", this));
  comment_row->addWidget(end_comment_char_);
  left->addLayout(comment_row);
  line_break_ = new RadioGroup(
      "Save File Line Break Format",
      {{1, "MS-Dos Style Save (CR-LF)"}, {2, "Mac Style Save (CR)"}, {3, "Unix Style Save (LF)"}},
      this);
  left->addWidget(line_break_);
  left->addStretch();
  grid->addLayout(left, 0, 0);

  auto* highlight = new QGroupBox("Color Highlight", this);
  auto* hl_grid = new QGridLayout(highlight);
  for (size_t i = 0; i < highlight_chars_.size(); ++i) {
    highlight_chars_[i] = OneCharacterEdit(highlight);
    highlight_colours_[i] = HighlightColourCombo(highlight);
    hl_grid->addWidget(highlight_chars_[i], static_cast<int>(i), 0);
    hl_grid->addWidget(highlight_colours_[i], static_cast<int>(i), 1);
  }
  highlight_comments_ = new QCheckBox("Highlight Comments:", highlight);
  highlight_colours_[6] = HighlightColourCombo(highlight);
  hl_grid->addWidget(highlight_comments_, 6, 0);
  hl_grid->addWidget(highlight_colours_[6], 6, 1);
  use_highlight_ = new QCheckBox("Use Highlight", highlight);
  hl_grid->addWidget(use_highlight_, 7, 0, 1, 2);
  grid->addWidget(highlight, 0, 1);

  // The main pane saves in the chosen style from this moment on, dialog applied or not.
  connect(line_break_, &RadioGroup::Chosen, this, [this](int style) {
    auto* pane = bench_.Pane(1);
    pane->SetLineBreakStyle(style == 2   ? LineBreakStyle::kCr
                            : style == 3 ? LineBreakStyle::kLf
                                         : LineBreakStyle::kCrLf);
  });
}

void EditorPage::Fill(const Workbench& bench) {
  const auto& s = bench.settings;
  upper_case_->setChecked(s.upper_case);
  recall_files_->setChecked(s.recall_files);
  save_backup_->setChecked(s.use[kUseSaveBackup]);
  use_revisions_->setChecked(s.use[kUseRevisions]);
  window_size_->setText(QString::number(s.edit_window_size));
  comment_char_->setText(Latin1(s.comment_char));
  end_comment_char_->setText(Latin1(s.end_comment_char));
  line_break_->SetValue(s.file_save_style);
  for (size_t i = 0; i < highlight_chars_.size(); ++i) {
    const char c = s.highlight[i].character;
    highlight_chars_[i]->setText(c > ' ' ? QString(QChar::fromLatin1(c)) : QString());
  }
  for (size_t i = 0; i < highlight_colours_.size(); ++i) {
    const int colour = s.highlight[i].colour;
    highlight_colours_[i]->setCurrentIndex(colour >= 0 && colour <= 5 ? colour : 0);
  }
  highlight_comments_->setChecked(s.highlight[6].character == '(');
  use_highlight_->setChecked(s.use[kUseHighlight]);
}

void EditorPage::Apply(Workbench& bench) {
  auto& s = bench.settings;
  s.upper_case = upper_case_->isChecked();
  s.use.Set(kUseUpperCase, s.upper_case);
  s.recall_files = recall_files_->isChecked();
  s.use.Set(kUseSaveBackup, save_backup_->isChecked());
  s.use.Set(kUseRevisions, use_revisions_->isChecked());
  s.edit_window_size = WholeNumberOf(window_size_, s.edit_window_size);
  s.comment_char = Bytes(comment_char_->text());
  if (s.comment_char.empty()) s.comment_char = "(";
  s.end_comment_char = Bytes(end_comment_char_->text());
  if (s.end_comment_char.empty() && s.comment_char == "(") s.end_comment_char = ")";
  s.file_save_style = line_break_->Value(s.file_save_style);
  for (size_t i = 0; i < highlight_chars_.size(); ++i) {
    const std::string c = Bytes(highlight_chars_[i]->text());
    s.highlight[i].character = c.empty() ? 0 : c[0];
    s.highlight[i].colour = ComboColour(highlight_colours_[i]);
  }
  s.highlight[6].character = highlight_comments_->isChecked() ? '(' : 0;
  s.highlight[6].colour = ComboColour(highlight_colours_[6]);
  s.use.Set(kUseHighlight, use_highlight_->isChecked());
}

PunchPage::PunchPage(QWidget* parent) : ConfigPage(parent) {
  auto* grid = new QGridLayout(this);
  code_type_ = new RadioGroup("Code Type", {{1, "ASCII File"}, {2, "EIA"}, {3, "ISO"}}, this);
  port_ = new RadioGroup("Port", {{1, "Comm1"}, {2, "Comm2"}, {3, "Comm3"}, {4, "Comm4"}}, this);
  baud_rate_ = new RadioGroup("Baud Rate",
                              {{600, "600"},
                               {1200, "1200"},
                               {2400, "2400"},
                               {4800, "4800"},
                               {9600, "9600"},
                               {19200, "19200"},
                               {38400, "38400"},
                               {57600, "57600"},
                               {115200, "115200"}},
                              this);
  parity_ = new RadioGroup("Parity", {{'O', "ODD"}, {'E', "EVEN"}, {'N', "NONE"}}, this);
  data_bits_ = new RadioGroup("Data Bits", {{7, "7"}, {8, "8"}}, this);
  stop_bits_ = new RadioGroup("Stop Bits", {{1, "1"}, {2, "2"}}, this);
  handshake_ = new RadioGroup("Handshake", {{0, "None"}, {1, "Hardware"}, {2, "XON / XOFF"}}, this);
  grid->addWidget(code_type_, 0, 0);
  grid->addWidget(port_, 0, 1);
  grid->addWidget(baud_rate_, 0, 2, 2, 1);
  grid->addWidget(parity_, 1, 0);
  grid->addWidget(data_bits_, 1, 1);
  grid->addWidget(stop_bits_, 2, 1);
  grid->addWidget(handshake_, 2, 0);
  auto* form = new QFormLayout;
  wait_ = new QLineEdit(this);
  leader_ = new QLineEdit(this);
  auto* wait_row = new QHBoxLayout;
  wait_row->addWidget(wait_);
  wait_row->addWidget(new QLabel("(between lines)", this));
  auto* leader_row = new QHBoxLayout;
  leader_row->addWidget(leader_);
  leader_row->addWidget(new QLabel("(number of inches)", this));
  form->addRow("Wait Time:", wait_row);
  form->addRow("Leader:", leader_row);
  device_ = new QComboBox(this);
  device_->setEditable(true);
  device_->setToolTip("Serial device; empty uses the port's standard device");
  form->addRow("Device:", device_);
  grid->addLayout(form, 3, 0, 1, 3);
}

void PunchPage::Fill(const Workbench& bench) {
  const auto& s = bench.settings;
  code_type_->SetValue(s.punch_type);
  port_->SetValue(s.comm_port);
  baud_rate_->SetValue(s.comm_baud_rate);
  parity_->SetValue(s.comm_parity);
  data_bits_->SetValue(s.comm_data_bits);
  stop_bits_->SetValue(s.comm_stop_bits);
  handshake_->SetValue(s.comm_handshake);
  wait_->setText(QString::number(s.punch_wait));
  leader_->setText(QString::number(s.inches_leader));
  device_->clear();
  device_->addItem(QString());
  device_->addItems(SerialDevicePaths());
  device_->setCurrentText(Latin1(s.comm_device));
}

void PunchPage::Apply(Workbench& bench) {
  auto& s = bench.settings;
  s.punch_type = code_type_->Value(s.punch_type);
  s.comm_port = port_->Value(s.comm_port);
  s.comm_baud_rate = baud_rate_->Value(s.comm_baud_rate);
  s.comm_parity = static_cast<char>(parity_->Value(s.comm_parity));
  s.comm_data_bits = data_bits_->Value(s.comm_data_bits);
  s.comm_stop_bits = stop_bits_->Value(s.comm_stop_bits);
  s.comm_handshake = handshake_->Value(s.comm_handshake);
  s.punch_wait = static_cast<int>(WholeNumberOf(wait_, s.punch_wait));
  s.inches_leader = static_cast<int>(WholeNumberOf(leader_, s.inches_leader));
  s.comm_device = Bytes(device_->currentText().trimmed());
}

SyntaxPage::SyntaxPage(QWidget* parent) : ConfigPage(parent) {
  auto* grid = new QGridLayout(this);
  code_format_ =
      new RadioGroup("Code Format", {{0, "Fanuc"}, {1, "Heidenhein 432"}, {2, "Okuma"}}, this);
  code_format_->Button(1)->hide();
  grid->addWidget(code_format_, 0, 0);
  auto* warnings = new QVBoxLayout;
  warn_coolant_ = AddCheck(warnings, "Warn No Coolant", this);
  warn_spindle_ = AddCheck(warnings, "Warn No Spindle", this);
  warnings->addStretch();
  grid->addLayout(warnings, 0, 1);
  auto* form = new QFormLayout;
  multi_address_ = new QLineEdit(this);
  ignore_char_ = new QLineEdit(this);
  var_prefix_ = OneCharacterEdit(this);
  custom_script_ = new QLineEdit(this);
  form->addRow("Allow these multiple addresses:", multi_address_);
  form->addRow("Ignore Line if Character \nis at beginning", ignore_char_);
  form->addRow("Variable Prefix:", var_prefix_);
  form->addRow("Pre-Process Script:", custom_script_);
  grid->addLayout(form, 1, 0, 1, 2);
}

void SyntaxPage::Fill(const Workbench& bench) {
  const auto& s = bench.settings;
  code_format_->SetValue(s.code_format);
  multi_address_->setText(Latin1(s.multi_address));
  ignore_char_->setText(Latin1(s.ignore_char));
  var_prefix_->setText(Latin1(s.var_prefix));
  custom_script_->setText(Latin1(s.custom_script));
  warn_coolant_->setChecked(s.use[kUseWarnNoCoolant]);
  warn_spindle_->setChecked(s.use[kUseWarnNoSpindle]);
}

void SyntaxPage::Apply(Workbench& bench) {
  auto& s = bench.settings;
  s.code_format = code_format_->Value(s.code_format);
  s.multi_address = Bytes(multi_address_->text());
  s.ignore_char = Bytes(ignore_char_->text());
  s.var_prefix = Bytes(var_prefix_->text());
  s.custom_script = Bytes(custom_script_->text().trimmed());
  s.use.Set(kUseWarnNoCoolant, warn_coolant_->isChecked());
  s.use.Set(kUseWarnNoSpindle, warn_spindle_->isChecked());
}

}  // namespace vormak
