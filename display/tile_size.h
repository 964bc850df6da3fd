// The two tile sizes: choosing the picture set, sizing and centring the main window.
#pragma once

class QWidget;

namespace kestalon {

class TileImageList;

// The picture set DrawBoard uses; set only by UseLargeTiles and UseRegularTiles.
extern const TileImageList* CurrentTileList;

// Each selects its picture set, gives the board exactly its client size (960 x 480 or
// 640 x 360), centres the main window on the screen by its outer size, rebuilds the
// layout and redraws the board with nothing highlighted.
void UseLargeTiles();
void UseRegularTiles();

// Centres a window on its screen by its outer size (frame included, once it has one).
void CentreOnScreen(QWidget* window);

}  // namespace kestalon
