// Walking the move record: Undo, Redo, the Game menu's history items, and new moves.
#include <gtest/gtest.h>

#include "core/rules.h"
#include "tests/support/board_setup.h"
#include "tests/support/fake_runtime.h"

namespace kestalon {
namespace {

using testing::CentreX;
using testing::CentreY;
using testing::FakeGame;

class UndoRedo : public ::testing::Test {
 protected:
  FakeGame game{testing::RandomSequenceForPoolOrder()};
  std::array<TileKind, 145> dealt{};

  void SetUp() override {
    DealNewGame();
    dealt = Board;
  }
  // Makes the first listed move, as a player would by pressing its two tiles.
  void PlayFirstMove() {
    Position a = 0, b = 0;
    ASSERT_TRUE(FindAvailableMove(1, a, b));
    BoardMousePress(MouseButton::Left, CentreX(a), CentreY(a));
    BoardMousePress(MouseButton::Left, CentreX(b), CentreY(b));
  }
  static std::string Menu() {
    const GameMenuState s = CurrentGameMenuState();
    return std::string(s.undo ? "U" : "-") + (s.redo ? "R" : "-") + (s.replay ? "P" : "-");
  }
};

TEST_F(UndoRedo, NoMoveYetDisablesAllThree) {
  EXPECT_EQ(Menu(), "---");
}

TEST_F(UndoRedo, ThreeMovesThreeUndosThreeRedos) {
  std::vector<std::array<TileKind, 145>> after;
  for (int i = 0; i < 3; ++i) {
    PlayFirstMove();
    after.push_back(Board);
  }
  EXPECT_EQ(MoveIndex, 4);
  EXPECT_EQ(Menu(), "U-P");
  Undo();
  EXPECT_EQ(Board, after[1]);
  EXPECT_EQ(Menu(), "URP");
  Undo();
  Undo();
  EXPECT_EQ(Board, dealt);
  EXPECT_EQ(MoveIndex, 1);
  EXPECT_EQ(RedoLimit, 4);
  EXPECT_EQ(Menu(), "-RP");
  Redo();
  Redo();
  Redo();
  EXPECT_EQ(Board, after[2]);
  EXPECT_EQ(MoveIndex, 4);
  EXPECT_EQ(Menu(), "U-P");
  EXPECT_TRUE(testing::CheckInvariants().empty()) << testing::CheckInvariants();
}

TEST_F(UndoRedo, UndoChecksBeforeItDraws) {
  PlayFirstMove();
  game.view.journal.clear();
  AvailableMoves = -1;
  Undo();
  EXPECT_EQ(AvailableMoves, CountAvailableMoves());
  EXPECT_EQ(game.view.journal, std::vector<std::string>{"draw:0"});
}

TEST_F(UndoRedo, ANewMoveAfterUndoDisablesRedoButKeepsTheOldRecord) {
  PlayFirstMove();
  PlayFirstMove();
  const MoveRecord second = MoveHistory[2];
  Undo();
  Undo();
  // Play a different first move than before, if the board offers one.
  Position a = 0, b = 0;
  ASSERT_TRUE(FindAvailableMove(AvailableMoves, a, b));
  BoardMousePress(MouseButton::Left, CentreX(a), CentreY(a));
  BoardMousePress(MouseButton::Left, CentreX(b), CentreY(b));
  EXPECT_EQ(MoveIndex, 2);
  EXPECT_EQ(RedoLimit, 2);
  EXPECT_EQ(Menu(), "U-P");
  EXPECT_EQ(MoveHistory[2], second);
}

TEST_F(UndoRedo, UndoAndRedoClearTheSelection) {
  PlayFirstMove();
  Position a = 0, b = 0;
  ASSERT_TRUE(FindAvailableMove(1, a, b));
  BoardMousePress(MouseButton::Left, CentreX(a), CentreY(a));
  ASSERT_EQ(SelectedPos, a);
  Undo();
  EXPECT_EQ(SelectedPos, 0);
  BoardMousePress(MouseButton::Left, CentreX(a), CentreY(a));
  Redo();
  EXPECT_EQ(SelectedPos, 0);
}

TEST_F(UndoRedo, UndoAfterAWinRestoresTheLastPairWithoutADialog) {
  testing::SetUpBoard({{1, 9}, {12, 9}});
  MoveIndex = 72;
  RedoLimit = 72;
  BoardMousePress(MouseButton::Left, CentreX(1), CentreY(1));
  BoardMousePress(MouseButton::Left, CentreX(12), CentreY(12));
  ASSERT_EQ(game.view.wellDoneShown, 1);
  Undo();
  EXPECT_EQ(Board[1], 9);
  EXPECT_EQ(Board[12], 9);
  EXPECT_GE(AvailableMoves, 1);
  EXPECT_EQ(game.view.wellDoneShown, 1);
  // Redoing the last move announces the win again, before the board is redrawn.
  game.view.journal.clear();
  Redo();
  EXPECT_EQ(game.view.journal,
            (std::vector<std::string>{"sound:/game/welldone.wav", "welldone", "draw:0"}));
}

TEST_F(UndoRedo, GuardedStepsStopAtBothEnds) {
  EXPECT_FALSE(TakeBackMove());
  EXPECT_FALSE(MakeMoveAgain());
  PlayFirstMove();
  EXPECT_FALSE(MakeMoveAgain());
  EXPECT_TRUE(TakeBackMove());
  EXPECT_EQ(Board, dealt);
  EXPECT_FALSE(TakeBackMove());
  EXPECT_TRUE(MakeMoveAgain());
  EXPECT_EQ(MoveIndex, 2);
}

}  // namespace
}  // namespace kestalon
