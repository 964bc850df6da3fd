// Preview sheets of the written art, for judging it by eye before it is committed.
#pragma once

#include <QString>

namespace kestalon::artgen {

// Draws the pictures found in assetsDir onto sheets in outDir: every tile of both sizes on
// the board's green, a dealt board at both sizes, and the dialog pictures and icons.
// Returns false when a picture is missing or a sheet cannot be written.
bool WritePreviewSheets(const QString& assetsDir, const QString& outDir);

}  // namespace kestalon::artgen
