// Painting the board in painter's order.
#include "display/board_painter.h"

#include <QPainter>

#include "display/layout/board_layout.h"
#include "display/tile_image_list.h"

namespace kestalon {

// Lower positions first: lower layers, upper rows and right-hand tiles are covered by what is
// drawn after them, which is how the stack looks.
void PaintBoard(QPainter& painter, const BoardTiles& board, const TileGeometry& geometry,
                TileImageList& pictures, Position first, Position second) {
  for (int p = 1; p <= kPositionCount; ++p) {
    const TileKind kind = board[p];
    if (kind <= 0) continue;
    const bool highlighted = p == first || p == second;
    pictures.Draw(painter, kind, geometry.TilePosXY[p].x - geometry.TileDepth,
                  geometry.TilePosXY[p].y,
                  highlighted ? DrawStyle::Selected : DrawStyle::Transparent);
  }
}

}  // namespace kestalon
