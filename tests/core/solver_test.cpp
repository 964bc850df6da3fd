// The solver against trying every order of moves, on small positions packed tight enough for
// tiles to cover and hold one another; full deals built backwards; the hint's advice.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <vector>

#include "core/board_topology.h"
#include "core/hint.h"
#include "core/lost_positions.h"
#include "core/solver.h"
#include "tests/support/board_setup.h"

namespace kestalon::testing {
namespace {

bool WinsByTryingEverything(const BoardTiles& board, std::set<BoardTiles>& lost) {
  if (std::all_of(board.begin(), board.end(), [](TileKind k) { return k == 0; })) return true;
  if (lost.contains(board)) return false;
  Game game;
  game.Board = board;
  for (Position a = 1; a <= kPositionCount; ++a) {
    if (!IsFreeTile(game, a)) continue;
    for (Position b = a + 1; b <= kPositionCount; ++b) {
      if (!IsFreeTile(game, b) || !TilesMatch(board[a], board[b])) continue;
      BoardTiles next = board;
      next[a] = next[b] = 0;
      if (WinsByTryingEverything(next, lost)) return true;
    }
  }
  lost.insert(board);
  return false;
}

bool Wins(const BoardTiles& board) {
  std::set<BoardTiles> lost;
  return WinsByTryingEverything(board, lost);
}

// 8 to 20 tiles round a random place, nearest first, in classes of four and two, the first
// class flowers.
Game SmallPosition(std::mt19937& random) {
  std::vector<Position> places;
  for (Position p = 1; p <= kPositionCount; ++p) places.push_back(p);
  std::shuffle(places.begin(), places.end(), random);
  const GridPlace centre = kGridPlaces[places[0]];
  const auto distance = [&](Position p) {
    const GridPlace g = kGridPlaces[p];
    return std::abs(g.halfColumn - centre.halfColumn) + std::abs(g.halfRow - centre.halfRow) +
           2 * std::abs(g.layer - centre.layer);
  };
  std::stable_sort(places.begin(), places.end(),
                   [&](Position a, Position b) { return distance(a) < distance(b); });
  const int count = 2 * std::uniform_int_distribution(4, 10)(random);
  std::vector<TileKind> kinds;
  for (TileKind kind = 20; static_cast<int>(kinds.size()) < count; ++kind) {
    const bool four = count - kinds.size() >= 4 && random() % 4 != 0;
    for (int i = 0; i < (four ? 4 : 2); ++i)
      kinds.push_back(kind == 20 ? static_cast<TileKind>(1 + i) : kind);
  }
  std::shuffle(kinds.begin(), kinds.end(), random);
  Game game;
  for (int i = 0; i < count; ++i) game.Board[places[i]] = kinds[i];
  return game;
}

Position PileOfThreeBottom() {
  for (Position p = 1; p <= kPositionCount; ++p)
    if (TileNeighbours[TileNeighbours[p].above].above != 0) return p;
  return 0;
}

// Three of a kind side by side in a row, the fourth apart: the outer two pair. And a class
// with two tiles free and two in one pile under another tile: taking the two free ones first
// loses.
std::vector<Game> HandMadePositions() {
  const Position bottom = PileOfThreeBottom(), middle = TileNeighbours[bottom].above,
                 top = TileNeighbours[middle].above;
  return {BoardWith({{1, 30}, {2, 30}, {3, 30}, {13, 30}}),
          BoardWith({{bottom, 30}, {middle, 30}, {top, 31}, {1, 30}, {13, 30}, {76, 31}})};
}

TEST(Solver, AgreesWithTryingEveryOrderAlongRandomGames) {
  std::mt19937 random(23);
  std::vector<Game> starts = HandMadePositions();
  for (int i = 0; i < 250; ++i) starts.push_back(SmallPosition(random));
  int lost = 0;
  for (Game game : starts) {
    Solver solver;  // one per game, so that what it learns carries from move to move
    for (;;) {
      const Solution solution = solver.Solve(game.Board);
      const bool wins = Wins(game.Board);
      ASSERT_NE(solution.verdict, Verdict::Unknown);
      EXPECT_EQ(solution.verdict == Verdict::Winnable, wins)
          << ::testing::PrintToString(game.Board);
      if (wins) {
        EXPECT_TRUE(ClearsBoard(game.Board, solution.moves));
      }
      lost += !wins;
      const std::int16_t moves = CountAvailableMoves(game);
      if (moves == 0) break;
      const MovePair move = *FindAvailableMove(game, 1 + random() % moves);
      RemovePair(game, move.first, move.second);
    }
  }
  EXPECT_GT(lost, 100);  // the table holds lost positions as well as won ones
}

TEST(Solver, DealsBuiltBackwardsAreWonAlongALineTheRulesAccept) {
  std::mt19937 random(7);
  for (int i = 0; i < 30; ++i) {
    const BoardTiles board = DealBuiltBackwards(random);
    const Solution solution = Solver().Solve(board);
    EXPECT_NE(solution.verdict, Verdict::Lost) << i;
    if (solution.verdict == Verdict::Winnable) {
      EXPECT_TRUE(ClearsBoard(board, solution.moves));
    }
  }
}

TEST(Solver, TinyBudgetAnswersUnknown) {
  std::mt19937 random(5);
  const Solution solution = Solver().Solve(DealBuiltBackwards(random), 1);
  EXPECT_EQ(solution.verdict, Verdict::Unknown);
  EXPECT_TRUE(solution.moves.empty());
}

TEST(LostPositions, KnowsANodeByAllItsTilesAndPairings) {
  solving::Node lost;
  for (Position p : {5, 70, 130, 144}) lost.present.Add(p);
  lost.pairing[3] = 2;
  solving::LostPositions table;
  table.Adopt(BoardWith({{5, 9}, {70, 9}, {130, 9}, {144, 9}}).Board);
  table.Insert(lost);
  EXPECT_TRUE(table.Contains(lost));
  std::vector<solving::Node> others(4, lost);
  others[0].present.Remove(5);
  others[1].present.Remove(70);
  others[2].present.Remove(144);
  others[3].pairing[3] = 1;
  for (const solving::Node& other : others) EXPECT_FALSE(table.Contains(other));
  table.Adopt(BoardWith({{5, 10}}).Board);  // another deal
  EXPECT_FALSE(table.Contains(lost));
}

TEST(Hint, KeepsWinnableGamesWinnableAndCountsTheWayBack) {
  std::mt19937 random(11);
  int walkedBack = 0;
  for (int i = 0; i < 200; ++i) {
    Game game = SmallPosition(random);
    Solver solver;
    const Hint hint = FindHint(game, solver);
    if (!Wins(game.Board)) {
      EXPECT_EQ(hint.answer, HintAnswer::DealLost);
      continue;
    }
    ASSERT_EQ(hint.answer, HintAnswer::Winnable);
    Game advised = game;
    RemovePair(advised, hint.move.first, hint.move.second);
    EXPECT_TRUE(Wins(advised.Board)) << ::testing::PrintToString(game.Board);
    // A move that loses, then another move: the way back is two Undo steps.
    for (std::int16_t n = 1; n <= CountAvailableMoves(game); ++n) {
      Game losing = game;
      const MovePair move = *FindAvailableMove(losing, n);
      RemovePair(losing, move.first, move.second);
      if (Wins(losing.Board) || CountAvailableMoves(losing) == 0) continue;
      const MovePair next = *FindAvailableMove(losing, 1);
      RemovePair(losing, next.first, next.second);
      EXPECT_EQ(FindHint(losing, solver), (Hint{HintAnswer::Lost, {}, 2}));
      ++walkedBack;
      break;
    }
  }
  EXPECT_GT(walkedBack, 20);
}

}  // namespace
}  // namespace kestalon::testing
