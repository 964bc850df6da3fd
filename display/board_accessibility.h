// What assistive technology reads of the board: the tiles on it, the keyboard cursor and
// how the game stands.
#pragma once

#include <QString>

#include "core/game.h"

namespace kestalon {

class BoardWidget;

// Makes the board known to assistive technology as a list of its present tiles; call once
// before the first board is made.
void InstallBoardAccessibility();

// How the game stands, as the board's description reads it: "132 tiles, 5 moves available".
QString GameCounts(const Game& game);

// After a change of the board: the tiles, their states and the board's description.
void AnnounceBoardChange(BoardWidget* board);
// The cursor's tile as the focused tile, so that a screen reader speaks it.
void AnnounceCursorTile(BoardWidget* board);

}  // namespace kestalon
