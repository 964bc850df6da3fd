// Saved-game files: reading and checking one, writing one, and the Load and Save commands.
#include "shell/game_files.h"

#include <span>

#include <QByteArray>

#include "core/rules.h"
#include "core/runtime.h"
#include "shell/file_dialogs.h"
#include "shell/file_io.h"
#include "shell/formats/save_game_format.h"

namespace kestalon {

bool LoadGameFile(const QString& name, QString* error) {
  QByteArray bytes;
  QString reason;
  // Only the first 889 bytes count; anything after them is never read.
  if (!ReadFileHead(name, static_cast<qint64>(kSaveFileSize), bytes, &reason)) {
    if (error) *error = QStringLiteral("The file \"%1\" could not be read: %2.").arg(name, reason);
    return false;
  }
  SavedGame game;
  const auto data = std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                              static_cast<std::size_t>(bytes.size()));
  if (DecodeSavedGame(data, game) != SaveGameFault::None) {
    if (error) *error = QString::fromLatin1(kNotASaveGameMessage);
    return false;
  }
  ApplyToGameState(game);
  SelectedPos = 0;
  // Status and Show Moves read the count; a loaded game is never announced as won or lost.
  AvailableMoves = CountAvailableMoves();
  return true;
}

bool SaveGameFile(const QString& name, QString* error) {
  const auto bytes = EncodeSavedGame(CaptureGameState());
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

void LoadGameCommand(QWidget* mainWindow) {
  const QString name = ChooseFile(mainWindow, PrepareLoadDialog);
  if (!name.isEmpty()) {
    QString error;
    if (!LoadGameFile(name, &error)) ShowFileError(mainWindow, error);
  }
  // Drawn whether a game was loaded, the file was refused or nothing was chosen.
  CurrentView().DrawBoard(0);
}

void SaveGameCommand(QWidget* mainWindow) {
  const QString name = ChooseFile(mainWindow, PrepareSaveDialog);
  if (name.isEmpty()) return;
  QString error;
  if (!SaveGameFile(name, &error)) ShowFileError(mainWindow, error);
}

}  // namespace kestalon
