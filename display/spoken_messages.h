// What the game says to a screen reader: short, and worded the same every time, since a player
// hears it hundreds of times in a game.
#pragma once

#include <QString>

#include "core/game.h"
#include "core/outcomes.h"

namespace kestalon {

// How the game stands: "120 tiles, 4 moves available".
QString CountsMessage(const Game& game);

// What a press did, read from the game after it: "Red dragon picked", "Pick dropped",
// "Circles 5 is blocked", "Circles 5 does not match Red dragon", "No tile there", or
// "Red dragon and Red dragon removed. Now free: Circles 5, Bamboo 2. 120 tiles, 4 moves
// available" (what the removal freed, when it freed any).
QString PressMessage(const PressOutcome& outcome, const Game& game);

// A new position as a whole: "New game. 144 tiles, 10 moves available", and likewise "Undone.",
// "Redone." and "Game loaded.".
enum class BoardChange { NewGame, Undone, Redone, Loaded };
QString ChangeMessage(BoardChange change, const Game& game);

// Type-ahead that found nothing: "No free tile cr".
QString NoFreeTileMessage(const QString& typed);

}  // namespace kestalon
