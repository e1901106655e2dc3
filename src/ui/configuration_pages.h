#pragma once
// The pages of the Configuration dialog. Each page fills its controls from the workbench's
// settings when the dialog is activated and writes them back when the dialog applies.

#include <QWidget>

#include <array>

#include "settings/machine_settings.h"
#include "settings/word_format.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QTableWidget;

namespace vormak {

class Workbench;
class RadioGroup;

class ConfigPage : public QWidget {
  Q_OBJECT
 public:
  using QWidget::QWidget;
  virtual void Fill(const Workbench& bench) = 0;
  virtual void Apply(Workbench& bench) = 0;
  virtual const char* HelpTopic() const = 0;
};

class DirectoriesPage : public ConfigPage {
  Q_OBJECT
 public:
  explicit DirectoriesPage(QWidget* parent = nullptr);
  void Fill(const Workbench& bench) override;
  void Apply(Workbench& bench) override;
  const char* HelpTopic() const override { return "idh_directories"; }

 private:
  QLineEdit* extension_;
  std::array<QLineEdit*, 8> dirs_{};  // CADL, DXF, IGES, NC, Tools, Pictures, Scripts, Projects
};

class FormatPage : public ConfigPage {
  Q_OBJECT
 public:
  explicit FormatPage(QWidget* parent = nullptr);
  void Fill(const Workbench& bench) override;
  void Apply(Workbench& bench) override;
  const char* HelpTopic() const override { return "idh_format"; }

  QListWidget* letter_list() const { return letters_; }
  QLineEdit* letter_edit() const { return line_; }

 private:
  void LetterSelected(int row);
  void LineEdited(const QString& text);
  void FlagsClicked();
  int EditedLetter() const;  // 0..25, -1 when the line names none

  void ShowLetterLine(int letter);

  FormatSet formats_{};  // the letters as edited, taken into format set 1 on Apply
  QListWidget* letters_;
  QLineEdit* line_;
  QCheckBox* decimal_point_;
  QCheckBox* leading_zeros_;
  QCheckBox* trailing_zeros_;
  std::array<QCheckBox*, 3> mirror_{};
  RadioGroup* arc_format_;
  RadioGroup* arc_output_;
  QCheckBox* lathe_minus_;
  QLineEdit* address_order_;
};

class PlottingPage : public ConfigPage {
  Q_OBJECT
 public:
  explicit PlottingPage(Workbench& bench, QWidget* parent = nullptr);
  void Fill(const Workbench& bench) override;
  void Apply(Workbench& bench) override;
  const char* HelpTopic() const override { return "idh_configure_plotting"; }
  QLineEdit* speed_factor_edit() const { return speed_factor_; }
  QLineEdit* animation_edit() const { return animation_; }

 private:
  void CheckSpeed();

  Workbench& bench_;
  std::array<QCheckBox*, kUseFlagCount + 1> flags_{};  // by Use field; null where not here
  QLineEdit* speed_factor_;
  QLineEdit* clip_margin_;
  QLineEdit* animation_;
};

class AxisPage : public ConfigPage {
  Q_OBJECT
 public:
  explicit AxisPage(QWidget* parent = nullptr);
  void Fill(const Workbench& bench) override;
  void Apply(Workbench& bench) override;
  const char* HelpTopic() const override { return "idh_configure_rotary_axis"; }

 private:
  std::array<RadioGroup*, 3> rotary_{};
  std::array<QLineEdit*, 6> sldwrks_{};
  QLineEdit* link_file_ = nullptr;
};

class MacrosPage : public ConfigPage {
  Q_OBJECT
 public:
  explicit MacrosPage(QWidget* parent = nullptr);
  void Fill(const Workbench& bench) override;
  void Apply(Workbench& bench) override;
  const char* HelpTopic() const override { return "idh_macros"; }

 private:
  QTableWidget* table_;
};

class FeedratesPage : public ConfigPage {
  Q_OBJECT
 public:
  explicit FeedratesPage(QWidget* parent = nullptr);
  void Fill(const Workbench& bench) override;
  void Apply(Workbench& bench) override;
  const char* HelpTopic() const override { return "idh_feedrates"; }

 private:
  QLineEdit* rapid_cutoff_;
  QLineEdit* feed_cutoff_;
};

class TimePage : public ConfigPage {
  Q_OBJECT
 public:
  explicit TimePage(QWidget* parent = nullptr);
  void Fill(const Workbench& bench) override;
  void Apply(Workbench& bench) override;
  const char* HelpTopic() const override { return "idh_configure_time"; }
  QLineEdit* decel_edit() const { return decel_; }

 private:
  QLineEdit* decel_;
  QLineEdit* rapid_feed_;
  QLineEdit* rotary_rapid_;
  QLineEdit* max_rpm_;
  QTableWidget* add_time_;  // "Add Time when find String": shown, never written
};

class ToolsPage : public ConfigPage {
  Q_OBJECT
 public:
  explicit ToolsPage(QWidget* parent = nullptr);
  void Fill(const Workbench& bench) override;
  void Apply(Workbench& bench) override;
  const char* HelpTopic() const override { return "idh_configure_tools"; }
  QLineEdit* solid_layer_edit() const { return solid_layer_; }

 private:
  RadioGroup* solid_color_;
  QLineEdit* solid_layer_;
  QLineEdit* stamp_;
  QLineEdit* tool_library_;
};

class MachinePage : public ConfigPage {
  Q_OBJECT
 public:
  explicit MachinePage(QWidget* parent = nullptr);
  void Fill(const Workbench& bench) override;
  void Apply(Workbench& bench) override;
  const char* HelpTopic() const override { return "idh_configure_machine"; }
  QLineEdit* name_edit() const { return name_; }
  QCheckBox* twin_turrets_box() const { return twin_turrets_; }

 private:
  QLineEdit* name_;
  RadioGroup* system_type_;
  RadioGroup* orientation_;
  RadioGroup* x_axis_;
  QLineEdit* start_block_;
  QLineEdit* block_increment_;
  QCheckBox* twin_turrets_;
  std::array<QLineEdit*, 3> home_{};
};

class ScreenPage : public ConfigPage {
  Q_OBJECT
 public:
  explicit ScreenPage(QWidget* parent = nullptr);
  void Fill(const Workbench& bench) override;
  void Apply(Workbench& bench) override;
  const char* HelpTopic() const override { return "idh_configure_screen"; }

 private:
  RadioGroup* background_;
  RadioGroup* cad_type_;
  QCheckBox* mirror_lathe_cad_;
  QCheckBox* clip_draw_;
  QCheckBox* save_toolbar_pos_;
  std::array<QLineEdit*, kCustomPrograms> exec_{};
};

class EditorPage : public ConfigPage {
  Q_OBJECT
 public:
  explicit EditorPage(Workbench& bench, QWidget* parent = nullptr);
  void Fill(const Workbench& bench) override;
  void Apply(Workbench& bench) override;
  const char* HelpTopic() const override { return "idh_configure_editor"; }
  RadioGroup* line_break_group() const { return line_break_; }

 private:
  Workbench& bench_;
  QCheckBox* upper_case_;
  QLineEdit* window_size_;
  QCheckBox* recall_files_;
  RadioGroup* line_break_;
  QLineEdit* comment_char_;
  QLineEdit* end_comment_char_;
  std::array<QLineEdit*, 6> highlight_chars_{};
  std::array<QComboBox*, 7> highlight_colours_{};
  QCheckBox* highlight_comments_;
  QCheckBox* use_highlight_;
  QCheckBox* save_backup_;
  QCheckBox* use_revisions_;
};

class PunchPage : public ConfigPage {
  Q_OBJECT
 public:
  explicit PunchPage(QWidget* parent = nullptr);
  void Fill(const Workbench& bench) override;
  void Apply(Workbench& bench) override;
  const char* HelpTopic() const override { return "idh_set_punch"; }

 private:
  RadioGroup* code_type_;
  RadioGroup* port_;
  RadioGroup* baud_rate_;
  RadioGroup* parity_;
  RadioGroup* data_bits_;
  RadioGroup* stop_bits_;
  RadioGroup* handshake_;
  QLineEdit* wait_;
  QLineEdit* leader_;
  QComboBox* device_;
};

class SyntaxPage : public ConfigPage {
  Q_OBJECT
 public:
  explicit SyntaxPage(QWidget* parent = nullptr);
  void Fill(const Workbench& bench) override;
  void Apply(Workbench& bench) override;
  const char* HelpTopic() const override { return "idh_configure_syntax"; }

 private:
  RadioGroup* code_format_;
  QLineEdit* multi_address_;
  QLineEdit* ignore_char_;
  QLineEdit* var_prefix_;
  QLineEdit* custom_script_;
  QCheckBox* warn_coolant_;
  QCheckBox* warn_spindle_;
};

class ToolboxPage : public ConfigPage {
  Q_OBJECT
 public:
  explicit ToolboxPage(QWidget* parent = nullptr);
  void Fill(const Workbench& bench) override;
  void Apply(Workbench& bench) override;
  const char* HelpTopic() const override { return "idh_configure_variables"; }
  QListWidget* list() const { return list_; }

 private:
  QListWidget* list_;
};

// Serial devices present on this computer (/dev/ttyS*, /dev/ttyUSB*, /dev/ttyACM*).
QStringList SerialDevicePaths();

}  // namespace vormak
