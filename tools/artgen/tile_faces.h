// The symbols on the tile faces: dots, sticks, characters, flowers and seasons.
#pragma once

#include <QPainter>
#include <QRectF>

namespace kestalon::artgen {

// Draws the symbol of a tile kind (1..42; anything else leaves the face blank) into the face
// inside its frame. The painter is
// antialiased; everything scales with the area, so one drawing serves every tile size.
void DrawFaceSymbol(QPainter& painter, const QRectF& area, int kind);

}  // namespace kestalon::artgen
