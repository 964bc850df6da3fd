// What assistive technology reads of the board: the tiles on it, the keyboard cursor and
// how the game stands.
#pragma once

#include "core/game.h"

namespace kestalon {

class BoardWidget;

// Makes the board known to assistive technology as a list of its present tiles; call once
// before the first board is made.
void InstallBoardAccessibility();

// After a change of the board: the tiles, their states and the board's description.
void AnnounceBoardChange(BoardWidget* board);
// The board's announcement shown afresh, so that a screen reader speaks it.
void SpeakAnnouncement(BoardWidget* board);
// The cursor's tile as the focused tile, so that a screen reader speaks it.
void AnnounceCursorTile(BoardWidget* board);

}  // namespace kestalon
