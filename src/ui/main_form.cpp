#include "ui/main_form.h"

namespace vormak {

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) { setWindowTitle("  [] ()"); }

}  // namespace vormak
