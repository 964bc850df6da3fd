// Switching between the large and regular tile sizes.
#include "display/tile_size.h"

#include <QLayout>
#include <QScreen>

#include "display/board_painter.h"
#include "display/board_widget.h"
#include "display/layout/board_layout.h"
#include "display/tile_image_list.h"

namespace kestalon {

const TileImageList* CurrentTileList = nullptr;

namespace {

// The board gets exactly its client size and the window follows it, so switching back and
// forth never drifts; then the window is centred on its screen by its outer size.
void ApplyTileSize(const TileImageList& list, QSize boardSize) {
  CurrentTileList = &list;
  if (BoardWidget* board = BoardWindow()) {
    board->SetBoardSize(boardSize);
    QWidget* window = board->window();
    if (window->layout()) window->layout()->activate();
    window->adjustSize();
    CentreOnScreen(window);
  }
  BuildLayout(list.large());
  DrawBoard(0);
}

}  // namespace

void CentreOnScreen(QWidget* window) {
  const QScreen* screen = window->screen();
  if (!screen) return;
  const QRect area = screen->geometry();
  const QSize outer = window->frameGeometry().size();
  window->move(area.x() + (area.width() - outer.width()) / 2,
               area.y() + (area.height() - outer.height()) / 2);
}

void UseLargeTiles() {
  ApplyTileSize(LargeTileList(), {kLargeBoardWidth, kLargeBoardHeight});
}

void UseRegularTiles() {
  ApplyTileSize(RegularTileList(), {kRegularBoardWidth, kRegularBoardHeight});
}

}  // namespace kestalon
