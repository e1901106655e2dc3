// The plot window's own switches in the main window: recording the tool path and the solid
// view.
#include <QAction>
#include <cstdlib>

#include "cad/cad_session.h"
#include "cad/element_edit.h"
#include "interp/run_driver.h"
#include "ui/main_form.h"
#include "ui/plot_widget.h"

namespace vormak {

void TMainForm::RecordToolpathClick() {
  CadEscape(*bench_);
  if (bench_->nctext.reset_run_state) bench_->nctext.reset_run_state();
  // A new recording replaces the last one; the rest of the drawing stays.
  DeleteToolpath(bench_->cad.table);
  paint_box_->RedrawPlot();
  const TextSelection selection = ActivePane()->GetSelection();
  const bool selected_text = std::abs(selection.end.line - selection.start.line) >= 1;
  bench_->interp.motion.record_toolpath = true;
  RunRecordingToolpath(selected_text);
  bench_->interp.motion.record_toolpath = false;
  paint_box_->update();
}

void TMainForm::RunRecordingToolpath(bool selected_text) {
  // The spindle counts as running while the path is recorded.
  bool& spindle = bench_->interp.machine.spindle_on;
  const bool spindle_was = spindle;
  spindle = true;
  StartRun(*bench_, selected_text ? RunCommand::kRunSelectedText : RunCommand::kRunAll);
  spindle = spindle_was;
}

void TMainForm::SolidClick(bool on) {
  bench_->interp.motion.solid_view = on;
  if (solid_action_ != nullptr) solid_action_->setChecked(on);
  paint_box_->RedrawPlot();
}

}  // namespace vormak
