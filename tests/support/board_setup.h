// Known boards, the one random-game driver and the consistency check shared by the suites.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "core/game_state.h"
#include "display/layout/board_layout.h"

namespace kestalon::testing {

// An empty board with the given tiles, a fresh move record (MoveIndex 1), nothing selected.
void SetUpBoard(std::initializer_list<std::pair<Position, TileKind>> tiles);

// A point strictly inside position p's face (its centre), for the current tile size.
inline int CentreX(Position p) {
  return TilePosXY[p].x + TileWidth / 2;
}
inline int CentreY(Position p) {
  return TilePosXY[p].y + TileHeight / 2;
}

// Rnd values that make a deal draw pool entries 1..144 in order.
std::vector<float> RandomSequenceForPoolOrder();

// Deals, through the installed FakeGame, the board that lays the pool out in order:
// kinds 1..42 at positions 1..42, then kinds 9..42 again at 43..76, 77..110 and 111..144.
void DealPoolOrder();

// Plays a seeded random game through the installed FakeGame: presses anywhere with any
// button, presses on both tiles of an available move, Undo, Redo, a change of tile size and
// now and then a new deal; the loss dialog deals again, as its New Game button does (up to
// a thousand times, so that a game that can only lose still ends). Calls visit after each
// of the given number of steps.
void PlayRandomGame(std::uint32_t seed, int steps, const std::function<void()>& visit);

// The invariants of a consistent game, checked by the game's own saved-game checker, plus
// the pick and the move count; returns an empty string when they hold.
std::string CheckInvariants();

}  // namespace kestalon::testing
