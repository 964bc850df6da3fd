// PC Kestalon: start the application, run the start-up sequence, show the main window.
#include <QApplication>

#include "shell/kestalon_form.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("PC Kestalon"));
  QApplication::setApplicationVersion(QStringLiteral("1.63.1624"));
  QApplication::setDesktopFileName(QStringLiteral("pc-kestalon"));

  kestalon::KestalonForm form;
  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();
  form.FormLoad(arguments);
  form.show();
  return QApplication::exec();
}
