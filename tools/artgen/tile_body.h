// Shape of a tile picture: the face, the depth band, the outline and the white surround.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

namespace kestalon::artgen {

// One tile size, in logical pixels, drawn at a whole-number scale (2 for high-density screens).
// The face lies in the top-right corner; the depth band runs down the left (depth wide) and
// along the bottom (depth - 1 high).
struct TileGeometry {
  int faceWidth = 0;
  int faceHeight = 0;
  int depth = 0;
  int scale = 1;

  QSize PictureSize() const;
  QRect FaceRect() const;    // in device pixels
  int FrameWidth() const;    // black frame round the face, device pixels
  int CornerRadius() const;  // rounding of the face corners, device pixels
  TileGeometry AtScale(int newScale) const;
};

inline constexpr TileGeometry kLargeTile{63, 55, 9};
inline constexpr TileGeometry kRegularTile{42, 37, 6};

// Paints a tile of the given kind (1..42) on transparency: fully opaque inside the outline,
// fully transparent outside it, with no half-covered pixels at the edge.
QImage RenderTile(const TileGeometry& geometry, int kind);

// The picture the game masks with white: the surround becomes pure white and any pure white
// inside the tile becomes (254, 254, 254). Returns an opaque RGB image.
QImage WithWhiteSurround(const QImage& tile);

}  // namespace kestalon::artgen
