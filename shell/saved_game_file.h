// Reading and writing saved-game files, with the game's own checks and messages.
#pragma once

#include <QString>

#include "core/game.h"

namespace kestalon {

inline constexpr char kNotASaveGameMessage[] = "This is not a Kestalon Save Game";

// Reads and checks the whole saved game and replaces game with it: nothing picked, the moves
// counted, nothing announced. Returns false, with game unchanged, when the file cannot be
// read or is not a valid saved game; error (when given) then says why.
bool LoadGameFile(const QString& name, Game& game, QString* error = nullptr);

// Writes game to name, replacing an existing file only once the new one is complete. False,
// with the reason in error (when given), when it could not be written.
bool SaveGameFile(const QString& name, const Game& game, QString* error = nullptr);

}  // namespace kestalon
