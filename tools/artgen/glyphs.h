// Text for the artwork: the two font families it uses and text placed by its ink.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QString>
#include <QStringList>

namespace kestalon::artgen {

// Both families come from Debian's Noto packages (SIL Open Font License 1.1).
inline constexpr const char* kLatinFamily = "Noto Sans";        // fonts-noto-core
inline constexpr const char* kCjkFamily = "Noto Serif CJK TC";  // fonts-noto-cjk

// The families above that this machine lacks; the art must not fall back to other fonts.
QStringList MissingFonts();

// A font at a size in pixels (fractions allowed: the text is drawn as an outline).
struct TextStyle {
  const char* family = kLatinFamily;
  double pixelSize = 10;
  bool bold = true;
};

inline TextStyle Latin(double pixelSize, bool bold = true) {
  return {kLatinFamily, pixelSize, bold};
}
inline TextStyle Cjk(double pixelSize) {
  return {kCjkFamily, pixelSize, true};
}

// The outline of text whose ink box is centred on the point.
QPainterPath CentredText(const QString& text, const TextStyle& style, QPointF centre);

// The size of the ink of text, without side bearings or line spacing.
QSizeF InkSize(const QString& text, const TextStyle& style);

// Fills the text; a positive embolden also strokes its outline with a pen that wide, which
// keeps the thin strokes of serif characters visible on small tiles.
void FillText(QPainter& painter, const QString& text, const TextStyle& style, QPointF centre,
              const QColor& colour, double embolden = 0);

}  // namespace kestalon::artgen
