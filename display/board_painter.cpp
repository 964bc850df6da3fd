// DrawBoard: the whole board repainted in painter's order, then shown at once.
#include "display/board_painter.h"

#include <QPainter>

#include "display/board_widget.h"
#include "display/layout/board_layout.h"
#include "display/tile_image_list.h"
#include "display/tile_size.h"

namespace kestalon {
namespace {

BoardWidget* boardWindow = nullptr;

// Lower positions first: lower layers, upper rows and right-hand tiles are covered by
// what is drawn after them, which is how the stack looks.
void PaintBoard(Position firstHighlight, Position secondHighlight) {
  if (!boardWindow) return;
  boardWindow->Cls();
  if (CurrentTileList) {
    QPainter painter(&boardWindow->Surface());
    for (int p = 1; p <= kPositionCount; ++p) {
      const TileKind kind = Board[p];
      if (kind <= 0) continue;
      const bool highlighted = p == firstHighlight || p == secondHighlight;
      CurrentTileList->Draw(painter, kind, TilePosXY[p].x - TileDepth, TilePosXY[p].y,
                            highlighted ? DrawStyle::Selected : DrawStyle::Transparent);
    }
  }
  boardWindow->Refresh();
}

}  // namespace

void SetBoardWindow(BoardWidget* board) {
  boardWindow = board;
}
BoardWidget* BoardWindow() {
  return boardWindow;
}

void DrawBoard(Position highlightPos) {
  PaintBoard(highlightPos, 0);
}

void DrawBoardWithPair(Position first, Position second) {
  PaintBoard(first, second);
}

}  // namespace kestalon
