// Dealing and the move record: a fresh state and a new board every deal, exact boards back and
// forth, guarded ends, the Game menu's items, and random play over it all.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core/clock_seeded_random.h"
#include "core/rules.h"
#include "tests/support/board_setup.h"
#include "tests/support/fake_runtime.h"

namespace kestalon::testing {

TEST(DealNewGame, ResetsThePickTheCountersAndMoveSlotsOneTo72) {
  FakeGame game;
  SelectedPos = MoveIndex = RedoLimit = 9;
  MoveHistory.fill({5, 6, 7, 8});
  DealPoolOrder();
  // Ten kinds lie twice among the 35 free tiles of this board.
  EXPECT_EQ((std::array{SelectedPos, MoveIndex, RedoLimit, AvailableMoves}),
            (std::array<std::int16_t, 4>{0, 1, 1, 10}));
  EXPECT_EQ(MoveHistory[0], (MoveRecord{5, 6, 7, 8}));
  for (int m = 1; m <= 72; ++m) EXPECT_EQ(MoveHistory[m], MoveRecord{}) << m;
}

// The real generator: two starts of the program, and two deals in a row, give different boards.
TEST(DealNewGame, ReseedsFromTheClock) {
  ClockSeededRandom first, second;
  EXPECT_NE((std::array{first.Rnd(), first.Rnd()}), (std::array{second.Rnd(), second.Rnd()}));
  DealNewGame();
  const auto board = Board;
  DealNewGame();
  EXPECT_NE(Board, board);
}

static void Press(Position p) {
  BoardMousePress(MouseButton::Left, CentreX(p), CentreY(p));
}

// Undo, Redo and Replay as the Game menu offers them, e.g. "U-P".
static std::string Menu() {
  const GameMenuState s = CurrentGameMenuState();
  return std::string(s.undo ? "U" : "-") + (s.redo ? "R" : "-") + (s.replay ? "P" : "-");
}

TEST(UndoRedo, ThreeMovesBackAndForthGiveTheExactBoardsAndDropThePick) {
  FakeGame game;
  DealPoolOrder();
  std::vector boards{Board};
  EXPECT_EQ(Menu(), "---");
  for (int i = 0; i < 3; ++i) {
    Position a = 0, b = 0;
    ASSERT_TRUE(FindAvailableMove(1, a, b));
    Press(a);
    Press(b);
    boards.push_back(Board);
  }
  EXPECT_EQ(Menu(), "U-P");
  EXPECT_FALSE(MakeMoveAgain());
  for (int i = 2; i >= 0; --i) {
    Press(1);  // a pick, which Undo drops
    Undo();
    EXPECT_EQ(SelectedPos, 0);
    EXPECT_EQ(Board, boards[i]) << i;
    EXPECT_EQ(Menu(), i > 0 ? "URP" : "-RP") << i;
  }
  EXPECT_FALSE(TakeBackMove());
  for (int i = 1; i <= 3; ++i) {
    Press(1);
    Redo();
    EXPECT_EQ(SelectedPos, 0);
    EXPECT_EQ(Board, boards[i]) << i;
  }
}

TEST(UndoRedo, WinAnnouncedOnceUndoneWithoutADialogAndRedoneBeforeDrawing) {
  for (bool sound : {true, false}) {
    FakeGame game({}, sound);
    SetUpBoard({{1, 9}, {12, 9}});
    MoveIndex = RedoLimit = 72;
    Press(1);
    Press(12);
    Undo();
    Redo();
    // The win: drawn first, then sound and dialog, once; Undo only draws; Redo announces the
    // win again before it draws the empty board.
    std::vector<std::string> expected{"draw:1",   "draw:0", "sound:/game/welldone.wav",
                                      "welldone", "draw:0", "sound:/game/welldone.wav",
                                      "welldone", "draw:0"};
    if (!sound) std::erase(expected, "sound:/game/welldone.wav");
    EXPECT_EQ(game.view.journal, expected) << "sound " << sound;
  }
}

// Seeded random games: presses anywhere with any button, listed moves, Undo, Redo, tile-size
// changes and deals; every loss dialog deals again, as its New Game button does.
TEST(RandomPlay, InvariantsHoldAfterEveryStep) {
  for (unsigned seed : {1u, 7u, 42u, 2026u, 90210u}) {
    FakeGame game;
    std::string problem;  // the first broken invariant
    PlayRandomGame(seed, 3000, [&] {
      if (problem.empty()) problem = CheckInvariants();
    });
    EXPECT_EQ(problem, "") << "seed " << seed;
  }
}

}  // namespace kestalon::testing
