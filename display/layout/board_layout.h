// Pixel geometry of the layout for one tile size: where each position's face lies on the
// board, and which tile a point on the board hits. Toolkit-free.
#pragma once

#include <array>
#include <cstdint>

#include "core/game.h"

namespace kestalon {

struct TilePoint {
  std::int16_t x = 0;  // left edge of the face, client pixels
  std::int16_t y = 0;  // top edge of the face
  friend bool operator==(const TilePoint&, const TilePoint&) = default;
};

// One tile size, laid out: immutable once built.
struct TileGeometry {
  bool large = false;
  // Face size and depth band (63 x 55 + 9 large, 42 x 37 + 6 regular).
  std::int16_t TileWidth = 0;
  std::int16_t TileHeight = 0;
  std::int16_t TileDepth = 0;
  // The board's client size that the pictures need (960 x 480 or 640 x 360).
  int boardWidth = 0;
  int boardHeight = 0;
  // Per position 0..144; entry 0 stays all zero.
  std::array<TilePoint, kBoardEntries> TilePosXY{};

  // A point strictly inside position p's face: its centre.
  int CentreX(Position p) const { return TilePosXY[p].x + TileWidth / 2; }
  int CentreY(Position p) const { return TilePosXY[p].y + TileHeight / 2; }
};

// The geometry of the large or the regular tiles, built once.
const TileGeometry& BuildLayout(bool large);

// The highest-numbered present tile whose face strictly contains (X, Y), or 0.
Position HitTest(const TileGeometry& geometry, const BoardTiles& board, int X, int Y);

}  // namespace kestalon
