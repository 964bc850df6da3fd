// Paths of the committed artwork and small helpers for looking at its pixels.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace kestalon::testing {

// A file under the repository's assets/ folder, e.g. "tiles/large/tile01.png".
QString AssetPath(const QString& relative);

QString TileFile(bool large, int kind, bool twice);

// The picture as ARGB32 with one pixel per image pixel (Qt reads "@2x" in a name as a device
// pixel ratio; the tests count real pixels). Null when missing or unreadable.
QImage LoadPicture(const QString& relative);

// The whole file, or an empty array when it cannot be read.
QByteArray LoadBytes(const QString& relative);

bool IsPureWhite(QRgb pixel);
// Rough brightness, 0..255.
int Luminance(QRgb pixel);

}  // namespace kestalon::testing
