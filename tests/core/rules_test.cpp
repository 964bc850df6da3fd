// The match rule and the free rule: which tiles can be taken.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "core/rules.h"

namespace kestalon {
namespace {

TEST(TilesMatch, EveryPairOfKinds) {
  // The four flowers are one group, the four seasons another; every other kind stands alone.
  const auto group = [](int kind) { return kind <= 4 ? 100 : kind <= 8 ? 200 : kind; };
  for (TileKind a = 1; a <= 42; ++a)
    for (TileKind b = 1; b <= 42; ++b)
      EXPECT_EQ(TilesMatch(a, b), group(a) == group(b)) << a << "," << b;
}

Game FullBoardWithout(const std::vector<Position>& gone) {
  Game game;
  game.Board.fill(20);
  game.Board[0] = 0;
  for (Position p : gone) game.Board[p] = 0;
  return game;
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
  const Game full = FullBoardWithout({});
  std::vector<int> free;
  for (Position p = 1; p <= kPositionCount; ++p)
    if (IsFree(full, p)) free.push_back(p);
  // Uncovered row ends, where rows 3 and 4 end on the end tiles, of which 31 and 57 are free.
  EXPECT_EQ(free, (std::vector{1,   12,  13,  20,  21,  30,  31,  57,  58,  67,  68,  75,
                               76,  87,  88,  93,  94,  99,  100, 105, 106, 111, 112, 117,
                               118, 123, 124, 127, 128, 131, 132, 135, 136, 139, 144}));
  for (const auto& [gone, positions, isFree] : kFreeCases) {
    const Game game = FullBoardWithout(gone);
    for (Position p : positions) EXPECT_EQ(IsFree(game, p), isFree) << p << " without " << gone[0];
  }
}

}  // namespace
}  // namespace kestalon
