// The tile pictures as pixmaps over the pixels baked into the program, and their highlighted
// versions.
#include "display/tile_image_list.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>

#include "assets/baked_pixels.h"
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

}  // namespace

TileImageList::TileImageList(bool large) : large_(large) {}

void TileImageList::Load(bool hiDpi, Pictures& set) {
  set.loaded = true;
  for (int kind = 1; kind <= kKindCount; ++kind) {
    set.transparent[kind] = QPixmap::fromImage(BakedTilePicture(large_, kind, hiDpi));
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
