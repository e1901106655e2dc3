// Directories, Format and Toolbox pages.
#include <QCheckBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/configuration_pages.h"
#include "ui/configuration_widgets.h"
#include "workbench/workbench.h"

namespace vormak {

DirectoriesPage::DirectoriesPage(QWidget* parent) : ConfigPage(parent) {
  auto* form = new QFormLayout(this);
  extension_ = new QLineEdit(this);
  form->addRow("NC Extension:", extension_);
  const char* captions[] = {"CADL",  "DXF",      "IGES",    "NC",
                            "Tools", "Pictures", "Scripts", "Projects"};
  for (size_t i = 0; i < dirs_.size(); ++i) {
    auto* row = new QHBoxLayout;
    dirs_[i] = new QLineEdit(this);
    auto* browse = new QPushButton("...", this);
    browse->setMaximumWidth(30);
    QLineEdit* edit = dirs_[i];
    connect(browse, &QPushButton::clicked, this, [this, edit] {
      const QString dir = QFileDialog::getExistingDirectory(this, "Directory", edit->text());
      if (!dir.isEmpty()) edit->setText(dir);
    });
    row->addWidget(dirs_[i]);
    row->addWidget(browse);
    form->addRow(captions[i], row);
  }
}

void DirectoriesPage::Fill(const Workbench& bench) {
  const auto& s = bench.settings;
  extension_->setText(Latin1(s.nc_extension));
  const std::string* paths[] = {&s.cdl_path,  &s.dxf_path,     &s.iges_path,   &s.nc_path,
                                &s.tool_path, &s.picture_path, &s.script_path, &s.project_path};
  for (size_t i = 0; i < dirs_.size(); ++i) dirs_[i]->setText(Latin1(*paths[i]));
}

void DirectoriesPage::Apply(Workbench& bench) {
  auto& s = bench.settings;
  s.nc_extension = Bytes(extension_->text().trimmed());
  std::string* paths[] = {&s.cdl_path,  &s.dxf_path,     &s.iges_path,   &s.nc_path,
                          &s.tool_path, &s.picture_path, &s.script_path, &s.project_path};
  for (size_t i = 0; i < dirs_.size(); ++i) {
    std::string dir = Bytes(dirs_[i]->text().trimmed());
    // Directories are kept without a closing separator.
    while (dir.size() > 1 && (dir.back() == '\\' || dir.back() == '/')) dir.pop_back();
    *paths[i] = dir;
  }
}

FormatPage::FormatPage(QWidget* parent) : ConfigPage(parent) {
  auto* grid = new QGridLayout(this);
  auto* left = new QVBoxLayout;
  left->addWidget(new QLabel("Decimal Place Format", this));
  letters_ = new QListWidget(this);
  line_ = new QLineEdit(this);
  decimal_point_ = new QCheckBox("Use Decimal Points", this);
  leading_zeros_ = new QCheckBox("Leading Zeros", this);
  trailing_zeros_ = new QCheckBox("Trailing Zeros", this);
  left->addWidget(letters_);
  left->addWidget(line_);
  left->addWidget(decimal_point_);
  left->addWidget(leading_zeros_);
  left->addWidget(trailing_zeros_);
  grid->addLayout(left, 0, 0, 4, 1);

  auto* mirror = new QGroupBox("Mirror Axis", this);
  auto* mirror_row = new QHBoxLayout(mirror);
  const char* axes[] = {"X", "Y", "Z"};
  for (size_t i = 0; i < mirror_.size(); ++i) {
    mirror_[i] = new QCheckBox(axes[i], mirror);
    mirror_row->addWidget(mirror_[i]);
  }
  grid->addWidget(mirror, 0, 1);
  arc_format_ = new RadioGroup("Arc Format",
                               {{1, "Signed Incremental Distance\nFrom Startpoint to Center"},
                                {2, "Absolute Center of Arc"}},
                               this);
  grid->addWidget(arc_format_, 1, 1);
  arc_output_ = new RadioGroup("Arc Output", {{1, "R"}, {0, "I,J,K"}}, this, true);
  grid->addWidget(arc_output_, 2, 1);
  auto* bottom = new QFormLayout;
  lathe_minus_ = new QCheckBox("Lathe X = Minus", this);
  bottom->addRow(lathe_minus_);
  address_order_ = new QLineEdit(this);
  address_order_->setMaxLength(32);
  bottom->addRow("Address Order", address_order_);
  grid->addLayout(bottom, 3, 1);

  connect(letters_, &QListWidget::currentRowChanged, this, &FormatPage::LetterSelected);
  connect(line_, &QLineEdit::textEdited, this, &FormatPage::LineEdited);
  for (QCheckBox* box : {decimal_point_, leading_zeros_, trailing_zeros_}) {
    connect(box, &QCheckBox::clicked, this, &FormatPage::FlagsClicked);
  }
}

int FormatPage::EditedLetter() const {
  const QString text = line_->text();
  if (text.isEmpty() || !IsAddressLetter(static_cast<char>(text[0].unicode()))) return -1;
  return text[0].unicode() - 'A';
}

void FormatPage::ShowLetterLine(int letter) {
  const LetterFormat& f = formats_[static_cast<size_t>(letter)];
  letters_->item(letter)->setText(Latin1(std::string(1, f.letter) + "=" + LetterPattern(f)));
}

void FormatPage::LetterSelected(int row) {
  if (row < 0 || row >= kLetterCount) return;
  line_->setText(letters_->item(row)->text());
  const LetterFormat& f = formats_[static_cast<size_t>(row)];
  decimal_point_->setChecked(f.decimal_point);
  leading_zeros_->setChecked(f.leading_zeros);
  trailing_zeros_->setChecked(f.trailing_zeros);
}

void FormatPage::LineEdited(const QString& text) {
  const int letter = EditedLetter();
  // Only "X=" followed by a pattern counts; a bare letter or "X=" leaves the format alone.
  if (letter < 0 || text.size() <= 2 || text[1] != '=') return;
  LetterFormat& f = formats_[static_cast<size_t>(letter)];
  SetDigitsFromPattern(f, Bytes(text.mid(2)));
  ShowLetterLine(letter);
  decimal_point_->setChecked(f.decimal_point);
  leading_zeros_->setChecked(f.leading_zeros);
  trailing_zeros_->setChecked(f.trailing_zeros);
}

void FormatPage::FlagsClicked() {
  const int letter = EditedLetter();
  if (letter < 0) return;
  LetterFormat& f = formats_[static_cast<size_t>(letter)];
  f.decimal_point = decimal_point_->isChecked();
  f.leading_zeros = leading_zeros_->isChecked();
  f.trailing_zeros = trailing_zeros_->isChecked();
  // A format without decimals shows its point in the pattern ("000." against "000").
  ShowLetterLine(letter);
}

void FormatPage::Fill(const Workbench& bench) {
  const auto& s = bench.settings;
  letters_->clear();
  for (int i = 0; i < kLetterCount; ++i) {
    const char letter = static_cast<char>('A' + i);
    formats_[static_cast<size_t>(i)] =
        ReadLetterFormat(letter, s.letter_formats[static_cast<size_t>(i)]);
    letters_->addItem(QString());
    ShowLetterLine(i);
  }
  letters_->setCurrentRow(0);
  LetterSelected(0);
  for (size_t i = 0; i < mirror_.size(); ++i) mirror_[i]->setChecked(s.mirror[i]);
  arc_format_->SetValue(s.arc_type);
  arc_output_->SetValue(s.use[kUseArcOutputR] ? 1 : 0);
  lathe_minus_->setChecked(s.lathe_minus);
  address_order_->setText(Latin1(s.address_order));
}

void FormatPage::Apply(Workbench& bench) {
  auto& s = bench.settings;
  // The dialog's Apply reads these texts into format set 1 again.
  for (size_t i = 0; i < formats_.size(); ++i)
    s.letter_formats[i] = StoredLetterFormat(formats_[i]);
  for (size_t i = 0; i < mirror_.size(); ++i) s.mirror[i] = mirror_[i]->isChecked();
  s.arc_type = arc_format_->Value(s.arc_type);
  s.use.Set(kUseArcOutputR, arc_output_->Value(s.use[kUseArcOutputR] ? 1 : 0) == 1);
  s.lathe_minus = lathe_minus_->isChecked();
  s.address_order = Bytes(address_order_->text()).substr(0, 32);
}

ToolboxPage::ToolboxPage(QWidget* parent) : ConfigPage(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("Tool Box Buttons (number=command,bitmap):", this));
  list_ = new QListWidget(this);
  layout->addWidget(list_);
}

void ToolboxPage::Fill(const Workbench& bench) {
  list_->clear();
  for (int i = 0; i < kToolBoxButtons; ++i) {
    const auto& button = bench.settings.toolbox[static_cast<size_t>(i)];
    QString line = QString("%1=%2").arg(i + 1).arg(Latin1(button.command));
    if (!button.bitmap.empty()) line += "," + Latin1(button.bitmap);
    auto* item = new QListWidgetItem(line, list_);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
  }
}

void ToolboxPage::Apply(Workbench& bench) {
  for (int i = 0; i < kToolBoxButtons && i < list_->count(); ++i) {
    const std::string line = Bytes(list_->item(i)->text());
    const auto equals = line.find('=');
    const std::string value = equals == std::string::npos ? line : line.substr(equals + 1);
    const auto comma = value.find(',');
    auto& button = bench.settings.toolbox[static_cast<size_t>(i)];
    button.command = value.substr(0, comma);
    button.bitmap = comma == std::string::npos ? "" : value.substr(comma + 1);
  }
}

}  // namespace vormak
