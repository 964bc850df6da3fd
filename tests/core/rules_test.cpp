// The match rule, the free rule and the hit test: which tiles can be taken, and where.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "core/rules.h"
#include "display/layout/board_layout.h"
#include "tests/support/board_setup.h"
#include "tests/support/fake_runtime.h"

namespace kestalon::testing {

TEST(TilesMatch, EveryPairOfKinds) {
  // The four flowers are one group, the four seasons another; every other kind stands alone.
  const auto group = [](int kind) { return kind <= 4 ? 100 : kind <= 8 ? 200 : kind; };
  for (TileKind a = 1; a <= 42; ++a)
    for (TileKind b = 1; b <= 42; ++b)
      EXPECT_EQ(TilesMatch(a, b), group(a) == group(b)) << a << "," << b;
}

static void FillBoardWithout(const std::vector<Position>& gone) {
  Board.fill(20);
  Board[0] = 0;
  for (Position p : gone) Board[p] = 0;
}

// Tiles taken from a full board, and positions that are then all free or all blocked: one
// side neighbour gone; 124 lies on 95; 31 alone holds 32; rows 3 and 4 lean on 32 and 57;
// the top tile covers layer 4.
const std::tuple<std::vector<Position>, std::vector<Position>, bool> kFreeCases[] = {
    {{1}, {2}, true},        {{3}, {2}, true},        {{94}, {95}, false},
    {{94, 124}, {95}, true}, {{33, 45}, {32}, false}, {{31}, {32}, true},
    {{32}, {33, 45}, true},  {{57}, {44, 56}, true},  {{144}, {140, 141, 142, 143}, true},
};

TEST(IsFree, FullBoardAndTilesGoneFromIt) {
  FakeGame game;
  FillBoardWithout({});
  std::vector<int> free;
  for (Position p = 1; p <= kPositionCount; ++p)
    if (IsFree(p)) free.push_back(p);
  // Uncovered row ends, where rows 3 and 4 end on the end tiles, of which 31 and 57 are free.
  EXPECT_EQ(free, (std::vector{1,   12,  13,  20,  21,  30,  31,  57,  58,  67,  68,  75,
                               76,  87,  88,  93,  94,  99,  100, 105, 106, 111, 112, 117,
                               118, 123, 124, 127, 128, 131, 132, 135, 136, 139, 144}));
  for (const auto& [gone, positions, isFree] : kFreeCases) {
    FillBoardWithout(gone);
    for (Position p : positions) EXPECT_EQ(IsFree(p), isFree) << p << " without " << gone[0];
  }
}

// Faces: regular 1 at (512, 20) 42 x 37, 12 at (50, 20), 23 at (386, 94) under 94 at (390, 90);
// large 1 at (767, 20) 63 x 55, 12 at (74, 20), 23 at (578, 130) under 94 at (582, 126).
// Each size: the four edges of 1 strictly, 12's depth band, the overlap, 23 alone.
const std::tuple<bool, int, int, Position> kHitCases[] = {
    {false, 512, 38, 0},  {false, 513, 38, 1},   {false, 553, 38, 1},   {false, 554, 38, 0},
    {false, 533, 20, 0},  {false, 533, 21, 1},   {false, 533, 56, 1},   {false, 533, 57, 0},
    {false, 47, 38, 0},   {false, 391, 126, 94}, {false, 388, 129, 23}, {true, 767, 47, 0},
    {true, 768, 47, 1},   {true, 829, 47, 1},    {true, 830, 47, 0},    {true, 798, 20, 0},
    {true, 798, 21, 1},   {true, 798, 74, 1},    {true, 798, 75, 0},    {true, 70, 47, 0},
    {true, 583, 180, 94}, {true, 580, 183, 23},
};

TEST(HitTest, StrictFaceEdgesNoDepthBandUpperTileWins) {
  SetUpBoard({{1, 20}, {12, 21}, {23, 22}, {94, 23}});
  for (const auto& [large, x, y, hit] : kHitCases) {
    BuildLayout(large);
    EXPECT_EQ(HitTest(x, y), hit) << (large ? "large " : "regular ") << x << "," << y;
  }
}

}  // namespace kestalon::testing
