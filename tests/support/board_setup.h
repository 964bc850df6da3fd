// Hand-built boards for the rules tests.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>

#include "core/game_state.h"

namespace kestalon::testing {

// An empty board with the given tiles, a fresh move record (MoveIndex 1), nothing selected.
void SetUpBoard(std::initializer_list<std::pair<Position, TileKind>> tiles);

// A point strictly inside position p's face (its centre).
int CentreX(Position p);
int CentreY(Position p);

// The invariants of a consistent game; returns an empty string when they hold.
std::string CheckInvariants();

}  // namespace kestalon::testing
