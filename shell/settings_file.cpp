// The settings file: read once at start-up, written by the Options menu's Save Settings.
#include <span>

#include <QByteArray>
#include <QDir>
#include <QFileInfo>

#include "shell/file_dialogs.h"
#include "shell/file_io.h"
#include "shell/formats/settings_format.h"
#include "shell/game_files.h"
#include "shell/settings_location.h"

namespace kestalon {
namespace {

bool ApplySettingsFrom(const QString& path, OptionFlags& flags) {
  // A missing file, a folder or anything else that is not a regular file is not read.
  if (path.isEmpty()) return false;
  QByteArray bytes;
  if (!ReadFileHead(path, static_cast<qint64>(kSettingsLongestFileSize), bytes, nullptr))
    return false;
  const auto settings =
      DecodeSettings(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                               static_cast<std::size_t>(bytes.size())));
  if (!settings) return false;
  // A flag cut off by the end of a short file keeps its default.
  flags.sound = settings->sound.value_or(flags.sound);
  flags.largeTiles = settings->largeTiles.value_or(flags.largeTiles);
  flags.winnableDeals = settings->winnableDeals.value_or(false);
  return true;
}

bool WriteSettingsTo(const QString& path, OptionFlags flags, QString* error) {
  if (path.isEmpty()) {
    *error = QStringLiteral("there is no configuration folder");
    return false;
  }
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
    *error = QStringLiteral("the folder \"%1\" could not be created")
                 .arg(QFileInfo(path).absolutePath());
    return false;
  }
  const auto bytes = EncodeSettings(flags.sound, flags.largeTiles, flags.winnableDeals);
  return WriteFileAtomically(path,
                             QByteArrayView(reinterpret_cast<const char*>(bytes.data()),
                                            static_cast<qsizetype>(bytes.size())),
                             error);
}

}  // namespace

bool ReadSettingsFile(const QString& programDir, OptionFlags& flags) {
  return ApplySettingsFrom(UserSettingsPath(), flags) ||
         ApplySettingsFrom(ProgramSettingsPath(programDir), flags);
}

bool WriteSettingsFile(const QString& programDir, OptionFlags flags, QString* error) {
  const QString programPath = ProgramSettingsPath(programDir);
  const QString userPath = UserSettingsPath();
  QString programError;
  const bool besideProgram = WriteSettingsTo(programPath, flags, &programError);
  // The per-user file is read first: write it when the program's directory refused the
  // file, and rewrite it when it exists, so that it never hides what was just saved.
  if (besideProgram && (userPath.isEmpty() || !QFileInfo::exists(userPath))) return true;

  QString userError;
  if (WriteSettingsTo(userPath, flags, &userError)) return true;
  if (error) {
    *error =
        besideProgram
            ? QStringLiteral("The settings could not be saved to \"%1\": %2.")
                  .arg(userPath, userError)
            : QStringLiteral("The settings could not be saved to \"%1\" (%2) nor to \"%3\" (%4).")
                  .arg(programPath, programError, userPath, userError);
  }
  return false;
}

bool SaveSettingsCommand(QWidget* mainWindow, const QString& programDir, OptionFlags flags) {
  QString error;
  if (WriteSettingsFile(programDir, flags, &error)) return true;
  ShowFileError(mainWindow, error);
  return false;
}

}  // namespace kestalon
