// The keyboard cursor: the present tile that the board keys act on. It is no part of the
// game: never saved, never undone, and not drawn into the board.
#pragma once

#include "core/game_state.h"

namespace kestalon {

// The position the cursor marks; 0 while it is not shown.
extern Position CursorPos;

enum class BoardKey { NextTile, PreviousTile, Left, Right, Up, Down, Press, DropPick };

// One board key. With no cursor shown, a movement key or Press only shows the cursor, on the
// free tile with the lowest position number. Press does what a left-button press on the
// cursor's tile does. DropPick drops the pick as a press on empty space would; with nothing
// picked it does nothing.
void BoardKeyPress(BoardKey key);

// The free tiles in position order, wrapping round: the next after pos and the previous
// before it (pos 0 gives the lowest and the highest); 0 when no tile is free.
Position NextFreeTile(Position pos);
Position PreviousFreeTile(Position pos);

// The nearest present, uncovered tile from pos in an arrow's direction on screen, judged by
// the centres of the faces; 0 when there is none.
Position TileInDirection(Position pos, BoardKey arrow);

// After a change of the board: a cursor whose tile has gone moves on to the next free tile
// after it (and disappears with the last tile); one whose tile is now covered moves up onto
// the tile lying on it.
void SettleCursor();

}  // namespace kestalon
