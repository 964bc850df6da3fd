// Dealing and the move record: a fresh state and a new board every deal, exact boards back and
// forth, guarded ends, the Game menu's items, and random play over it all.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "core/rules.h"
#include "tests/support/board_setup.h"

namespace kestalon::testing {
namespace {

TEST(DealNewGame, ResetsThePickTheCountersAndMoveSlotsOneTo72) {
  Game game;
  game.SelectedPos = game.MoveIndex = game.RedoLimit = 9;
  game.MoveHistory.fill({5, 6, 7, 8});
  ScriptedRandom random(RandomSequenceDealing(PoolOrderGame().Board));
  EXPECT_EQ(DealNewGame(game, random), EndCheck{});
  EXPECT_EQ(game.Board, PoolOrderGame().Board);
  EXPECT_EQ(random.reseeds, 1);
  // Ten kinds lie twice among the 35 free tiles of this board.
  EXPECT_EQ((std::array{game.SelectedPos, game.MoveIndex, game.RedoLimit, game.AvailableMoves}),
            (std::array<std::int16_t, 4>{0, 1, 1, 10}));
  EXPECT_EQ(game.MoveHistory[0], (MoveRecord{5, 6, 7, 8}));
  for (int m = 1; m <= 72; ++m) EXPECT_EQ(game.MoveHistory[m], MoveRecord{}) << m;
}

// The real generator: two starts of the program, and two deals in a row, give different boards.
TEST(DealNewGame, ReseedsFromTheClock) {
  ClockSeededRandom first, second;
  EXPECT_NE((std::array{first.Rnd(), first.Rnd()}), (std::array{second.Rnd(), second.Rnd()}));
  Game game;
  DealNewGame(game, first);
  const auto board = game.Board;
  DealNewGame(game, first);
  EXPECT_NE(game.Board, board);
}

// Undo, Redo and Replay as the Game menu offers them, e.g. "U-P".
std::string Menu(const Game& game) {
  const GameMenuState s = CurrentGameMenuState(game);
  return std::string(s.undo ? "U" : "-") + (s.redo ? "R" : "-") + (s.replay ? "P" : "-");
}

// Two moves, then Undo three times and Redo once, each over a pick: the menu after each, with
// "!" when there was nothing to undo or redo and "*" when the pick stayed. The boards they leave
// are checked by random play below.
TEST(UndoRedo, DropThePickAndLeaveTheGameMenuAsTheRecordAllows) {
  Game game = PoolOrderGame();
  std::string menus = Menu(game);
  for (int i = 0; i < 2; ++i) {
    const auto move = FindAvailableMove(game, 1);
    ASSERT_TRUE(move);
    PressTile(game, move->first);
    PressTile(game, move->second);
  }
  menus += " " + Menu(game);
  menus += Redo(game) ? "" : "!";
  for (auto step : {Undo, Undo, Undo, Redo}) {
    PressTile(game, 1);  // a pick
    const std::optional<EndCheck> check = step(game);
    menus += " " + Menu(game) + (check ? "" : "!") + (game.SelectedPos ? "*" : "");
    if (check) {
      EXPECT_EQ(*check, EndCheck{});
    }
  }
  EXPECT_EQ(menus, "--- U-P! URP -RP -RP! URP");
}

// Seeded random games: presses anywhere, listed moves, Undo, Redo and deals; every lost game
// deals again, as the loss dialog's New Game does.
TEST(RandomPlay, InvariantsHoldAfterEveryStep) {
  for (unsigned seed : {1u, 7u, 42u, 2026u, 90210u}) {
    Game game;
    std::string problem;  // the first broken invariant
    PlayRandomGame(game, seed, 3000, [&] {
      if (problem.empty()) problem = CheckInvariants(game);
    });
    EXPECT_EQ(problem, "") << "seed " << seed;
  }
}

}  // namespace
}  // namespace kestalon::testing
