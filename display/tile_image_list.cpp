// Loads the tile pictures and prepares their transparent and highlighted versions.
#include "display/tile_image_list.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>

#include "assets/asset_paths.h"
#include "core/tile_kinds.h"

namespace kestalon {
namespace {

// The pictures' surround is pure white; it is the mask colour, so it becomes transparent.
QImage WithWhiteTransparent(const QImage& picture) {
  QImage image = picture.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if ((line[x] & 0x00FFFFFFu) == 0x00FFFFFFu) line[x] = 0;
    }
  }
  return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

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

QImage LoadPicture(bool large, int kind, QSize logicalSize) {
  // Prefer the twice-size picture so that high-density screens stay crisp.
  QImage image(TilePicturePath(large, kind, true));
  if (image.size() == logicalSize * 2) {
    image.setDevicePixelRatio(2.0);
    return image;
  }
  image = QImage(TilePicturePath(large, kind, false));
  if (image.size() != logicalSize) return {};
  return image;
}

}  // namespace

TileImageList::TileImageList(bool large)
    : large_(large), pictureSize_(large ? QSize(72, 63) : QSize(48, 42)) {
  for (int kind = 1; kind <= kKindCount; ++kind) {
    const QImage picture = LoadPicture(large, kind, pictureSize_);
    if (picture.isNull()) continue;
    const QImage transparent = WithWhiteTransparent(picture);
    transparent_[kind] = QPixmap::fromImage(transparent);
    selected_[kind] = QPixmap::fromImage(Highlighted(transparent));
  }
}

const QPixmap& TileImageList::Picture(TileKind kind, DrawStyle style) const {
  static const QPixmap none;
  if (!IsValidKind(kind)) return none;
  return style == DrawStyle::Selected ? selected_[kind] : transparent_[kind];
}

void TileImageList::Draw(QPainter& painter, TileKind kind, int x, int y, DrawStyle style) const {
  const QPixmap& picture = Picture(kind, style);
  if (!picture.isNull()) painter.drawPixmap(x, y, picture);
}

const TileImageList& LargeTileList() {
  static const TileImageList list(true);
  return list;
}

const TileImageList& RegularTileList() {
  static const TileImageList list(false);
  return list;
}

}  // namespace kestalon
