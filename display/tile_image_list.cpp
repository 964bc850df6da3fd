// Loads the tile pictures and prepares their transparent and highlighted versions.
#include "display/tile_image_list.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>

#include "assets/asset_paths.h"
#include "assets/baked_pixels.h"
#include "assets/tile_surround.h"
#include "core/tile_kinds.h"

namespace kestalon {
namespace {

// The selected style: the tile itself (not its surround) blended with the highlight colour.
QImage Highlighted(const QImage& transparent) {
  QImage image = transparent;
  QColor highlight = QApplication::palette().color(QPalette::Active, QPalette::Highlight);
  highlight.setAlphaF(0.5);
  QPainter painter(&image);
  painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
  painter.fillRect(image.rect(), highlight);
  return image;
}

// A picture of the expected pixel size with its surround transparent, or a null image. At
// ratio 1 it was decoded when the program was built; twice-size pictures, which only a screen
// of high pixel density needs, are decoded here, the format named so that it is not guessed.
QImage LoadPicture(bool large, int kind, bool hiDpi, QSize pixelSize) {
  if (!hiDpi) return BakedTilePicture(large, kind);
  const QImage image(TilePicturePath(large, kind, hiDpi), "PNG");
  if (image.size() != pixelSize) return {};
  QImage picture = WithWhiteTransparent(image);
  picture.setDevicePixelRatio(2.0);
  return picture;
}

}  // namespace

TileImageList::TileImageList(bool large)
    : large_(large), pictureSize_(large ? QSize(72, 63) : QSize(48, 42)) {}

void TileImageList::Load(bool hiDpi, Pictures& set) {
  set.loaded = true;
  for (int kind = 1; kind <= kKindCount; ++kind) {
    const QImage picture = LoadPicture(large_, kind, hiDpi, pictureSize_ * (hiDpi ? 2 : 1));
    if (picture.isNull()) continue;
    set.transparent[kind] = QPixmap::fromImage(picture);
  }
}

const QPixmap& TileImageList::Picture(TileKind kind, DrawStyle style, bool hiDpi) {
  static const QPixmap none;
  if (!IsValidKind(kind)) return none;
  Pictures& set = hiDpi ? doubled_ : normal_;
  if (!set.loaded) Load(hiDpi, set);
  if (style != DrawStyle::Selected) return set.transparent[kind];
  // Highlighted versions are made when first needed: a game highlights few kinds.
  QPixmap& selected = set.selected[kind];
  if (selected.isNull() && !set.transparent[kind].isNull()) {
    selected = QPixmap::fromImage(Highlighted(set.transparent[kind].toImage()));
  }
  return selected;
}

void TileImageList::Draw(QPainter& painter, TileKind kind, int x, int y, DrawStyle style) {
  const bool hiDpi = painter.device() && painter.device()->devicePixelRatioF() > 1.0;
  const QPixmap& picture = Picture(kind, style, hiDpi);
  if (!picture.isNull()) painter.drawPixmap(x, y, picture);
}

}  // namespace kestalon
