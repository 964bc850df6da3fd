// The dialogs are designed in twips; these turn designed sizes into pixels at 96 dpi.
#pragma once

#include <QRect>
#include <QSize>

namespace kestalon {

inline constexpr int kTwipsPerPixel = 15;

// Rounded to the nearest pixel: a few designed sizes are not whole pixels.
constexpr int TwipsToPixels(int twips) {
  return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

inline QSize TwipSize(int width, int height) {
  return {TwipsToPixels(width), TwipsToPixels(height)};
}

// Left, top, width, height in twips, as the dialog designs give them.
inline QRect TwipRect(int left, int top, int width, int height) {
  return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}

}  // namespace kestalon
