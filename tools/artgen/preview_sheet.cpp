// Preview sheets of the written art, for judging it by eye before it is committed.
#include "tools/artgen/preview_sheet.h"

#include <QDir>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cstdio>
#include <random>

#include "display/layout/board_layout.h"

namespace kestalon::artgen {
namespace {

const QColor kBoardGreen(0, 128, 0);

// The game shows white as transparent; the sheets do the same.
QImage LoadTile(const QString& assetsDir, bool large, int kind, bool twice) {
  const QString path =
      QStringLiteral("%1/tiles/%2/tile%3%4.png")
          .arg(assetsDir, large ? QStringLiteral("large") : QStringLiteral("regular"))
          .arg(kind, 2, 10, QLatin1Char('0'))
          .arg(twice ? QStringLiteral("@2x") : QString());
  QImage image(path);
  if (image.isNull()) {
    std::fprintf(stderr, "missing %s\n", qPrintable(path));
    return {};
  }
  // Qt reads "@2x" in a file name as a device pixel ratio; the sheets show every pixel.
  image.setDevicePixelRatio(1.0);
  image = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if ((line[x] & 0xFFFFFFu) == 0xFFFFFFu) line[x] = 0;
    }
  }
  return image;
}

bool Save(const QImage& sheet, const QString& outDir, const char* name) {
  const QString path = outDir + QLatin1Char('/') + QLatin1String(name);
  if (!sheet.save(path)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

bool TileSheet(const QString& assetsDir, const QString& outDir, bool twice, const char* name) {
  constexpr int kPerRow = 14;
  const int scale = twice ? 2 : 1;
  const QSize large = QSize(72, 63) * scale;
  const QSize regular = QSize(48, 42) * scale;
  const int gap = 6 * scale;
  QImage sheet(kPerRow * (large.width() + gap) + gap,
               3 * (large.height() + gap) + 3 * (regular.height() + gap) + 2 * gap,
               QImage::Format_RGB32);
  sheet.fill(kBoardGreen);
  QPainter p(&sheet);
  int top = gap;
  for (bool isLarge : {true, false}) {
    const QSize size = isLarge ? large : regular;
    for (int kind = 1; kind <= 42; ++kind) {
      const QImage tile = LoadTile(assetsDir, isLarge, kind, twice);
      if (tile.isNull()) return false;
      const int column = (kind - 1) % kPerRow;
      const int row = (kind - 1) / kPerRow;
      p.drawImage(gap + column * (large.width() + gap), top + row * (size.height() + gap), tile);
    }
    top += 3 * (size.height() + gap) + gap;
  }
  p.end();
  return Save(sheet, outDir, name);
}

bool BoardSheet(const QString& assetsDir, const QString& outDir, bool large, const char* name) {
  const TileGeometry& geometry = BuildLayout(large);
  std::array<int, 144> kinds{};
  std::size_t next = 0;
  for (int kind = 1; kind <= 42; ++kind) {
    for (int copy = 0; copy < (kind <= 8 ? 1 : 4); ++copy) kinds[next++] = kind;
  }
  std::mt19937 random(1624);
  std::shuffle(kinds.begin(), kinds.end(), random);
  QImage sheet(geometry.boardWidth, geometry.boardHeight, QImage::Format_RGB32);
  sheet.fill(kBoardGreen);
  QPainter p(&sheet);
  std::array<QImage, 43> pictures;
  for (int kind = 1; kind <= 42; ++kind) {
    pictures[kind] = LoadTile(assetsDir, large, kind, false);
    if (pictures[kind].isNull()) return false;
  }
  for (int pos = 1; pos <= 144; ++pos) {
    const TilePoint at = geometry.TilePosXY[pos];
    p.drawImage(at.x - geometry.TileDepth, at.y, pictures[kinds[pos - 1]]);
  }
  p.end();
  return Save(sheet, outDir, name);
}

bool PictureSheet(const QString& assetsDir, const QString& outDir) {
  QImage sheet(720, 560, QImage::Format_RGB32);
  sheet.fill(QColor(212, 208, 200));
  QPainter p(&sheet);
  int x = 10;
  for (const char* name : {"well_done_face", "no_moves_sign"}) {
    for (const char* suffix : {"", "@2x"}) {
      QImage picture(QStringLiteral("%1/pictures/%2%3.png")
                         .arg(assetsDir, QLatin1String(name), QLatin1String(suffix)));
      if (picture.isNull()) return false;
      picture.setDevicePixelRatio(1.0);
      p.drawImage(x, 10, picture);
      x += picture.width() + 10;
    }
  }
  const QImage title(assetsDir + QStringLiteral("/pictures/title.png"));
  QImage title2(assetsDir + QStringLiteral("/pictures/title@2x.png"));
  if (title.isNull() || title2.isNull()) return false;
  title2.setDevicePixelRatio(1.0);
  p.drawImage(10, 150, title);
  p.drawImage(240, 150, title2);
  x = 10;
  for (int size : {16, 32, 48, 64, 128, 256}) {
    const QImage icon(QStringLiteral("%1/icons/%2/pc-kestalon.png").arg(assetsDir).arg(size));
    if (icon.isNull()) return false;
    if (size > 128) break;  // the largest goes on a sheet of its own
    p.drawImage(x, 400, icon);
    x += size + 10;
  }
  const QImage big(assetsDir + QStringLiteral("/icons/256/pc-kestalon.png"));
  p.end();
  return Save(sheet, outDir, "pictures.png") && Save(big, outDir, "icon-256.png");
}

}  // namespace

bool WritePreviewSheets(const QString& assetsDir, const QString& outDir) {
  QDir().mkpath(outDir);
  return TileSheet(assetsDir, outDir, false, "tiles.png") &&
         TileSheet(assetsDir, outDir, true, "tiles@2x.png") &&
         BoardSheet(assetsDir, outDir, true, "board-large.png") &&
         BoardSheet(assetsDir, outDir, false, "board-regular.png") &&
         PictureSheet(assetsDir, outDir);
}

}  // namespace kestalon::artgen
