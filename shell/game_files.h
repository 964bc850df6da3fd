// Saved games and the settings file as the main window uses them.
#pragma once

#include <QString>

class QWidget;

namespace kestalon {

// Reads and checks the whole saved game, then replaces Board, MoveHistory, MoveIndex and
// RedoLimit and recounts AvailableMoves without announcing anything. Returns false, with
// the game unchanged, when the file cannot be read or is not a valid saved game; error
// (when given) then says why.
bool LoadGameFile(const QString& name, QString* error = nullptr);

// The Game menu's Load Game and Save Game commands, with their file dialogs and messages.
void LoadGameCommand(QWidget* mainWindow);
void SaveGameCommand(QWidget* mainWindow);

struct OptionFlags {
  bool sound = true;
  bool largeTiles = false;
};
// Applies a valid settings file over flags; false (flags untouched) when there is none.
bool ReadSettingsFile(OptionFlags& flags);
// The Options menu's Save Settings command.
void SaveSettingsCommand(QWidget* mainWindow, OptionFlags flags);

}  // namespace kestalon
