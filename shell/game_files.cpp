// Saved-game files: reading and checking one, writing one, and the Load and Save commands.
#include "shell/game_files.h"

#include <span>

#include <QByteArray>

#include "shell/file_dialogs.h"
#include "shell/file_io.h"
#include "shell/formats/save_game_format.h"

namespace kestalon {

bool LoadGameFile(const QString& name, Game& game, QString* error) {
  QByteArray bytes;
  QString reason;
  // Only the first 889 bytes count; anything after them is never read.
  if (!ReadFileHead(name, static_cast<qint64>(kSaveFileSize), bytes, &reason)) {
    if (error) *error = QStringLiteral("The file \"%1\" could not be read: %2.").arg(name, reason);
    return false;
  }
  const auto data = std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                              static_cast<std::size_t>(bytes.size()));
  if (DecodeSavedGame(data, game) != SaveGameFault::None) {
    if (error) *error = QString::fromLatin1(kNotASaveGameMessage);
    return false;
  }
  return true;
}

bool SaveGameFile(const QString& name, const Game& game, QString* error) {
  const auto bytes = EncodeSavedGame(game);
  QString reason;
  if (!WriteFileAtomically(name,
                           QByteArrayView(reinterpret_cast<const char*>(bytes.data()),
                                          static_cast<qsizetype>(bytes.size())),
                           &reason)) {
    if (error) {
      *error = QStringLiteral("The game could not be saved to \"%1\": %2.").arg(name, reason);
    }
    return false;
  }
  return true;
}

bool LoadGameCommand(QWidget* mainWindow, Game& game) {
  const QString name = ChooseFile(mainWindow, PrepareLoadDialog);
  if (name.isEmpty()) return false;
  QString error;
  if (LoadGameFile(name, game, &error)) return true;
  ShowFileError(mainWindow, error);
  return false;
}

QString SaveGameCommand(QWidget* mainWindow, const Game& game) {
  QString name = ChooseFile(mainWindow, PrepareSaveDialog);
  if (name.isEmpty()) return {};
  QString error;
  if (SaveGameFile(name, game, &error)) return name;
  ShowFileError(mainWindow, error);
  return {};
}

}  // namespace kestalon
