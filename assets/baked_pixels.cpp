// Images over the pixel arrays baked in at build time.
#include "assets/baked_pixels.h"

#include "assets/baked_pixel_arrays.h"

namespace kestalon {
namespace {

// Arrays of 32-bit words are aligned as QImage needs, so the image never has to copy them.
QImage InPlace(const std::uint32_t* pixels, const baked::PictureShape& shape) {
  return {reinterpret_cast<const uchar*>(pixels), shape.width, shape.height,
          shape.width * qsizetype{sizeof(std::uint32_t)}, QImage::Format_ARGB32_Premultiplied};
}

}  // namespace

QImage BakedTilePicture(bool large, int kind, bool twice) {
  using namespace baked;
  const PictureShape& set =
      twice ? (large ? kLargeTiles2x : kRegularTiles2x) : (large ? kLargeTiles : kRegularTiles);
  if (kind < 1 || kind > set.count) return {};
  const std::uint32_t* first = twice ? (large ? kLargeTile2xPixels : kRegularTile2xPixels)
                                     : (large ? kLargeTilePixels : kRegularTilePixels);
  QImage picture = InPlace(first + (kind - 1) * set.PicturePixels(), set);
  if (twice) picture.setDevicePixelRatio(2.0);
  return picture;
}

QImage BakedIcon(int size) {
  switch (size) {
    case 16:
      return InPlace(baked::kIcon16Pixels, baked::kIcon16);
    case 32:
      return InPlace(baked::kIcon32Pixels, baked::kIcon32);
    case 48:
      return InPlace(baked::kIcon48Pixels, baked::kIcon48);
    default:
      return {};
  }
}

}  // namespace kestalon
