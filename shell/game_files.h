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

// Writes the game in progress to name, replacing an existing file only once the new one is
// complete. False, with the reason in error (when given), when it could not be written.
bool SaveGameFile(const QString& name, QString* error = nullptr);

// The Game menu's Load Game and Save Game commands, with their file dialogs and messages
// (shown through the hooks of shell/file_dialogs.h). Load Game redraws the board.
void LoadGameCommand(QWidget* mainWindow);
void SaveGameCommand(QWidget* mainWindow);

struct OptionFlags {
  bool sound = true;
  bool largeTiles = false;
};
// Applies a valid settings file over flags; false (flags untouched) when there is none.
// Where it is looked for: shell/settings_location.h.
bool ReadSettingsFile(OptionFlags& flags);
// Writes the settings file for flags; false, with the reason in error, when it failed.
bool WriteSettingsFile(OptionFlags flags, QString* error = nullptr);
// The Options menu's Save Settings command: writes the file, reports a failure.
void SaveSettingsCommand(QWidget* mainWindow, OptionFlags flags);

}  // namespace kestalon
