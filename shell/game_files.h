// Saved games and the settings file as the main window uses them.
#pragma once

#include <QString>

#include "core/game.h"

class QWidget;

namespace kestalon {

// Reads and checks the whole saved game and replaces game with it: nothing picked, the moves
// counted, nothing announced. Returns false, with game unchanged, when the file cannot be
// read or is not a valid saved game; error (when given) then says why.
bool LoadGameFile(const QString& name, Game& game, QString* error = nullptr);

// Writes game to name, replacing an existing file only once the new one is complete. False,
// with the reason in error (when given), when it could not be written.
bool SaveGameFile(const QString& name, const Game& game, QString* error = nullptr);

// The Game menu's Load Game and Save Game commands, with their file dialogs and messages.
// Load Game returns whether game changed; Save Game the name saved under, "" when nothing was.
bool LoadGameCommand(QWidget* mainWindow, Game& game);
QString SaveGameCommand(QWidget* mainWindow, const Game& game);

struct OptionFlags {
  bool sound = true;
  bool largeTiles = false;
  bool winnableDeals = false;
};
// Applies a valid settings file over flags; false (flags untouched) when there is none.
// Where it is looked for, for a program in programDir: shell/settings_location.h.
bool ReadSettingsFile(const QString& programDir, OptionFlags& flags);
// Writes the settings file for flags; false, with the reason in error, when it failed.
bool WriteSettingsFile(const QString& programDir, OptionFlags flags, QString* error = nullptr);
// The Options menu's Save Settings command: writes the file, reports a failure; true when
// the settings were saved.
bool SaveSettingsCommand(QWidget* mainWindow, const QString& programDir, OptionFlags flags);

}  // namespace kestalon
