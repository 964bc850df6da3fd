// The pixel arrays that tools/bake writes at build time from the committed pictures, and their
// shapes: the generated source defines them, baked_pixels.cpp reads them.
#pragma once

#include <cstdint>

namespace kestalon::baked {

// Pictures of one size stored one after another, each row after row, one premultiplied ARGB
// word per pixel: the layout QImage::Format_ARGB32_Premultiplied reads in place.
struct PictureShape {
  int width;
  int height;
  int count;
  constexpr int PicturePixels() const { return width * height; }
  constexpr int Pixels() const { return PicturePixels() * count; }
};

// Picture k of a tile set is kind k + 1, its white surround already transparent; the 2x sets
// are the twice-size pictures, for a pixel ratio of 2.
inline constexpr PictureShape kRegularTiles{48, 42, 42};
inline constexpr PictureShape kLargeTiles{72, 63, 42};
inline constexpr PictureShape kRegularTiles2x{96, 84, 42};
inline constexpr PictureShape kLargeTiles2x{144, 126, 42};
inline constexpr PictureShape kIcon16{16, 16, 1};
inline constexpr PictureShape kIcon32{32, 32, 1};
inline constexpr PictureShape kIcon48{48, 48, 1};

extern const std::uint32_t kRegularTilePixels[kRegularTiles.Pixels()];
extern const std::uint32_t kLargeTilePixels[kLargeTiles.Pixels()];
extern const std::uint32_t kRegularTile2xPixels[kRegularTiles2x.Pixels()];
extern const std::uint32_t kLargeTile2xPixels[kLargeTiles2x.Pixels()];
extern const std::uint32_t kIcon16Pixels[kIcon16.Pixels()];
extern const std::uint32_t kIcon32Pixels[kIcon32.Pixels()];
extern const std::uint32_t kIcon48Pixels[kIcon48.Pixels()];

}  // namespace kestalon::baked
