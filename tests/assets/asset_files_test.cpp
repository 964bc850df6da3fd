// The committed artwork the game cannot do without: tile pictures of the exact sizes with no
// white inside a tile, the 42 kinds distinct and in the same order in every set, square
// icons, and sounds in the one format the sound player loads; and the pictures as the build
// bakes them into the program.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "assets/baked_pixels.h"

namespace {

const QRgb kWhite = qRgb(255, 255, 255);

// Paths are relative to the assets folder, where the tests run.
QImage Tile(bool large, bool twice, int kind) {
  return QImage(QString::asprintf("tiles/%s/tile%02d%s.png", large ? "large" : "regular", kind,
                                  twice ? "@2x" : ""))
      .convertToFormat(QImage::Format_RGB32);
}

// White pixels that white does not join to the border (side by side, not corner to corner).
// The game draws white as transparent, so each would be a hole in the tile.
int EnclosedWhite(const QImage& picture) {
  QImage canvas(picture.size() + QSize(2, 2), QImage::Format_RGB32);
  canvas.fill(kWhite);
  QPainter(&canvas).drawImage(1, 1, picture);
  for (std::vector<QPoint> todo{{0, 0}}; !todo.empty();) {
    const QPoint p = todo.back();
    todo.pop_back();
    if (!canvas.valid(p) || canvas.pixel(p) != kWhite) continue;
    canvas.setPixel(p, qRgb(255, 0, 0));
    for (int d : {-1, 1}) todo.insert(todo.end(), {p + QPoint(d, 0), p + QPoint(0, d)});
  }
  int enclosed = 0;
  for (int y = 0; y < canvas.height(); ++y)
    for (int x = 0; x < canvas.width(); ++x) enclosed += canvas.pixel(x, y) == kWhite;
  return enclosed;
}

// How unlike two pictures of one size are: the sum of their differences in grey.
long Distance(const QImage& a, const QImage& b) {
  long sum = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      sum += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
  return sum;
}

// Every picture, brought to the regular size, looks most like the regular picture of its own
// kind: the sets agree, and no kind repeats another's picture (a tie goes to the lower kind).
TEST(TilePictures, ExactSizesNoHolesTheSameDistinctKindsInEverySet) {
  std::vector<QImage> regular;
  for (int kind = 1; kind <= 42; ++kind) regular.push_back(Tile(false, false, kind));
  for (bool large : {false, true})
    for (bool twice : {false, true})
      for (int kind = 1; kind <= 42; ++kind) {
        SCOPED_TRACE(testing::Message() << (large ? "large " : "regular ") << twice << " " << kind);
        const QImage picture = Tile(large, twice, kind);
        ASSERT_EQ(picture.size(), QSize(large ? 72 : 48, large ? 63 : 42) * (twice ? 2 : 1));
        EXPECT_EQ(EnclosedWhite(picture), 0);
        const auto distance = [&](const QImage& r) { return Distance(picture.scaled(48, 42), r); };
        EXPECT_EQ(std::ranges::min_element(regular, {}, distance) - regular.begin(), kind - 1);
      }
}

// Each baked tile picture is its committed picture, every pixel as drawn but the white
// surround, which is transparent; each baked icon is its committed icon.
TEST(BakedPictures, AreTheCommittedOnesWithTheSurroundTransparent) {
  for (bool large : {false, true})
    for (bool twice : {false, true})
      for (int kind = 1; kind <= 42; ++kind) {
        const QImage drawn = Tile(large, twice, kind);
        QImage expected = drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < drawn.height(); ++y)
          for (int x = 0; x < drawn.width(); ++x)
            if (drawn.pixel(x, y) == kWhite) expected.setPixel(x, y, 0);
        EXPECT_EQ(kestalon::BakedTilePicture(large, kind, twice), expected)
            << (large ? "large " : "regular ") << twice << " " << kind;
      }
  for (int size : {16, 32, 48})
    EXPECT_EQ(kestalon::BakedIcon(size),
              QImage(QStringLiteral("icons/%1/pc-kestalon.png").arg(size))
                  .convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

TEST(ProgramIcon, EverySizeIsSquare) {
  for (int size : {16, 32, 48, 64, 128, 256})
    EXPECT_EQ(QImage(QStringLiteral("icons/%1/pc-kestalon.png").arg(size)).size(),
              QSize(size, size));
}

// RIFF/WAVE with a 16-byte format chunk of plain PCM, as the sound player reads it.
TEST(Sounds, ArePcmWaveFiles) {
  for (const char* name : {"alert", "welldone", "gameover"}) {
    QFile file(QStringLiteral("sounds/%1.wav").arg(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly) && file.read(4) == "RIFF" && file.skip(4) &&
                file.read(14) == QByteArray("WAVEfmt \x10\0\0\0\1\0", 14))
        << name;
  }
}

}  // namespace
