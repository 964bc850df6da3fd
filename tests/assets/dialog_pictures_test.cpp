// The committed dialog pictures and program icons: sizes and what they show where.
#include <gtest/gtest.h>

#include <QImage>

#include "tests/assets/asset_files.h"

namespace kestalon::testing {
namespace {

QImage DialogPicture(const char* name, bool twice) {
  return LoadPicture(QStringLiteral("pictures/%1%2.png").arg(name, twice ? "@2x" : ""));
}

TEST(DialogPictures, HaveTheirSizeAndATwiceSizeVersion) {
  for (const auto& [name, size] :
       {std::pair{"well_done_face", QSize(45, 40)}, std::pair{"no_moves_sign", QSize(61, 61)},
        std::pair{"title", QSize(216, 118)}}) {
    SCOPED_TRACE(name);
    const QImage single = DialogPicture(name, false);
    const QImage twice = DialogPicture(name, true);
    ASSERT_FALSE(single.isNull());
    ASSERT_FALSE(twice.isNull());
    EXPECT_EQ(single.size(), size);
    EXPECT_EQ(twice.size(), size * 2);
    EXPECT_FALSE(single.hasAlphaChannel() && single.pixelColor(0, 0).alpha() < 255)
        << "dialog pictures are opaque";
  }
}

const auto Grey = [](QRgb p) { return (p & 0xFFFFFF) == 0xC0C0C0; };
const auto White = [](QRgb p) { return IsPureWhite(p); };
const auto Yellow = [](QRgb p) { return qRed(p) > 200 && qGreen(p) > 160 && qBlue(p) < 120; };
const auto Gold = [](QRgb p) { return Yellow(p) && qBlue(p) < 80; };
const auto Red = [](QRgb p) { return qRed(p) > 180 && qGreen(p) < 80 && qBlue(p) < 80; };
const auto NotRed = [](QRgb p) { return !Red(p); };
const auto Warm = [](QRgb p) { return qRed(p) > qBlue(p) + 20; };
const auto Dark = [](QRgb p) { return Luminance(p) < 60; };

// A point of a picture in single-size pixels (negative: from the far edge) and what it shows.
struct Sample {
  const char* picture;
  double x, y;
  bool (*test)(QRgb);
  const char* what;
};

const Sample kSamples[] = {
    {"well_done_face", 0, 0, Grey, "grey ground"},
    {"well_done_face", -1, -1, Grey, "grey ground"},
    {"well_done_face", 22, 20, Yellow, "yellow between the eyes, above the smile"},
    {"no_moves_sign", 0, 0, Grey, "grey ground"},
    {"no_moves_sign", 30, 5, Red, "top of the ring"},
    {"no_moves_sign", 5, 30, Red, "left of the ring"},
    {"no_moves_sign", 30, 30, Red, "the bar through the middle"},
    {"no_moves_sign", 20, 20, Red, "the bar runs from top left"},
    {"no_moves_sign", 40, 20, NotRed, "inside the ring, off the bar"},
    {"title", 20, 47, White, "white box"},
    {"title", 15.5, 59, Gold, "yellow frame round the box"},
    // Tiles in the top and bottom rows, at the left end: the depth band, then the face frame.
    {"title", 3, 20, Warm, "band of the top row"},
    {"title", 6, 20, Dark, "frame of the top row"},
    {"title", 3, 100, Warm, "band of the bottom row"},
    {"title", 6, 100, Dark, "frame of the bottom row"},
};

TEST(DialogPictures, ShowWhatTheyShouldWhereTheyShouldAtBothSizes) {
  for (bool twice : {false, true}) {
    const int s = twice ? 2 : 1;
    for (const Sample& sample : kSamples) {
      const QImage picture = DialogPicture(sample.picture, twice);
      ASSERT_FALSE(picture.isNull()) << sample.picture;
      const int x = sample.x < 0 ? picture.width() + int(sample.x) : int(sample.x * s);
      const int y = sample.y < 0 ? picture.height() + int(sample.y) : int(sample.y * s);
      EXPECT_TRUE(sample.test(picture.pixel(x, y)))
          << sample.picture << (twice ? "@2x" : "") << " at " << x << "," << y << ": "
          << sample.what;
    }
    // The black outline round the face: along the middle row, from the ground inwards.
    const QImage face = DialogPicture("well_done_face", twice);
    int darkest = 255;
    for (int x = 0; x < 10 * s; ++x) darkest = std::min(darkest, Luminance(face.pixel(x, 20 * s)));
    EXPECT_LT(darkest, 50);
  }
}

TEST(ProgramIcon, EverySizeIsSquareAndTransparentRoundTheTiles) {
  for (int size : {16, 32, 48, 64, 128, 256}) {
    SCOPED_TRACE(size);
    const QImage icon = LoadPicture(QStringLiteral("icons/%1/pc-kestalon.png").arg(size));
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.size(), QSize(size, size));
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255);
  }
}

}  // namespace
}  // namespace kestalon::testing
