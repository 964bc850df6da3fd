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
  // How far from a corner of the face the rounding may reach.
  int CornerAllowance() const { return 6 * Scale(); }
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

QImage Tile(const TileSet& set, int kind) {
  return LoadPicture(TileFile(set.large, kind, set.twice));
}

class TilePictureTest : public ::testing::TestWithParam<TileSet> {};

TEST_P(TilePictureTest, EveryKindHasAPictureOfTheExactSize) {
  const TileSet set = GetParam();
  for (int kind = 1; kind <= kKinds; ++kind) {
    SCOPED_TRACE(kind);
    const QImage picture = Tile(set, kind);
    ASSERT_FALSE(picture.isNull()) << qPrintable(TileFile(set.large, kind, set.twice));
    EXPECT_EQ(picture.width(), set.Width());
    EXPECT_EQ(picture.height(), set.Height());
  }
}

// White is the mask colour: every pure white pixel must be reachable from the border through
// white, or the game would punch a hole into the tile.
TEST_P(TilePictureTest, WhiteLiesOnlyInTheSurround) {
  const TileSet set = GetParam();
  for (int kind = 1; kind <= kKinds; ++kind) {
    SCOPED_TRACE(kind);
    const QImage picture = Tile(set, kind);
    ASSERT_EQ(picture.size(), QSize(set.Width(), set.Height()));
    const int w = picture.width(), h = picture.height();
    auto white = [&](int x, int y) { return IsPureWhite(picture.pixel(x, y)); };

    // The cut corners at the top left and bottom right belong to the surround.
    EXPECT_TRUE(white(0, 0));
    EXPECT_TRUE(white(w - 1, h - 1));

    std::vector<char> reached(static_cast<std::size_t>(w * h), 0);
    std::vector<QPoint> stack;
    for (int x = 0; x < w; ++x) {
      stack.push_back({x, 0});
      stack.push_back({x, h - 1});
    }
    for (int y = 0; y < h; ++y) {
      stack.push_back({0, y});
      stack.push_back({w - 1, y});
    }
    while (!stack.empty()) {
      const QPoint p = stack.back();
      stack.pop_back();
      if (p.x() < 0 || p.y() < 0 || p.x() >= w || p.y() >= h) continue;
      char& seen = reached[static_cast<std::size_t>(p.y() * w + p.x())];
      if (seen || !white(p.x(), p.y())) continue;
      seen = 1;
      stack.push_back(p + QPoint(1, 0));
      stack.push_back(p + QPoint(-1, 0));
      stack.push_back(p + QPoint(0, 1));
      stack.push_back(p + QPoint(0, -1));
    }
    int stray = 0;
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        if (white(x, y) && !reached[static_cast<std::size_t>(y * w + x)]) ++stray;
      }
    }
    EXPECT_EQ(stray, 0) << "pure white pixels inside the tile";

    // The face, away from its rounded corners, is tile through and through.
    const int m = set.CornerAllowance();
    int whiteInFace = 0;
    for (int y = m; y <= set.FaceBottom() - m; ++y) {
      for (int x = set.FaceLeft() + m; x <= set.FaceRight() - m; ++x) whiteInFace += white(x, y);
    }
    EXPECT_EQ(whiteInFace, 0);
  }
}

TEST_P(TilePictureTest, FaceHasADarkFrame) {
  const TileSet set = GetParam();
  const int m = set.CornerAllowance();
  for (int kind = 1; kind <= kKinds; ++kind) {
    SCOPED_TRACE(kind);
    const QImage picture = Tile(set, kind);
    ASSERT_EQ(picture.size(), QSize(set.Width(), set.Height()));
    for (int x = set.FaceLeft() + m; x <= set.FaceRight() - m; ++x) {
      EXPECT_LT(Luminance(picture.pixel(x, 0)), 60) << "top edge at x " << x;
      EXPECT_LT(Luminance(picture.pixel(x, set.FaceBottom())), 60) << "bottom edge at x " << x;
    }
    for (int y = m; y <= set.FaceBottom() - m; ++y) {
      EXPECT_LT(Luminance(picture.pixel(set.FaceLeft(), y)), 60) << "left edge at y " << y;
      EXPECT_LT(Luminance(picture.pixel(set.FaceRight(), y)), 60) << "right edge at y " << y;
    }
  }
}

TEST_P(TilePictureTest, FaceIsPaleInsideTheFrame) {
  const TileSet set = GetParam();
  const int inset = 2 * set.Scale();
  for (int kind = 1; kind <= kKinds; ++kind) {
    SCOPED_TRACE(kind);
    const QImage picture = Tile(set, kind);
    ASSERT_EQ(picture.size(), QSize(set.Width(), set.Height()));
    int pale = 0, total = 0;
    for (int y = inset; y <= set.FaceBottom() - inset; ++y) {
      for (int x = set.FaceLeft() + inset; x <= set.FaceRight() - inset; ++x) {
        pale += Luminance(picture.pixel(x, y)) > 200;
        ++total;
      }
    }
    EXPECT_GT(pale * 10, total * 4) << "the symbol should sit on a pale face";
  }
}

// The visible side runs down the left and along the bottom, in a warm colour.
TEST_P(TilePictureTest, DepthBandRunsDownTheLeftAndAlongTheBottom) {
  const TileSet set = GetParam();
  const int m = set.CornerAllowance() + set.depth * set.Scale();
  auto warm = [](QRgb p) { return qRed(p) > qBlue(p) + 20 && !IsPureWhite(p); };
  for (int kind = 1; kind <= kKinds; ++kind) {
    SCOPED_TRACE(kind);
    const QImage picture = Tile(set, kind);
    ASSERT_EQ(picture.size(), QSize(set.Width(), set.Height()));
    const int bandX = set.FaceLeft() / 2;
    for (int y = m; y <= set.FaceBottom() - m / 2; ++y) {
      EXPECT_TRUE(warm(picture.pixel(bandX, y))) << "left band at y " << y;
    }
    const int bandY = (set.FaceBottom() + set.Height()) / 2;
    for (int x = m; x <= set.FaceRight() - m; ++x) {
      EXPECT_TRUE(warm(picture.pixel(x, bandY))) << "bottom band at x " << x;
    }
    EXPECT_GT(Luminance(picture.pixel(bandX, set.Height() / 2)), 100);
  }
}

TEST_P(TilePictureTest, NoTwoKindsShareAPicture) {
  const TileSet set = GetParam();
  std::vector<QImage> pictures;
  for (int kind = 1; kind <= kKinds; ++kind) pictures.push_back(Tile(set, kind));
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
  const QImage picture = Tile(set, kind);
  const QImage face =
      picture.copy(set.FaceLeft(), 0, set.faceWidth * set.Scale(), set.faceHeight * set.Scale());
  return face.scaled(42, 37, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
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
  const TileSet& reference = kTileSets[2];
  std::vector<QImage> referenceFaces;
  for (int kind = 1; kind <= kKinds; ++kind) {
    referenceFaces.push_back(FaceAtRegularSize(reference, kind));
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
  const int high = std::max({qRed(p), qGreen(p), qBlue(p)});
  const int low = std::min({qRed(p), qGreen(p), qBlue(p)});
  return high - low > 90;
}

// Dark or clearly coloured: a stick with its darker joints.
bool Painted(QRgb p) {
  return Saturated(p) || Luminance(p) < 150;
}

// Separate patches of pixels that pass the test on the face (8-connected, ignoring specks).
int Patches(const QImage& picture, const TileSet& set, bool (*test)(QRgb)) {
  const int inset = 2 * set.Scale();
  const QRect face(set.FaceLeft() + inset, inset, set.faceWidth * set.Scale() - 2 * inset,
                   set.faceHeight * set.Scale() - 2 * inset);
  std::vector<char> seen(static_cast<std::size_t>(picture.width() * picture.height()), 0);
  int patches = 0;
  for (int y = face.top(); y <= face.bottom(); ++y) {
    for (int x = face.left(); x <= face.right(); ++x) {
      if (seen[y * picture.width() + x] || !test(picture.pixel(x, y))) continue;
      int size = 0;
      std::vector<QPoint> stack{{x, y}};
      while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        if (!face.contains(p)) continue;
        char& s = seen[p.y() * picture.width() + p.x()];
        if (s || !test(picture.pixel(p))) continue;
        s = 1;
        ++size;
        for (int dy = -1; dy <= 1; ++dy) {
          for (int dx = -1; dx <= 1; ++dx) stack.push_back(p + QPoint(dx, dy));
        }
      }
      patches += size >= 6;
    }
  }
  return patches;
}

const TileSet& LargeTwice() {
  return kTileSets[1];
}

// Circles 2..9 show that many dots, each a ring round a heart: two patches a dot.
TEST(TileKindOrder, CirclesShowTheirNumberOfDots) {
  for (int value = 2; value <= 9; ++value) {
    const QImage picture = Tile(LargeTwice(), 15 + value);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(Patches(picture, LargeTwice(), Saturated), 2 * value) << "circles " << value;
  }
}

// Bamboo 2..9 show that many sticks.
TEST(TileKindOrder, BambooShowTheirNumberOfSticks) {
  for (int value = 2; value <= 9; ++value) {
    const QImage picture = Tile(LargeTwice(), 33 + value);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(Patches(picture, LargeTwice(), Painted), value) << "bamboo " << value;
  }
}

// Counts pixels of the face's lower or upper part that match a test.
template <typename Test>
int CountInRows(const QImage& picture, const TileSet& set, double from, double to, Test test) {
  int count = 0;
  const int top = static_cast<int>(set.FaceBottom() * from);
  const int bottom = static_cast<int>(set.FaceBottom() * to);
  for (int y = top; y < bottom; ++y) {
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
bool Ink(QRgb p) {
  return Luminance(p) < 70;
}

// Flowers carry a red label and seasons a blue one, along the bottom of the face.
TEST(TileKindOrder, FlowersAndSeasonsCarryTheirLabelColour) {
  for (const TileSet& set : kTileSets) {
    for (int kind = 1; kind <= 8; ++kind) {
      const QImage picture = Tile(set, kind);
      ASSERT_FALSE(picture.isNull());
      const int red = CountInRows(picture, set, 0.78, 0.97, Red);
      const int blue = CountInRows(picture, set, 0.78, 0.97, Blue);
      if (kind <= 4) {
        EXPECT_GT(red, 10 * set.Scale()) << set.name << " flower " << kind;
        EXPECT_EQ(blue, 0) << set.name << " flower " << kind;
      } else {
        EXPECT_GT(blue, 10 * set.Scale()) << set.name << " season " << kind;
        EXPECT_EQ(red, 0) << set.name << " season " << kind;
      }
    }
  }
}

// Craks: a dark numeral above the red character for ten thousand.
TEST(TileKindOrder, CraksShowADarkNumeralOverARedCharacter) {
  for (const TileSet& set : kTileSets) {
    for (int kind = 25; kind <= 33; ++kind) {
      const QImage picture = Tile(set, kind);
      ASSERT_FALSE(picture.isNull());
      EXPECT_GT(CountInRows(picture, set, 0.05, 0.42, Ink), 0) << set.name << " " << kind;
      EXPECT_EQ(CountInRows(picture, set, 0.05, 0.42, Red), 0) << set.name << " " << kind;
      EXPECT_GT(CountInRows(picture, set, 0.5, 0.95, Red), 20 * set.Scale())
          << set.name << " " << kind;
    }
  }
}

}  // namespace
}  // namespace kestalon::testing
