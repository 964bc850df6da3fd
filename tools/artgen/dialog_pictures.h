// The pictures beyond the tiles: the result dialogs' pictures, the title picture and icons.
#pragma once

#include <QImage>

namespace kestalon::artgen {

// Opaque pictures at a whole-number scale of their size (2 for high-density screens).
QImage WellDoneFace(int scale);  // 45 x 40: a yellow smiling face on grey
QImage NoMovesSign(int scale);   // 61 x 61: a red prohibition sign on grey
QImage TitlePicture(int scale);  // 216 x 118: rows of tiles under the game's name

// The program's icon, size x size, transparent round the tiles.
QImage ProgramIcon(int size);

}  // namespace kestalon::artgen
