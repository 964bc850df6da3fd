// The committed tile pictures: sizes, the white surround, the face frame, the depth band, the
// twice-size versions and the order of kinds.
#include <gtest/gtest.h>

#include <QImage>

#include <array>
#include <cstdlib>
#include <limits>
#include <vector>

#include "tests/assets/asset_files.h"

namespace kestalon::testing {
namespace {

constexpr int kKinds = 42;

// One of the four sets of tile pictures, its measures in that set's own pixels.
struct TileSet {
  const char* name;
  bool large;
  bool twice;
  int faceWidth, faceHeight, depth;  // logical pixels

  int Scale() const { return twice ? 2 : 1; }
  int Width() const { return (faceWidth + depth) * Scale(); }
  int Height() const { return (faceHeight + depth - 1) * Scale(); }
  int FaceLeft() const { return depth * Scale(); }
  int FaceRight() const { return Width() - 1; }
  int FaceBottom() const { return faceHeight * Scale() - 1; }
  // The face, shrunk by inset pixels on each side.
  QRect Face(int inset) const {
    return QRect(QPoint(FaceLeft(), 0), QPoint(FaceRight(), FaceBottom()))
        .adjusted(inset, inset, -inset, -inset);
  }
  // How far from a corner of the face the rounding may reach.
  int CornerAllowance() const { return 6 * Scale(); }
  QImage Tile(int kind) const {
    return LoadPicture(QStringLiteral("tiles/%1/tile%2%3.png")
                           .arg(large ? "large" : "regular")
                           .arg(kind, 2, 10, QLatin1Char('0'))
                           .arg(twice ? "@2x" : ""));
  }
};

void PrintTo(const TileSet& set, std::ostream* os) {
  *os << set.name;
}

const std::array<TileSet, 4> kTileSets = {{
    {"large", true, false, 63, 55, 9},
    {"large@2x", true, true, 63, 55, 9},
    {"regular", false, false, 42, 37, 6},
    {"regular@2x", false, true, 42, 37, 6},
}};

// The sizes of the connected patches of pixels in area that pass test (4- or 8-connected),
// each with whether it touches the edge of the area.
struct Patch {
  int size = 0;
  bool onEdge = false;
};
template <typename Test>
std::vector<Patch> Patches(const QImage& picture, const QRect& area, Test test, bool diagonal) {
  std::vector<char> seen(static_cast<std::size_t>(picture.width() * picture.height()), 0);
  const auto mark = [&](QPoint p) -> char& { return seen[p.y() * picture.width() + p.x()]; };
  std::vector<Patch> patches;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (mark({x, y}) || !test(picture.pixel(x, y))) continue;
      Patch patch;
      std::vector<QPoint> stack{{x, y}};
      while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        if (!area.contains(p) || mark(p) || !test(picture.pixel(p))) continue;
        mark(p) = 1;
        ++patch.size;
        patch.onEdge |= p.x() == area.left() || p.x() == area.right() || p.y() == area.top() ||
                        p.y() == area.bottom();
        for (int dy = -1; dy <= 1; ++dy) {
          for (int dx = -1; dx <= 1; ++dx) {
            if (diagonal || dx == 0 || dy == 0) stack.push_back(p + QPoint(dx, dy));
          }
        }
      }
      patches.push_back(patch);
    }
  }
  return patches;
}

class TilePictureTest : public ::testing::TestWithParam<TileSet> {};

// Every kind: the exact size; white (the mask colour) only in the surround, reached from the
// border, or the game would punch a hole into the tile; a dark frame round a pale face; the
// warm depth band down the left and along the bottom.
TEST_P(TilePictureTest, EveryKindHasTheSizeSurroundFrameFaceAndBand) {
  const TileSet set = GetParam();
  const int m = set.CornerAllowance();
  const auto warm = [](QRgb p) { return qRed(p) > qBlue(p) + 20 && !IsPureWhite(p); };
  for (int kind = 1; kind <= kKinds; ++kind) {
    SCOPED_TRACE(kind);
    const QImage picture = set.Tile(kind);
    ASSERT_EQ(picture.size(), QSize(set.Width(), set.Height()));

    // The cut corners at the top left and bottom right belong to the surround.
    EXPECT_TRUE(IsPureWhite(picture.pixel(0, 0)));
    EXPECT_TRUE(IsPureWhite(picture.pixel(set.Width() - 1, set.Height() - 1)));
    for (const Patch& patch : Patches(picture, picture.rect(), IsPureWhite, false)) {
      EXPECT_TRUE(patch.onEdge) << patch.size << " pure white pixels inside the tile";
    }
    EXPECT_TRUE(Patches(picture, set.Face(m), IsPureWhite, true).empty()) << "white in the face";

    for (int x = set.FaceLeft() + m; x <= set.FaceRight() - m; ++x) {
      EXPECT_LT(Luminance(picture.pixel(x, 0)), 60) << "top edge at x " << x;
      EXPECT_LT(Luminance(picture.pixel(x, set.FaceBottom())), 60) << "bottom edge at x " << x;
    }
    for (int y = m; y <= set.FaceBottom() - m; ++y) {
      EXPECT_LT(Luminance(picture.pixel(set.FaceLeft(), y)), 60) << "left edge at y " << y;
      EXPECT_LT(Luminance(picture.pixel(set.FaceRight(), y)), 60) << "right edge at y " << y;
    }

    const QRect inside = set.Face(2 * set.Scale());
    int pale = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
      for (int x = inside.left(); x <= inside.right(); ++x)
        pale += Luminance(picture.pixel(x, y)) > 200;
    }
    EXPECT_GT(pale * 10, inside.width() * inside.height() * 4) << "symbol on a pale face";

    const int band = m + set.depth * set.Scale();
    const int bandX = set.FaceLeft() / 2;
    const int bandY = (set.FaceBottom() + set.Height()) / 2;
    for (int y = band; y <= set.FaceBottom() - band / 2; ++y) {
      EXPECT_TRUE(warm(picture.pixel(bandX, y))) << "left band at y " << y;
    }
    for (int x = band; x <= set.FaceRight() - band; ++x) {
      EXPECT_TRUE(warm(picture.pixel(x, bandY))) << "bottom band at x " << x;
    }
    EXPECT_GT(Luminance(picture.pixel(bandX, set.Height() / 2)), 100);
  }
}

TEST_P(TilePictureTest, NoTwoKindsShareAPicture) {
  std::vector<QImage> pictures;
  for (int kind = 1; kind <= kKinds; ++kind) pictures.push_back(GetParam().Tile(kind));
  for (int a = 0; a < kKinds; ++a) {
    for (int b = a + 1; b < kKinds; ++b) {
      EXPECT_NE(pictures[a], pictures[b]) << "kinds " << a + 1 << " and " << b + 1;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AllSets, TilePictureTest, ::testing::ValuesIn(kTileSets),
                         [](const auto& info) {
                           return std::string(info.param.large ? "Large" : "Regular") +
                                  (info.param.twice ? "Twice" : "Single");
                         });

// ---- Order of kinds ---------------------------------------------------------------------

// The face of a tile picture scaled to the regular face size, for comparing sets.
QImage FaceAtRegularSize(const TileSet& set, int kind) {
  return set.Tile(kind)
      .copy(set.Face(0))
      .scaled(42, 37, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

long Difference(const QImage& a, const QImage& b) {
  long sum = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
             std::abs(qBlue(p) - qBlue(q));
    }
  }
  return sum;
}

// Each set's picture k must look most like the regular set's picture k, so that the twice-size
// and large pictures cannot be shifted against the regular ones.
TEST(TileKindOrder, AllSetsShowTheSameKindAtTheSamePlace) {
  std::vector<QImage> referenceFaces;
  for (int kind = 1; kind <= kKinds; ++kind) {
    referenceFaces.push_back(FaceAtRegularSize(kTileSets[2], kind));
    ASSERT_EQ(referenceFaces.back().size(), QSize(42, 37));
  }
  for (const TileSet& set : {kTileSets[0], kTileSets[1], kTileSets[3]}) {
    for (int kind = 1; kind <= kKinds; ++kind) {
      const QImage face = FaceAtRegularSize(set, kind);
      ASSERT_EQ(face.size(), QSize(42, 37));
      int closest = 0;
      long best = std::numeric_limits<long>::max();
      for (int other = 1; other <= kKinds; ++other) {
        const long d = Difference(face, referenceFaces[other - 1]);
        if (d < best) best = d, closest = other;
      }
      EXPECT_EQ(closest, kind) << set.name << " picture " << kind;
    }
  }
}

// Pixels of a clear colour, as the dots, sticks and labels are painted.
bool Saturated(QRgb p) {
  return std::max({qRed(p), qGreen(p), qBlue(p)}) - std::min({qRed(p), qGreen(p), qBlue(p)}) > 90;
}

// Circles 2..9 show that many dots, each a ring round a heart: two patches a dot; bamboo 2..9
// show that many sticks (clear colour or dark, with their darker joints). Specks are ignored.
TEST(TileKindOrder, CirclesShowTheirDotsAndBambooTheirSticks) {
  const TileSet& set = kTileSets[1];
  const auto counted = [&](int kind, bool (*test)(QRgb)) {
    const QImage picture = set.Tile(kind);
    if (picture.size() != QSize(set.Width(), set.Height())) return -1;
    int patches = 0;
    for (const Patch& patch : Patches(picture, set.Face(2 * set.Scale()), test, true))
      patches += patch.size >= 6;
    return patches;
  };
  for (int value = 2; value <= 9; ++value) {
    EXPECT_EQ(counted(15 + value, Saturated), 2 * value) << "circles " << value;
    EXPECT_EQ(counted(33 + value, [](QRgb p) { return Saturated(p) || Luminance(p) < 150; }), value)
        << "bamboo " << value;
  }
}

// Counts pixels in a band of the face's rows, from and to given as fractions of its height.
template <typename Test>
int CountInRows(const QImage& picture, const TileSet& set, double from, double to, Test test) {
  int count = 0;
  for (int y = static_cast<int>(set.FaceBottom() * from);
       y < static_cast<int>(set.FaceBottom() * to); ++y) {
    for (int x = set.FaceLeft() + 2 * set.Scale(); x < set.FaceRight() - 2 * set.Scale(); ++x) {
      count += test(picture.pixel(x, y));
    }
  }
  return count;
}

bool Red(QRgb p) {
  return qRed(p) > qGreen(p) + 80 && qRed(p) > qBlue(p) + 80;
}
bool Blue(QRgb p) {
  return qBlue(p) > qRed(p) + 60 && qBlue(p) > qGreen(p) + 20;
}

// Flowers carry a red label and seasons a blue one, along the bottom of the face; craks show
// a dark numeral above the red character for ten thousand.
TEST(TileKindOrder, FlowersSeasonsAndCraksCarryTheirColours) {
  for (const TileSet& set : kTileSets) {
    for (int kind = 1; kind <= 8; ++kind) {
      const QImage picture = set.Tile(kind);
      const bool flower = kind <= 4;
      EXPECT_GT(CountInRows(picture, set, 0.78, 0.97, flower ? Red : Blue), 10 * set.Scale())
          << set.name << " kind " << kind;
      EXPECT_EQ(CountInRows(picture, set, 0.78, 0.97, flower ? Blue : Red), 0)
          << set.name << " kind " << kind;
    }
    for (int kind = 25; kind <= 33; ++kind) {
      const QImage picture = set.Tile(kind);
      const auto ink = [](QRgb p) { return Luminance(p) < 70; };
      EXPECT_GT(CountInRows(picture, set, 0.05, 0.42, ink), 0) << set.name << " " << kind;
      EXPECT_EQ(CountInRows(picture, set, 0.05, 0.42, Red), 0) << set.name << " " << kind;
      EXPECT_GT(CountInRows(picture, set, 0.5, 0.95, Red), 20 * set.Scale())
          << set.name << " " << kind;
    }
  }
}

}  // namespace
}  // namespace kestalon::testing
