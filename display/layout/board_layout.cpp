// Lays out the positions of the grid in pixels for each tile size, and hit-tests them.
#include "display/layout/board_layout.h"

#include "core/board_topology.h"

namespace kestalon {
namespace {

// Pixel shift of each layer (index 1..5), so that upper layers sit up and to the right.
constexpr std::array<int, 6> kLayerShiftX{0, 2, 6, 10, 14, 16};
constexpr std::array<int, 6> kLayerShiftY{0, 20, 16, 12, 8, 6};

// Half of an integer, rounded to the nearest whole number with ties to the even one.
std::int16_t HalfRoundedToEven(int twice) {
  int half = twice / 2;  // twice is never negative here
  if (twice % 2 != 0 && half % 2 != 0) ++half;
  return static_cast<std::int16_t>(half);
}

TileGeometry Layout(bool large) {
  TileGeometry g;
  g.large = large;
  g.TileWidth = large ? 63 : 42;
  g.TileHeight = large ? 55 : 37;
  g.TileDepth = large ? 9 : 6;
  g.boardWidth = large ? 960 : 640;
  g.boardHeight = large ? 480 : 360;
  for (int p = 1; p <= kPositionCount; ++p) {
    const GridPlace& place = kGridPlaces[p];
    const int twiceX =
        2 * (kLayerShiftX[place.layer] + g.TileDepth) + place.halfColumn * g.TileWidth;
    const int twiceY = 2 * kLayerShiftY[place.layer] + place.halfRow * g.TileHeight;
    g.TilePosXY[p] = {HalfRoundedToEven(twiceX), HalfRoundedToEven(twiceY)};
  }
  return g;
}

}  // namespace

const TileGeometry& BuildLayout(bool large) {
  static const TileGeometry kLarge = Layout(true);
  static const TileGeometry kRegular = Layout(false);
  return large ? kLarge : kRegular;
}

Position HitTest(const TileGeometry& geometry, const BoardTiles& board, int X, int Y) {
  // Upper layers carry higher numbers, so searching downwards lets the upper tile win.
  for (int p = kPositionCount; p >= 1; --p) {
    if (board[p] <= 0) continue;
    const TilePoint& at = geometry.TilePosXY[p];
    if (at.x < X && X < at.x + geometry.TileWidth && at.y < Y && Y < at.y + geometry.TileHeight) {
      return static_cast<Position>(p);
    }
  }
  return 0;
}

}  // namespace kestalon
