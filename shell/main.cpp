// PC Kestalon: start the application, run the start-up sequence, show the main window.
#include <QApplication>

#include "shell/application_identity.h"
#include "shell/kestalon_form.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  kestalon::IdentifyApplication();

  kestalon::KestalonForm form;
  form.FormLoad(kestalon::ProgramArguments());
  form.show();
  return QApplication::exec();
}
