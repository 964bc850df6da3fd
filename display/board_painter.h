// Painting the board: every present tile in painter's order, up to two of them highlighted.
#pragma once

#include "core/game.h"

class QPainter;

namespace kestalon {

struct TileGeometry;
class TileImageList;

// Draws every present tile of the board in ascending position order, first and second
// (0 = none) in the highlighted style, onto a painter whose ground is already cleared.
void PaintBoard(QPainter& painter, const BoardTiles& board, const TileGeometry& geometry,
                TileImageList& pictures, Position first, Position second);

}  // namespace kestalon
