// kestalon_bake: decodes the tile pictures (both sizes, plain and twice-size, their white surround
// made transparent) and the window icons from the PNGs compiled into it, and writes them as the
// C++ arrays that assets/baked_pixel_arrays.h declares.
//   kestalon_bake OUT.cpp
#include <QImage>
#include <QSaveFile>

#include <cstdio>
#include <functional>

#include "assets/asset_paths.h"
#include "assets/baked_pixel_arrays.h"
#include "tools/bake/tile_surround.h"

namespace {

using kestalon::baked::PictureShape;

struct BakedArray {
  const char* name;
  PictureShape shape;
  // The premultiplied picture i (0-based) of the array.
  std::function<QImage(int)> picture;
};

QImage Tile(bool large, int index, bool twice = false) {
  return kestalon::WithWhiteTransparent(QImage(kestalon::TilePicturePath(large, index + 1, twice)));
}

QImage Icon(int size) {
  return QImage(kestalon::IconPath(size)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Appends the array's definition to out; false, with the reason printed, if a picture is
// missing or not of the array's size.
bool AppendArray(const BakedArray& array, QByteArray& out) {
  out += QByteArrayLiteral("\nconst std::uint32_t ") + array.name + '[' +
         QByteArray::number(array.shape.Pixels()) + "] = {\n";
  for (int i = 0; i < array.shape.count; ++i) {
    const QImage picture = array.picture(i);
    if (picture.size() != QSize(array.shape.width, array.shape.height)) {
      std::fprintf(stderr, "kestalon_bake: picture %d of %s is missing or of the wrong size\n", i,
                   array.name);
      return false;
    }
    for (int y = 0; y < picture.height(); ++y) {
      const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
      for (int x = 0; x < picture.width(); ++x) {
        out += "0x" + QByteArray::number(line[x], 16) + (x + 1 < picture.width() ? "," : ",\n");
      }
    }
  }
  out += "};\n";
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kestalon_bake OUT.cpp\n");
    return 2;
  }
  using namespace kestalon::baked;
  const BakedArray arrays[] = {
      {"kRegularTilePixels", kRegularTiles, [](int i) { return Tile(false, i); }},
      {"kLargeTilePixels", kLargeTiles, [](int i) { return Tile(true, i); }},
      {"kRegularTile2xPixels", kRegularTiles2x, [](int i) { return Tile(false, i, true); }},
      {"kLargeTile2xPixels", kLargeTiles2x, [](int i) { return Tile(true, i, true); }},
      {"kIcon16Pixels", kIcon16, [](int) { return Icon(16); }},
      {"kIcon32Pixels", kIcon32, [](int) { return Icon(32); }},
      {"kIcon48Pixels", kIcon48, [](int) { return Icon(48); }},
  };
  QByteArray out =
      "// Written by kestalon_bake from the pictures in assets/ at build time; not to be edited.\n"
      "#include \"assets/baked_pixel_arrays.h\"\n\nnamespace kestalon::baked {\n";
  for (const BakedArray& array : arrays) {
    if (!AppendArray(array, out)) return 1;
  }
  out += "\n}  // namespace kestalon::baked\n";
  QSaveFile file(QString::fromLocal8Bit(argv[1]));
  if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size() || !file.commit()) {
    std::fprintf(stderr, "kestalon_bake: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
