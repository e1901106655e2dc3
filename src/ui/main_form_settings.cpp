// What the machine settings change in the window itself.
#include <QAction>
#include <QFontDatabase>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSplitter>
#include <algorithm>

#include "interp/motion_hooks.h"
#include "nctext/status_services.h"
#include "ui/configuration_widgets.h"
#include "ui/main_form.h"
#include "ui/model_link_setup.h"
#include "ui/plot_run_actions.h"
#include "ui/plot_widget.h"
#include "ui/sci_edit_control.h"
#include "ui/sequence_outline_view.h"
#include "ui/toolbox_window.h"

namespace vormak {
namespace {

// Windows colour values are 0x00BBGGRR; the panes take 0xRRGGBB.
unsigned RgbFromWindowsColour(long long colour) {
  const auto c = static_cast<unsigned long long>(colour);
  return static_cast<unsigned>(((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF));
}

QFont EditorFont(const MachineSettings& s) {
  QFont font = s.font_name.empty() || s.font_name == "system"
                   ? QFontDatabase::systemFont(QFontDatabase::FixedFont)
                   : QFont(Latin1(s.font_name));
  if (s.font_size > 0) font.setPointSize(s.font_size);
  font.setBold(s.font_style[0]);
  font.setItalic(s.font_style[1]);
  font.setUnderline(s.font_style[2]);
  font.setStrikeOut(s.font_style[3]);
  return font;
}

const char* SystemTypeText(SystemType type) {
  switch (type) {
    case SystemType::kMill:
      return "Mill";
    case SystemType::kEdm:
      return "EDM";
    default:
      return "Lathe";
  }
}

// Small drawn icons: a turned part in a chuck, an end mill over a block, a wire through a
// plate.
QIcon SystemIcon(SystemType type) {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 1));
  switch (type) {
    case SystemType::kLathe:
      p.setBrush(QColor(90, 90, 90));
      p.drawRect(2, 6, 8, 20);
      p.setBrush(QColor(200, 200, 210));
      p.drawRect(10, 11, 18, 10);
      p.setBrush(QColor(220, 160, 0));
      p.drawPolygon(QPolygon({QPoint(22, 30), QPoint(26, 22), QPoint(30, 30)}));
      break;
    case SystemType::kMill:
      p.setBrush(QColor(200, 200, 210));
      p.drawRect(12, 2, 8, 18);
      p.setBrush(QColor(220, 160, 0));
      p.drawRect(2, 22, 28, 8);
      break;
    case SystemType::kEdm:
      p.setBrush(QColor(200, 200, 210));
      p.drawRect(2, 12, 28, 10);
      p.setPen(QPen(QColor(200, 120, 0), 2));
      p.drawLine(16, 0, 16, 32);
      break;
  }
  return QIcon(pixmap);
}

}  // namespace

int TMainForm::EditorShareWidth() const {
  const long long percent = std::clamp<long long>(bench_->settings.edit_window_size, 5, 95);
  return static_cast<int>(width() * percent / 100);
}

void TMainForm::SetEditorWidth(int editor_width) {
  // A splitter not yet laid out forgets the sizes it is given: they wait for the first show.
  if (!splitter_->isVisible()) {
    pending_editor_width_ = editor_width;
    return;
  }
  pending_editor_width_ = -1;
  // The plot window keeps at least a strip.
  const int total = splitter_->width();
  editor_width = std::clamp(editor_width, 0, std::max(0, total - 50));
  splitter_->setSizes({editor_width, total - editor_width});
}

int TMainForm::EditorWidth() const {
  if (!splitter_->isVisible() && pending_editor_width_ >= 0) return pending_editor_width_;
  return splitter_->sizes().value(0);
}

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (pending_editor_width_ >= 0) SetEditorWidth(pending_editor_width_);
}

void TMainForm::ApplySettingsToWindow() {
  const MachineSettings& s = bench_->settings;
  const QFont font = EditorFont(s);
  const unsigned colour = RgbFromWindowsColour(s.font_color);
  ledit1_->SetPaneFont(font);
  ledit2_->SetPaneFont(font);
  if (s.twin_turrets) {
    // Turret A in black, turret B in the machine's colour: the two programs never look alike.
    ledit1_->SetForeColor(0x000000);
    ledit2_->SetForeColor(colour);
  } else {
    ledit1_->SetForeColor(colour);
  }
  ledit2_->setVisible(s.twin_turrets);
  // The outline is of a two-turret program's sections.
  outline_->setVisible(s.twin_turrets);
  outline_->Rebuild();
  if (toolbox_ != nullptr) toolbox_->ApplySettings();
  if (!s.twin_turrets) bench_->active_pane = 1;

  // A new share (another machine, the Configuration dialog) lays the editor side out again;
  // otherwise the divider stays where the programmer dragged it.
  if (s.edit_window_size != applied_edit_share_) {
    applied_edit_share_ = s.edit_window_size;
    SetEditorWidth(EditorShareWidth());
  }

  Panel("Systype")->setText(SystemTypeText(s.system_type));
  plot_run_->ShowInsertButtonsFor(s.system_type == SystemType::kLathe);
  const int machine = bench_->machines.current;
  const std::string name =
      machine >= 1 && machine <= kMachineSlots ? bench_->machines.Slot(machine).name : "";
  Panel("Format")->setText(Latin1(name.substr(0, 15)));
  setWindowIcon(SystemIcon(s.system_type));
  paint_box_->SetBackgroundScheme(s.background_color);
  // Settings read or applied: a named pre-process script is loaded now, so the next run uses it.
  LoadPreProcessScript(*bench_);
  if (!OpenModelLink(*bench_, this)) {
    ShowPrompt(*bench_, "Cannot write the model link file " + ModelLinkPath(*bench_));
  }

  for (size_t i = 0; i < custom_actions_.size(); ++i) {
    const std::string& program = s.exec[i];
    const bool set = !program.empty() && program != "None";
    custom_actions_[i]->setText(set ? Latin1(program) : "---");
    custom_actions_[i]->setData(Latin1(program));
    custom_actions_[i]->setEnabled(set);
  }
}

}  // namespace vormak
