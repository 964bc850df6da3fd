// The tile pictures' white surround made transparent, as the board draws them.
#pragma once

#include <QImage>

namespace kestalon {

// The picture as premultiplied ARGB with every pure white pixel transparent: the pictures keep
// pure white for their surround only, which the board shows the green through.
QImage WithWhiteTransparent(const QImage& picture);

}  // namespace kestalon
