// Known games and a scripted random source, shared by the suites.
#pragma once

#include <initializer_list>
#include <random>
#include <utility>
#include <vector>

#include "core/game.h"
#include "core/random_source.h"

namespace kestalon::testing {

// An empty board with the given tiles, a fresh move record (MoveIndex 1), nothing selected.
Game BoardWith(std::initializer_list<std::pair<Position, TileKind>> tiles);

// Replays its values in turn (repeating), and counts the reseeds.
struct ScriptedRandom final : RandomSource {
  explicit ScriptedRandom(std::vector<float> scripted) : values(std::move(scripted)) {}
  void Randomize() override { ++reseeds; }
  float Rnd() override { return values.empty() ? 0.0f : values[next++ % values.size()]; }
  std::vector<float> values;
  std::size_t next = 0;
  int reseeds = 0;
};

// Rnd values that make a deal lay out board, a full board of the whole set.
std::vector<float> RandomSequenceDealing(const BoardTiles& board);
// A full board on which no free tile matches another.
BoardTiles BoardWithoutMoves();

// A full board built backwards, so that it can be won: pairs of positions taken away from a
// full board as a game would, each pair while both are free, then each pair given one kind
// (or two flowers, or two seasons), each kind twice.
BoardTiles DealBuiltBackwards(std::mt19937& random);

// The board a deal lays out when it draws the pool in order (as counted, nothing picked, no
// move made): kinds 1..42 at positions 1..42, then kinds 9..42 again at 43..76, 77..110 and
// 111..144.
Game PoolOrderGame();

}  // namespace kestalon::testing
