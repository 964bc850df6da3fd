// Paths of the committed artwork and small helpers for looking at its pixels.
#include "tests/assets/asset_files.h"

#include <QFile>

namespace kestalon::testing {

QString AssetPath(const QString& relative) {
  return QStringLiteral(KESTALON_ASSETS_DIR) + QLatin1Char('/') + relative;
}

QString TileFile(bool large, int kind, bool twice) {
  return QStringLiteral("tiles/%1/tile%2%3.png")
      .arg(large ? QStringLiteral("large") : QStringLiteral("regular"))
      .arg(kind, 2, 10, QLatin1Char('0'))
      .arg(twice ? QStringLiteral("@2x") : QString());
}

QImage LoadPicture(const QString& relative) {
  QImage image(AssetPath(relative));
  if (image.isNull()) return image;
  image.setDevicePixelRatio(1.0);
  return image.convertToFormat(QImage::Format_ARGB32);
}

QByteArray LoadBytes(const QString& relative) {
  QFile file(AssetPath(relative));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

bool IsPureWhite(QRgb pixel) {
  return (pixel & 0x00FFFFFFu) == 0x00FFFFFFu;
}

int Luminance(QRgb pixel) {
  return (qRed(pixel) * 299 + qGreen(pixel) * 587 + qBlue(pixel) * 114) / 1000;
}

}  // namespace kestalon::testing
