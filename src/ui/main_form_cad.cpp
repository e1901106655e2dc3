// The plot window's own switches in the main window: recording the tool path and the solid
// view.
#include <QAction>
#include <cstdlib>

#include "cad/cad_session.h"
#include "cad/element_edit.h"
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
  // The run driver's Run All / Run Selected Text goes here; without it nothing is plotted and
  // so nothing is recorded.
  static_cast<void>(selected_text);
}

void TMainForm::SolidClick(bool on) {
  bench_->interp.motion.solid_view = on;
  if (solid_action_ != nullptr) solid_action_->setChecked(on);
  paint_box_->RedrawPlot();
}

}  // namespace vormak
