// The sans-serif fonts the dialogs are laid out for.
#include "dialogs/dialog_fonts.h"

#include <QStringList>

namespace kestalon {

QFont SansSerifFont(qreal pointSize, bool bold) {
  QFont font;
  font.setFamilies({QStringLiteral("Noto Sans"), QStringLiteral("DejaVu Sans")});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(pointSize);
  font.setWeight(bold ? QFont::Bold : QFont::Normal);
  return font;
}

QFont DialogFont() {
  return SansSerifFont(8.25, false);
}

QFont NumberFont() {
  return SansSerifFont(9.75, true);
}

}  // namespace kestalon
