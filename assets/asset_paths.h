// Where our compiled-in pictures live in the program's resources.
#pragma once

#include <QString>

namespace kestalon {

// Tile picture of kind 1..42 for one tile size; hiDpi gives the twice-size version.
QString TilePicturePath(bool large, int kind, bool hiDpi = false);

// Dialog pictures: the smiling face, the prohibition sign and the title picture.
QString PicturePath(const char* name, bool hiDpi = false);
inline constexpr const char* kWellDonePicture = "well_done_face";
inline constexpr const char* kNoMovesPicture = "no_moves_sign";
inline constexpr const char* kTitlePicture = "title";

// The game's icon at one of the hicolor sizes (16, 32, 48, 64, 128, 256).
QString IconPath(int size);

}  // namespace kestalon
