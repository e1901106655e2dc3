#include "ui/tool_actions.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSlider>
#include <QToolBar>
#include <algorithm>

#include "cad/drawing_files.h"
#include "interp/tool_load.h"
#include "nctext/block_words.h"
#include "nctext/status_services.h"
#include "plot/view_transform.h"
#include "settings/file_access.h"
#include "ui/configuration_widgets.h"
#include "ui/load_tool_dialog.h"
#include "ui/main_form.h"
#include "ui/plot_widget.h"
#include "ui/tool_nose_dialog.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

QAction* FindAction(const QList<QAction*>& actions, const QString& caption) {
  for (QAction* a : actions) {
    if (a->text() == caption) return a;
    if (a->menu() != nullptr) {
      if (QAction* found = FindAction(a->menu()->actions(), caption)) return found;
    }
  }
  return nullptr;
}

// The placeholder item of the menus, made live.
QAction* LiveItem(TMainForm* form, const char* caption) {
  QAction* action = FindAction(form->menuBar()->actions(), caption);
  if (action != nullptr) action->setEnabled(true);
  return action;
}

std::string WithoutExtension(const std::string& path) {
  const std::string name(FileNamePart(path));
  const size_t dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

// Writes the tool file after the nose data is confirmed, then makes it the current tool.
void SaveTool(TMainForm* form, TToolNoseInfo* nose, bool ask_name) {
  Workbench& bench = form->bench();
  ShowCommand(bench, ask_name ? "Save Tool As" : "SAVE TOOL");
  if (nose->exec() != QDialog::Accepted) return;
  std::string name = bench.tools.tool_file_name;
  if (ask_name || name.empty()) {
    FileDialogRequest request;
    request.caption = "Save Tool As";
    request.initial_dir = ToolDirectory(bench);
    request.filter = "CDL Files (*.cdl)|*.cdl|All Files (*.*)|*.*";
    request.default_ext = "cdl";
    request.file_name = name;
    const auto chosen = bench.host().SaveFileDialog(request);
    if (!chosen) return;
    name = *chosen;
  }
  if (!WriteCdl(bench, name, true)) return;
  ShowPrompt(bench, "Saved Tool: " + name);
  const CommentChars chars = CommentCharsOf(bench.settings);
  const std::string folder = name.substr(0, name.size() - FileNamePart(name).size());
  LoadToolShape(bench, bench.tools.current_turret,
                std::string(1, chars.begin) + "TL " + folder + WithoutExtension(name));
  form->PaintBox1()->update();
}

void InstallAnimation(TMainForm* form) {
  Workbench& bench = form->bench();
  QToolBar* bar = form->addToolBar("Animation");
  bar->setObjectName("AnimationBar");
  auto* speed = new QSlider(Qt::Horizontal, bar);
  speed->setObjectName("SpeedBar");
  speed->setRange(1, 100);
  speed->setValue(std::clamp(bench.settings.plot_speed, 1, 100));
  speed->setToolTip("Animation Speed");
  speed->setMaximumWidth(120);
  bar->addWidget(speed);
  QAction* on_off = bar->addAction("Anim");
  on_off->setObjectName("AnimationOnOff");
  on_off->setToolTip("Animation On/Off");
  on_off->setCheckable(true);
  QAction* item = LiveItem(form, "&Animation");
  if (item != nullptr) item->setCheckable(true);
  const auto set = [&bench, on_off, item](bool on) {
    bench.interp.motion.animation = on;
    on_off->setChecked(on);
    if (item != nullptr) item->setChecked(on);
  };
  QObject::connect(on_off, &QAction::triggered, form, set);
  if (item != nullptr) QObject::connect(item, &QAction::triggered, form, set);
  QObject::connect(speed, &QSlider::valueChanged, form, [&bench](int value) {
    bench.settings.plot_speed = value;
    RecomputeScales(bench.plot, bench.settings, bench.plot.current);
  });
  // The sweep shows every step: the plot window is painted there and then.
  PlotWidget* plot = form->PaintBox1();
  bench.tools.repaint = [plot] { plot->repaint(); };
}

}  // namespace

void InstallToolActions(TMainForm* form) {
  Workbench& bench = form->bench();
  bench.tools.show_names = [form](const std::string& one, const std::string& two) {
    form->Panel("Tool")->setText(Latin1(one));
    form->Panel("Tool2")->setText(Latin1(two));
  };
  InstallAnimation(form);

  auto* load_tool = new TLoad_Tool(bench, form);
  QObject::connect(load_tool, &TLoad_Tool::ToolLoaded, form,
                   [form] { form->PaintBox1()->update(); });
  if (QAction* item = LiveItem(form, "&Load Tool...")) {
    QObject::connect(item, &QAction::triggered, form, [&bench, load_tool] {
      ShowCommand(bench, "LOAD TOOL");
      ShowPrompt(bench, "Enter Name");
      load_tool->show();
      load_tool->raise();
    });
  }
  auto* nose = new TToolNoseInfo(bench, form);
  if (QAction* item = LiveItem(form, "Save &Tool")) {
    QObject::connect(item, &QAction::triggered, form,
                     [form, nose] { SaveTool(form, nose, false); });
  }
  if (QAction* item = LiveItem(form, "Save Tool As...")) {
    QObject::connect(item, &QAction::triggered, form, [form, nose] { SaveTool(form, nose, true); });
  }
}

}  // namespace vormak
