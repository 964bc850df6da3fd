// Painting the board into the main window's persistent drawing surface.
#pragma once

#include "core/game_state.h"

namespace kestalon {

class BoardWidget;

// The board window that DrawBoard paints into; set once by the main window.
void SetBoardWindow(BoardWidget* board);
BoardWidget* BoardWindow();

// Clears the board to green, draws every present tile in ascending position order with
// highlightPos (0 = none) in the highlighted style, then shows the result in one refresh.
void DrawBoard(Position highlightPos);
// The same with two positions highlighted: the Show Moves dialog's listed move.
void DrawBoardWithPair(Position first, Position second);

}  // namespace kestalon
