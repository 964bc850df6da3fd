// Saved games and the settings file as the main window uses them.
#pragma once

#include <QString>

#include "core/game.h"
#include "shell/saved_game_file.h"

class QWidget;

namespace kestalon {

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
