// The plot window's own switches in the main window: recording the tool path and the solid
// view.
#include <QAction>

#include "cad/cad_session.h"
#include "cad/element_edit.h"
#include "interp/run_driver.h"
#include "ui/main_form.h"
#include "ui/plot_widget.h"

namespace vormak {

void TMainForm::RecordToolpathClick() {
  CadEscape(*bench_);
  // A new recording replaces the last one; the rest of the drawing stays.
  DeleteToolpath(bench_->cad.table);
  paint_box_->RedrawPlot();
  StartRun(*bench_, RunCommand::kRecordToolpath);
  paint_box_->update();
}

void TMainForm::SolidClick(bool on) {
  bench_->interp.motion.solid_view = on;
  if (solid_action_ != nullptr) solid_action_->setChecked(on);
  paint_box_->RedrawPlot();
}

}  // namespace vormak
