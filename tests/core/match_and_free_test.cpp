// The match rule over all kind pairs and the free rule on the real layout.
#include <gtest/gtest.h>

#include "core/rules.h"
#include "display/layout/board_layout.h"
#include "tests/support/board_setup.h"
#include "tests/support/fake_runtime.h"

namespace kestalon {
namespace {

using testing::FakeGame;
using testing::SetUpBoard;

TEST(TilesMatch, FlowersMatchFlowersAndSeasonsMatchSeasons) {
  EXPECT_TRUE(TilesMatch(1, 4));  // Plum and Orchid
  EXPECT_TRUE(TilesMatch(2, 3));
  EXPECT_TRUE(TilesMatch(5, 8));  // Spring and Winter
  EXPECT_TRUE(TilesMatch(6, 7));
  EXPECT_FALSE(TilesMatch(4, 5));  // Orchid and Spring
  EXPECT_FALSE(TilesMatch(1, 8));
}

TEST(TilesMatch, OtherKindsMatchOnlyThemselves) {
  EXPECT_FALSE(TilesMatch(16, 25));  // Circles 1 and Craks 1
  EXPECT_FALSE(TilesMatch(9, 10));
  EXPECT_FALSE(TilesMatch(8, 9));  // a season and a dragon
  EXPECT_FALSE(TilesMatch(4, 9));
  for (TileKind k = 9; k <= 42; ++k) EXPECT_TRUE(TilesMatch(k, k)) << k;
}

TEST(TilesMatch, IsSymmetricAndAgreesWithTheGroups) {
  auto group = [](TileKind k) { return k <= 4 ? -1 : k <= 8 ? -2 : k; };
  for (TileKind a = 1; a <= 42; ++a) {
    for (TileKind b = 1; b <= 42; ++b) {
      EXPECT_EQ(TilesMatch(a, b), TilesMatch(b, a)) << a << "," << b;
      EXPECT_EQ(TilesMatch(a, b), group(a) == group(b)) << a << "," << b;
    }
  }
}

class FreeRule : public ::testing::Test {
 protected:
  FakeGame game;
  void FillBoard() {
    Board.fill(0);
    for (int p = 1; p <= kPositionCount; ++p) Board[p] = 20;
  }
};

TEST_F(FreeRule, FullBoardFreesOnlyRowEndsAndTheTop) {
  FillBoard();
  std::vector<int> free;
  for (int p = 1; p <= kPositionCount; ++p) {
    if (IsFree(static_cast<Position>(p))) free.push_back(p);
  }
  // Uncovered row ends of every layer, where rows 3 and 4 of the bottom layer lean on the
  // end tiles; of those only the outer ones, 31 and 57, are free. Layer 4 lies under 144.
  const std::vector<int> expected{1,   12,  13,  20,  21,  30,  31,  57,  58,  67,  68,  75,
                                  76,  87,  88,  93,  94,  99,  100, 105, 106, 111, 112, 117,
                                  118, 123, 124, 127, 128, 131, 132, 135, 136, 139, 144};
  EXPECT_EQ(free, expected);
}

TEST_F(FreeRule, CoveredTileIsBlockedEvenWithBothSidesGone) {
  SetUpBoard({{95, 20}, {124, 21}});  // 124 lies on 95 (layer 3 over layer 2, row 2, col 8)
  EXPECT_FALSE(IsFree(95));
  Board[124] = 0;
  EXPECT_TRUE(IsFree(95));
}

TEST_F(FreeRule, BothSideNeighboursBlockAndEitherGoneFrees) {
  SetUpBoard({{2, 20}, {1, 21}, {3, 22}});
  EXPECT_FALSE(IsFree(2));
  Board[1] = 0;
  EXPECT_TRUE(IsFree(2));
  Board[1] = 21;
  Board[3] = 0;
  EXPECT_TRUE(IsFree(2));
}

TEST_F(FreeRule, InnerRightEndTileIsHeldOnlyByTheOuterOne) {
  SetUpBoard({{31, 20}, {32, 21}});
  EXPECT_FALSE(IsFree(32));  // 31 stands on both of its sides
  Board[31] = 0;
  EXPECT_TRUE(IsFree(32));
  // With 33 and 45 gone it is still 31 alone that decides.
  SetUpBoard({{31, 20}, {32, 21}});
  EXPECT_FALSE(IsFree(32));
}

TEST_F(FreeRule, RowsThreeAndFourLeanOnTheEndTiles) {
  FillBoard();
  for (Position p : {34, 46}) Board[p] = 0;  // the left neighbours of 33 and 45
  EXPECT_TRUE(IsFree(33));
  EXPECT_TRUE(IsFree(45));
  Board[34] = 20;
  Board[32] = 0;  // the inner end tile gone: 33 is free by its right side
  EXPECT_TRUE(IsFree(33));
  FillBoard();
  EXPECT_FALSE(IsFree(44));
  Board[57] = 0;
  EXPECT_TRUE(IsFree(44));
  EXPECT_TRUE(IsFree(56));
}

TEST_F(FreeRule, LayerFourIsFreeOnceTheTopTileIsGone) {
  FillBoard();
  for (Position p : {140, 141, 142, 143}) EXPECT_FALSE(IsFree(p)) << p;
  Board[144] = 0;
  for (Position p : {140, 141, 142, 143}) EXPECT_TRUE(IsFree(p)) << p;
}

TEST_F(FreeRule, EmptyPositionCanReadFreeAndEntryZeroIsFree) {
  SetUpBoard({});
  EXPECT_TRUE(IsFree(5));
  EXPECT_TRUE(IsFree(0));
}

}  // namespace
}  // namespace kestalon
