// Counting available moves, and announcing won and lost games once, sound first.
#include <gtest/gtest.h>

#include "core/rules.h"
#include "tests/support/board_setup.h"
#include "tests/support/fake_runtime.h"

namespace kestalon {
namespace {

using testing::FakeGame;
using testing::SetUpBoard;
using Journal = std::vector<std::string>;

// Free positions used below: row ends 1, 12, 13, 20, 21, 30 and the end tiles 31, 57.
TEST(CountAvailableMoves, EveryPairAmongFreeCopiesCounts) {
  FakeGame game;
  SetUpBoard({{1, 10}, {12, 10}, {13, 10}});  // three free White dragons
  EXPECT_EQ(CountAvailableMoves(), 3);
  SetUpBoard({{1, 10}, {12, 10}, {13, 10}, {20, 10}});
  EXPECT_EQ(CountAvailableMoves(), 6);
  SetUpBoard({{1, 1}, {12, 4}});  // Plum and Orchid
  EXPECT_EQ(CountAvailableMoves(), 1);
  SetUpBoard({{1, 4}, {12, 5}});  // Orchid and Spring
  EXPECT_EQ(CountAvailableMoves(), 0);
  SetUpBoard({{1, 1}, {12, 2}, {31, 3}});  // three free flowers
  EXPECT_EQ(CountAvailableMoves(), 3);
}

TEST(CountAvailableMoves, BlockedTilesDoNotCount) {
  FakeGame game;
  SetUpBoard({{1, 9}, {2, 9}, {3, 9}});  // 2 is hemmed in by 1 and 3
  EXPECT_EQ(CountAvailableMoves(), 1);
}

TEST(FindAvailableMove, NumbersPairsByLowerThenHigherPosition) {
  FakeGame game;
  SetUpBoard({{13, 10}, {1, 10}, {57, 10}, {20, 16}, {31, 16}});
  Position a = 0, b = 0;
  ASSERT_TRUE(FindAvailableMove(1, a, b));
  EXPECT_EQ((std::pair<int, int>(a, b)), (std::pair<int, int>(1, 13)));
  ASSERT_TRUE(FindAvailableMove(2, a, b));
  EXPECT_EQ((std::pair<int, int>(a, b)), (std::pair<int, int>(1, 57)));
  ASSERT_TRUE(FindAvailableMove(3, a, b));
  EXPECT_EQ((std::pair<int, int>(a, b)), (std::pair<int, int>(13, 57)));
  ASSERT_TRUE(FindAvailableMove(4, a, b));
  EXPECT_EQ((std::pair<int, int>(a, b)), (std::pair<int, int>(20, 31)));
  EXPECT_FALSE(FindAvailableMove(5, a, b));
  EXPECT_FALSE(FindAvailableMove(0, a, b));
}

TEST(CheckAvailableMoves, WinIsDecidedByTheMoveIndexAloneAndAnnouncedOnce) {
  FakeGame game;
  SetUpBoard({{1, 9}, {12, 9}});  // tiles on the board do not matter
  MoveIndex = 73;
  RedoLimit = 73;
  AvailableMoves = 5;
  CheckAvailableMoves();
  EXPECT_EQ(AvailableMoves, 0);
  EXPECT_EQ(game.view.journal, (Journal{"sound:/game/welldone.wav", "welldone"}));
}

TEST(CheckAvailableMoves, LossIsAnnouncedWithTheSoundBeforeTheDialog) {
  FakeGame game;
  SetUpBoard({{1, 9}, {12, 10}});
  CheckAvailableMoves();
  EXPECT_EQ(AvailableMoves, 0);
  EXPECT_EQ(game.view.journal, (Journal{"sound:/game/gameover.wav", "noavail"}));
}

TEST(CheckAvailableMoves, SilentWhenSoundIsOffButTheDialogStillShows) {
  FakeGame game({}, false);
  SetUpBoard({{1, 9}, {12, 10}});
  CheckAvailableMoves();
  EXPECT_EQ(game.view.journal, Journal{"noavail"});
}

TEST(CheckAvailableMoves, LastPairRemovedByPressRedrawsThenAnnouncesTheWin) {
  FakeGame game;
  SetUpBoard({{1, 9}, {12, 9}});
  MoveIndex = 72;
  RedoLimit = 72;
  BoardMousePress(MouseButton::Left, testing::CentreX(1), testing::CentreY(1));
  BoardMousePress(MouseButton::Left, testing::CentreX(12), testing::CentreY(12));
  EXPECT_EQ(MoveIndex, 73);
  EXPECT_EQ(game.view.journal,
            (Journal{"draw:1", "draw:0", "sound:/game/welldone.wav", "welldone"}));
}

TEST(CheckAvailableMoves, RemovingTheOnlyPairWithoutFreeingAnotherAnnouncesTheLoss) {
  FakeGame game;
  SetUpBoard({{1, 9}, {12, 9}, {13, 10}, {20, 11}});
  CheckAvailableMoves();
  EXPECT_EQ(AvailableMoves, 1);
  BoardMousePress(MouseButton::Left, testing::CentreX(1), testing::CentreY(1));
  BoardMousePress(MouseButton::Left, testing::CentreX(12), testing::CentreY(12));
  EXPECT_EQ(game.view.noMovesShown, 1);
  EXPECT_EQ(game.view.journal.back(), "noavail");
}

// The loss dialog's own New Game deals a board that again has no move: the second
// announcement waits until the first dialog has closed, so one copy is ever open.
TEST(CheckAvailableMoves, LossAfterTheLossDialogsNewGameShowsOneDialogAtATime) {
  FakeGame game;
  SetUpBoard({{1, 9}, {12, 10}});
  int deals = 0;
  game.view.whileNoMovesOpen = [&] {
    ++deals;
    SetUpBoard({{1, 11}, {12, 12}});  // stands in for a deal without a move
    CheckAvailableMoves();
    game.view.DrawBoard(0);
  };
  CheckAvailableMoves();
  EXPECT_EQ(deals, 1);
  EXPECT_EQ(game.view.noMovesShown, 2);
  EXPECT_EQ(game.view.maxNoMovesOpen, 1);
  EXPECT_EQ(game.view.journal, (Journal{"sound:/game/gameover.wav", "noavail",
                                        "sound:/game/gameover.wav", "draw:0", "noavail"}));
  EXPECT_EQ(Board[1], 11);
}

TEST(CheckAvailableMoves, PressingTheSelectedTileAgainInALostPositionAnnouncesAgain) {
  FakeGame game;
  SetUpBoard({{1, 9}, {12, 10}});
  BoardMousePress(MouseButton::Left, testing::CentreX(1), testing::CentreY(1));
  BoardMousePress(MouseButton::Left, testing::CentreX(1), testing::CentreY(1));
  EXPECT_EQ(game.view.noMovesShown, 1);
  EXPECT_EQ(SelectedPos, 0);
}

}  // namespace
}  // namespace kestalon
