// Geometry of the fixed five-layer layout: where each position's face lies, and which
// positions lie on it and beside it. Toolkit-free, so that the rules can use it.
#pragma once

#include <array>
#include <cstdint>

#include "core/game_state.h"

namespace kestalon {

struct TilePoint {
  std::int16_t x = 0;  // left edge of the face, client pixels
  std::int16_t y = 0;  // top edge of the face
  friend bool operator==(const TilePoint&, const TilePoint&) = default;
};

struct Neighbours {
  Position above = 0;  // the tile lying on this one
  Position left = 0;   // beside it on its left on screen
  Position right = 0;  // beside it on its right
  friend bool operator==(const Neighbours&, const Neighbours&) = default;
};

// Face size and depth band of the tile size last laid out (63 x 55 + 9 large, 42 x 37 + 6 regular).
extern std::int16_t TileWidth;
extern std::int16_t TileHeight;
extern std::int16_t TileDepth;
// Per position 0..144; entry 0 is never written and stays all zero.
extern std::array<TilePoint, kBoardEntries> TilePosXY;
extern std::array<Neighbours, kBoardEntries> TileNeighbours;

// Board sizes (client pixels) that the pictures of each tile size need.
inline constexpr int kLargeBoardWidth = 960;
inline constexpr int kLargeBoardHeight = 480;
inline constexpr int kRegularBoardWidth = 640;
inline constexpr int kRegularBoardHeight = 360;

// Sets the tile size variables and rewrites entries 1..144 of both tables.
void BuildLayout(bool large);

// Where a position sits in the grid: layer 1 (bottom) to 5, column and row counted in
// half cells so that the three end tiles and the top tile are exact.
struct GridPlace {
  int layer = 0;
  int halfColumn = 0;  // 0..28
  int halfRow = 0;     // 0..14
};
GridPlace PlaceOf(Position p);

}  // namespace kestalon
