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

// A tile's description: its layer (1 at the bottom to 5 at the top) and, when blocked, what
// blocks it: "free, layer 3", "blocked: under Red dragon, layer 1", "blocked: between Bamboo 2
// and North wind, layer 2".
QString TileDescription(const Game& game, Position pos);
// A tile as a list reads it: "Red dragon, free, layer 1".
QString TileWords(const Game& game, Position pos);

// What blocks a blocked tile: "under Red dragon", "between Bamboo 2 and North wind", or both.
QString BlockedReason(const Game& game, Position pos);

// The match key that found nothing: "No free match for Red dragon".
QString NoFreeMatchMessage(TileKind kind);
// Page Up at the top of a pile, Page Down at the ground: "Nothing above Circles 7", "Nothing
// below Circles 7".
QString PileEndMessage(bool above, TileKind kind);
// The board in brief: its tiles layer by layer, top first, then the free tiles and moves:
// "Layer 5: 1 tile. Layer 4: 4 tiles. ... 35 free tiles, 12 moves available".
QString BoardSummaryMessage(const Game& game);

// A hint that keeps the game winnable: "Hint: Red dragon and Red dragon. The game can still
// be won."
QString HintMessage(const Game& game, Position first, Position second);

}  // namespace kestalon
