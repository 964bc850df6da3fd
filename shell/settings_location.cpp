// The two places of the settings file: beside the program and in the user's config folder.
#include "shell/settings_location.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include "shell/formats/settings_format.h"

namespace kestalon {
namespace {

QString& ProgramDirOverride() {
  static QString dir;
  return dir;
}

QString SettingsFileName() {
  return QString::fromLatin1(kSettingsFileName.data(), kSettingsFileName.size());
}

}  // namespace

QString ProgramDirPath() {
  const QString& dir = ProgramDirOverride();
  return dir.isEmpty() ? QCoreApplication::applicationDirPath() : dir;
}

void SetProgramDirPath(const QString& dir) {
  ProgramDirOverride() = dir;
}

QString ProgramSettingsPath() {
  return ProgramDirPath() + QLatin1Char('/') + SettingsFileName();
}

QString UserSettingsPath() {
  const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (base.isEmpty()) return {};
  return base + QStringLiteral("/pc-kestalon/") + SettingsFileName();
}

}  // namespace kestalon
