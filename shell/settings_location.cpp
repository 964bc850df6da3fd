// The two places of the settings file: beside the program and in the user's config folder.
#include "shell/settings_location.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include "shell/formats/settings_format.h"

namespace kestalon {
namespace {

QString SettingsFileName() {
  return QString::fromLatin1(kSettingsFileName.data(), kSettingsFileName.size());
}

}  // namespace

QString ProgramDirPath() {
  return QCoreApplication::applicationDirPath();
}

QString ProgramSettingsPath(const QString& programDir) {
  return programDir + QLatin1Char('/') + SettingsFileName();
}

QString UserSettingsPath() {
  const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (base.isEmpty()) return {};
  return base + QStringLiteral("/pc-kestalon/") + SettingsFileName();
}

}  // namespace kestalon
