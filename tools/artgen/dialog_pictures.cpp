// The pictures beyond the tiles: the result dialogs' pictures, the title picture and icons.
#include "tools/artgen/dialog_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>

#include "tools/artgen/glyphs.h"
#include "tools/artgen/tile_body.h"

namespace kestalon::artgen {
namespace {

const QColor kDialogGrey(192, 192, 192);
const QColor kBoardGreen(0, 128, 0);

// An opaque picture of the given logical size, painted in logical units.
class Canvas {
 public:
  Canvas(int width, int height, int scale, const QColor& ground)
      : image_(width * scale, height * scale, QImage::Format_RGB32) {
    image_.fill(ground);
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.scale(scale, scale);
  }
  QPainter& Painter() { return painter_; }
  QImage Finish() {
    painter_.end();
    return image_;
  }

 private:
  QImage image_;
  QPainter painter_;
};

}  // namespace

QImage WellDoneFace(int scale) {
  Canvas canvas(45, 40, scale, kDialogGrey);
  QPainter& p = canvas.Painter();
  const QPointF centre(22.5, 20);
  const double radius = 18;
  QRadialGradient sunny(centre - QPointF(6, 7), radius * 1.4);
  sunny.setColorAt(0, QColor(255, 244, 130));
  sunny.setColorAt(0.6, QColor(255, 214, 20));
  sunny.setColorAt(1, QColor(236, 170, 0));
  p.setPen(QPen(Qt::black, 1.6));
  p.setBrush(sunny);
  p.drawEllipse(centre, radius, radius);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(240, 120, 90, 90));
  p.drawEllipse(QPointF(11.5, 24.5), 3.2, 2.4);
  p.drawEllipse(QPointF(33.5, 24.5), 3.2, 2.4);
  p.setBrush(Qt::black);
  p.drawEllipse(QPointF(16.5, 14.5), 2.3, 3.4);
  p.drawEllipse(QPointF(28.5, 14.5), 2.3, 3.4);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(17.2, 13.3), 0.8, 1.0);
  p.drawEllipse(QPointF(29.2, 13.3), 0.8, 1.0);
  QPainterPath smile(QPointF(12.5, 23));
  smile.cubicTo(QPointF(16, 31.5), QPointF(29, 31.5), QPointF(32.5, 23));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::black, 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(smile);
  return canvas.Finish();
}

QImage NoMovesSign(int scale) {
  Canvas canvas(61, 61, scale, kDialogGrey);
  QPainter& p = canvas.Painter();
  const QPointF centre(30.5, 30.5);
  const double outer = 28.5;
  const double ring = 6.5;
  const QColor red(214, 26, 30);
  p.setPen(QPen(red.darker(150), 1.0));
  p.setBrush(red);
  p.drawEllipse(centre, outer, outer);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(250, 250, 250));
  p.drawEllipse(centre, outer - ring, outer - ring);
  // The bar runs from top left to bottom right across the inside of the ring.
  p.save();
  p.translate(centre);
  p.rotate(45);
  p.setBrush(red);
  p.drawRect(QRectF(-(outer - ring + 0.5), -ring / 2, 2 * (outer - ring + 0.5), ring));
  p.restore();
  return canvas.Finish();
}

QImage TitlePicture(int scale) {
  // Regular tiles laid as on the board: five to a row, each face covering the left band of
  // its right-hand neighbour, each row covering the bottom band of the row above.
  static const std::array<std::array<int, 5>, 3> kRows = {{
      {1, 5, 3, 6, 4},       // flowers and seasons
      {12, 15, 9, 13, 14},   // winds round the red dragon
      {16, 38, 32, 24, 34},  // numbers of the three suits
  }};
  Canvas canvas(216, 118, scale, kBoardGreen);
  QPainter& p = canvas.Painter();
  const TileGeometry tile = kRegularTile.AtScale(scale);
  for (std::size_t row = 0; row < kRows.size(); ++row) {
    for (int column = 4; column >= 0; --column) {
      const QImage picture = RenderTile(tile, kRows[row][column]);
      const QPointF at(column * kRegularTile.faceWidth, 1 + row * kRegularTile.faceHeight);
      p.drawImage(QRectF(at, QSizeF(picture.size()) / scale), picture);
    }
  }
  const QRectF box(14, 40, 188, 38);
  p.setPen(QPen(QColor(120, 84, 0), 1.0));
  p.setBrush(QColor(245, 200, 10));
  p.drawRoundedRect(box, 3, 3);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawRoundedRect(box.adjusted(3.5, 3.5, -3.5, -3.5), 1.5, 1.5);
  TextStyle style = Latin(27);
  const QString title = QStringLiteral("PC Kestalon");
  const double room = box.width() - 24;
  const double width = InkSize(title, style).width();
  if (width > room) style.pixelSize *= room / width;
  FillText(p, title, style, box.center() + QPointF(0, 0.5), QColor(190, 20, 30));
  return canvas.Finish();
}

QImage ProgramIcon(int size) {
  QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
  icon.fill(Qt::transparent);
  QPainter p(&icon);
  if (size < 64) {
    // Too small for a stack: one tile with the red dragon's character filling its face.
    const int depth = std::max(3, size / 8);
    const TileGeometry g{size - depth - 1, size - depth - 2, depth, 1};
    QImage tile = RenderTile(g, 0);
    {
      QPainter face(&tile);
      face.setRenderHint(QPainter::Antialiasing);
      const QRectF area = QRectF(g.FaceRect()).adjusted(1, 1, -1, -1);
      FillText(face, QStringLiteral("中"), Cjk(area.height() * 0.95), area.center(),
               QColor(204, 32, 38));
    }
    p.drawImage((size - tile.width()) / 2, (size - tile.height()) / 2, tile);
    p.end();
    return icon;
  }
  // A stack: four tiles below, the red dragon lying on top in the middle and casting a soft
  // shadow on them.
  const int depth = std::max(3, static_cast<int>(std::lround(size / 14.0)));
  const int faceWidth = (size - 2 * depth - 1) / 2;
  const int faceHeight = faceWidth * 7 / 8;
  const TileGeometry g{faceWidth, faceHeight, depth, 1};
  const int left = (size - (2 * faceWidth + 2 * depth)) / 2;
  const int top = (size - (2 * faceHeight + 2 * depth - 2)) / 2 + depth - 1;
  const std::array<std::array<int, 2>, 2> below = {{{16, 34}, {12, 25}}};
  for (int row = 0; row < 2; ++row) {
    for (int column = 1; column >= 0; --column) {
      p.drawImage(left + column * faceWidth, top + row * faceHeight,
                  RenderTile(g, below[row][column]));
    }
  }
  const QImage crown = RenderTile(g, 9);
  const QPoint crownAt(left + faceWidth / 2 + depth, top + faceHeight / 2 - (depth - 1));
  QImage shadow = crown;
  {
    QPainter tint(&shadow);
    tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
    tint.fillRect(shadow.rect(), QColor(0, 0, 0, 90));
  }
  p.drawImage(crownAt + QPoint(-depth / 2, depth / 2), shadow);
  p.drawImage(crownAt, crown);
  p.end();
  return icon;
}

}  // namespace kestalon::artgen
