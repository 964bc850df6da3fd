// The Game menu's Load Game and Save Game commands.
#include "shell/game_files.h"

#include "shell/file_dialogs.h"
#include "shell/saved_game_file.h"

namespace kestalon {

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
