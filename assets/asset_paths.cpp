// Resource paths of the artwork generated into assets/ by tools/artgen.
#include "assets/asset_paths.h"

namespace kestalon {

QString TilePicturePath(bool large, int kind, bool hiDpi) {
  return QStringLiteral(":/tiles/%1/tile%2%3.png")
      .arg(large ? QStringLiteral("large") : QStringLiteral("regular"))
      .arg(kind, 2, 10, QLatin1Char('0'))
      .arg(hiDpi ? QStringLiteral("@2x") : QString());
}

QString PicturePath(const char* name, bool hiDpi) {
  return QStringLiteral(":/pictures/%1%2.png")
      .arg(QLatin1String(name), hiDpi ? QStringLiteral("@2x") : QString());
}

QString IconPath(int size) { return QStringLiteral(":/icons/%1/pc-kestalon.png").arg(size); }

}  // namespace kestalon
