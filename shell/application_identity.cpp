// The application's name, version and desktop entry as Qt reports them.
#include "shell/application_identity.h"

#include <QApplication>

#include "dialogs/version_record.h"

namespace kestalon {

void IdentifyApplication() {
  QApplication::setApplicationName(QStringLiteral("PC Kestalon"));
  QApplication::setApplicationVersion(
      QStringLiteral("%1.%2.%3").arg(version::kMajor).arg(version::kMinor).arg(version::kRevision));
  QApplication::setDesktopFileName(QStringLiteral("pc-kestalon"));
}

QStringList ProgramArguments() {
  QStringList arguments = QApplication::arguments();
  if (!arguments.isEmpty()) arguments.removeFirst();
  return arguments;
}

}  // namespace kestalon
