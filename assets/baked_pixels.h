// The pictures the game shows at start-up, decoded when the program was built, so that
// starting needs no picture decoder.
#pragma once

#include <QImage>

namespace kestalon {

// The tile picture of kind 1..42 for one tile size, premultiplied ARGB with its white surround
// transparent, twice the size at pixel ratio 2 if asked; a null image for other kinds. The image
// reads the program's own pixels in place: painting on it makes a copy first.
QImage BakedTilePicture(bool large, int kind, bool twice = false);

// The program's icon at 16, 32 or 48 pixels, premultiplied ARGB; a null image at other sizes.
QImage BakedIcon(int size);

}  // namespace kestalon
