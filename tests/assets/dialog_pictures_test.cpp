// The committed dialog pictures and program icons: sizes and what they show where.
#include <gtest/gtest.h>

#include <QImage>

#include "tests/assets/asset_files.h"

namespace kestalon::testing {
namespace {

struct Picture {
  const char* name;
  QSize size;
};

const Picture kPictures[] = {
    {"well_done_face", {45, 40}}, {"no_moves_sign", {61, 61}}, {"title", {216, 118}}};

QString PictureFile(const char* name, bool twice) {
  return QStringLiteral("pictures/%1%2.png")
      .arg(QLatin1String(name), twice ? QStringLiteral("@2x") : QString());
}

TEST(DialogPictures, HaveTheirSizeAndATwiceSizeVersion) {
  for (const Picture& picture : kPictures) {
    SCOPED_TRACE(picture.name);
    const QImage single = LoadPicture(PictureFile(picture.name, false));
    const QImage twice = LoadPicture(PictureFile(picture.name, true));
    ASSERT_FALSE(single.isNull());
    ASSERT_FALSE(twice.isNull());
    EXPECT_EQ(single.size(), picture.size);
    EXPECT_EQ(twice.size(), picture.size * 2);
    EXPECT_FALSE(single.hasAlphaChannel() && single.pixelColor(0, 0).alpha() < 255)
        << "dialog pictures are opaque";
  }
}

const QRgb kGrey = qRgb(192, 192, 192);

TEST(DialogPictures, SmilingFaceIsYellowOnGrey) {
  for (bool twice : {false, true}) {
    const QImage face = LoadPicture(PictureFile("well_done_face", twice));
    ASSERT_FALSE(face.isNull());
    const int s = twice ? 2 : 1;
    EXPECT_EQ(face.pixel(0, 0) & 0xFFFFFF, kGrey & 0xFFFFFF);
    EXPECT_EQ(face.pixel(face.width() - 1, face.height() - 1) & 0xFFFFFF, kGrey & 0xFFFFFF);
    // Between the eyes, above the smile: yellow.
    const QRgb cheek = face.pixel(22 * s, 20 * s);
    EXPECT_GT(qRed(cheek), 200);
    EXPECT_GT(qGreen(cheek), 160);
    EXPECT_LT(qBlue(cheek), 120);
    // The outline round the face is black: along the middle row, from the ground inwards.
    int darkest = 255;
    for (int x = 0; x < 10 * s; ++x) darkest = std::min(darkest, Luminance(face.pixel(x, 20 * s)));
    EXPECT_LT(darkest, 50);
  }
}

TEST(DialogPictures, ProhibitionSignIsARedRingWithABarOnGrey) {
  for (bool twice : {false, true}) {
    const QImage sign = LoadPicture(PictureFile("no_moves_sign", twice));
    ASSERT_FALSE(sign.isNull());
    const int s = twice ? 2 : 1;
    auto red = [](QRgb p) { return qRed(p) > 180 && qGreen(p) < 80 && qBlue(p) < 80; };
    EXPECT_EQ(sign.pixel(0, 0) & 0xFFFFFF, kGrey & 0xFFFFFF);
    EXPECT_TRUE(red(sign.pixel(30 * s, 5 * s))) << "top of the ring";
    EXPECT_TRUE(red(sign.pixel(5 * s, 30 * s))) << "left of the ring";
    EXPECT_TRUE(red(sign.pixel(30 * s, 30 * s))) << "the bar through the middle";
    EXPECT_TRUE(red(sign.pixel(20 * s, 20 * s))) << "the bar runs from top left";
    EXPECT_FALSE(red(sign.pixel(40 * s, 20 * s))) << "inside the ring, off the bar";
  }
}

TEST(DialogPictures, TitleShowsTilesRoundAWhiteBoxWithAYellowFrame) {
  for (bool twice : {false, true}) {
    const QImage title = LoadPicture(PictureFile("title", twice));
    ASSERT_FALSE(title.isNull());
    const int s = twice ? 2 : 1;
    const QRgb inBox = title.pixel(20 * s, 47 * s);
    EXPECT_EQ(inBox & 0xFFFFFF, 0xFFFFFFu) << "white box";
    const QRgb frame = title.pixel(15 * s + s / 2, 59 * s);
    EXPECT_GT(qRed(frame), 200);
    EXPECT_GT(qGreen(frame), 160);
    EXPECT_LT(qBlue(frame), 80);
    // Tiles in the top and bottom rows, seen at the left end: the warm depth band, then the
    // black frame of the face.
    for (int y : {20, 100}) {
      const QRgb band = title.pixel(3 * s, y * s);
      EXPECT_GT(qRed(band), qBlue(band) + 20) << "band in the row at " << y;
      EXPECT_LT(Luminance(title.pixel(6 * s, y * s)), 60) << "frame in the row at " << y;
    }
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
