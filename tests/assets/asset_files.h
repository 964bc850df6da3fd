// Paths of the committed artwork and small helpers for looking at its pixels.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>

namespace kestalon::testing {

// A file under the repository's assets/ folder, e.g. "tiles/large/tile01.png".
inline QString AssetPath(const QString& relative) {
  return QStringLiteral(KESTALON_ASSETS_DIR "/") + relative;
}

// The picture as ARGB32 with one pixel per image pixel (Qt reads "@2x" in a name as a device
// pixel ratio; the tests count real pixels). Null when missing or unreadable.
inline QImage LoadPicture(const QString& relative) {
  QImage image(AssetPath(relative));
  if (image.isNull()) return image;
  image.setDevicePixelRatio(1.0);
  return image.convertToFormat(QImage::Format_ARGB32);
}

// The whole file, or an empty array when it cannot be read.
inline QByteArray LoadBytes(const QString& relative) {
  QFile file(AssetPath(relative));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool IsPureWhite(QRgb pixel) {
  return (pixel & 0x00FFFFFFu) == 0x00FFFFFFu;
}

// Rough brightness, 0..255.
inline int Luminance(QRgb pixel) {
  return (qRed(pixel) * 299 + qGreen(pixel) * 587 + qBlue(pixel) * 114) / 1000;
}

}  // namespace kestalon::testing
