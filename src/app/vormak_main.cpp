#include <QApplication>

#include "ui/main_form.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  vormak::TMainForm form;
  form.show();
  return app.exec();
}
