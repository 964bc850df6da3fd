// Text for the artwork: the two font families it uses and text placed by its ink.
#include "tools/artgen/glyphs.h"

#include <QFont>
#include <QFontDatabase>
#include <QTransform>

namespace kestalon::artgen {
namespace {

// Outlines are taken at a large size and scaled down, so that the result does not depend on
// the screen's dots per inch or on hinting.
constexpr int kOutlinePixels = 256;

QPainterPath TextOutline(const QString& text, const TextStyle& style) {
  QFont font(QString::fromLatin1(style.family));
  font.setPixelSize(kOutlinePixels);
  font.setWeight(style.bold ? QFont::Bold : QFont::Normal);
  font.setStyleStrategy(QFont::NoFontMerging);
  QPainterPath path;
  path.addText(0, 0, font, text);
  const double f = style.pixelSize / kOutlinePixels;
  return QTransform::fromScale(f, f).map(path);
}

}  // namespace

QStringList MissingFonts() {
  QStringList missing;
  const QStringList families = QFontDatabase::families();
  for (const char* family : {kLatinFamily, kCjkFamily}) {
    if (!families.contains(QString::fromLatin1(family))) missing << QString::fromLatin1(family);
  }
  return missing;
}

QPainterPath CentredText(const QString& text, const TextStyle& style, QPointF centre) {
  QPainterPath path = TextOutline(text, style);
  path.translate(centre - path.boundingRect().center());
  return path;
}

QSizeF InkSize(const QString& text, const TextStyle& style) {
  return TextOutline(text, style).boundingRect().size();
}

void FillText(QPainter& painter, const QString& text, const TextStyle& style, QPointF centre,
              const QColor& colour, double embolden) {
  const QPainterPath path = CentredText(text, style, centre);
  painter.fillPath(path, colour);
  if (embolden > 0) {
    painter.strokePath(path, QPen(colour, embolden, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  }
}

}  // namespace kestalon::artgen
