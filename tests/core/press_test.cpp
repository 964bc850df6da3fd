// A press on the board: picking, refusing, dropping and removing; counting the moves left and
// announcing a lost game.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/rules.h"
#include "tests/support/board_setup.h"
#include "tests/support/fake_runtime.h"

namespace kestalon::testing {

using enum MouseButton;
using Journal = std::vector<std::string>;
const std::string kAlert = "sound:/game/alert.wav";
const std::string kLoss = "sound:/game/gameover.wav";

static void Press(Position p, MouseButton button = Left) {
  BoardMousePress(button, CentreX(p), CentreY(p));
}

struct PressCase {
  const char* what;
  Position picked, pressed, pickedAfter;
  MouseButton button;
  bool sound, removed;
  Journal journal;
};

// Position 57 is empty space on the board below.
const PressCase kPressCases[] = {
    {"pick a free tile", 0, 1, 1, Left, true, false, {"draw:1"}},
    {"blocked tile", 0, 2, 0, Left, true, false, {kAlert}},
    {"second pick of another kind", 1, 13, 1, Left, true, false, {kAlert}},
    {"empty space, nothing picked", 0, 57, 0, Left, true, false, {kAlert}},
    {"empty space drops the pick", 1, 57, 0, Left, true, false, {"draw:0"}},
    {"the picked tile again drops it", 1, 1, 0, Left, true, false, {"draw:0"}},
    {"the last pair, middle button", 12, 1, 0, Middle, true, true, {"draw:0", kLoss, "noavail"}},
    {"the last pair, sound off", 12, 1, 0, Left, false, true, {"draw:0", "noavail"}},
    {"right button", 1, 12, 1, Right, true, false, {"popup"}},
};

TEST(BoardMousePress, PickRefuseDropRemoveAndTheRightButton) {
  for (const PressCase& c : kPressCases) {
    SCOPED_TRACE(c.what);
    FakeGame game({}, c.sound);
    // Free: 1, 3, 12, 13, 20; 2 lies between 1 and 3. Red dragons 1, 2, 12: one move, 1-12.
    SetUpBoard({{1, 9}, {2, 9}, {3, 10}, {12, 9}, {13, 11}, {20, 12}});
    MoveIndex = 3;
    RedoLimit = 6;
    SelectedPos = c.picked;
    auto expected = Board;
    if (c.removed) expected[c.picked] = expected[c.pressed] = 0;
    Press(c.pressed, c.button);
    EXPECT_EQ(SelectedPos, c.pickedAfter);
    EXPECT_EQ(game.view.journal, c.journal);
    EXPECT_EQ(Board, expected);
    // A removed pair goes into slot MoveIndex and cuts off what could have been redone.
    EXPECT_EQ(MoveHistory[3], (c.removed ? MoveRecord{12, 9, 1, 9} : MoveRecord{}));
    EXPECT_EQ(MoveIndex, c.removed ? 4 : 3);
    EXPECT_EQ(RedoLimit, c.removed ? 4 : 6);
  }
}

TEST(FindAvailableMove, ListsEveryFreeMatchingPairInOrder) {
  FakeGame game;
  // Free White dragons 1, 12, 13, 57 (2 lies between 1 and 3); flowers 20, 31; a season 21.
  SetUpBoard({{13, 10}, {1, 10}, {2, 10}, {3, 11}, {12, 10}, {57, 10}, {20, 1}, {31, 4}, {21, 5}});
  std::vector<std::pair<int, int>> listed;
  Position a = 0, b = 0;
  for (int n = 1; FindAvailableMove(n, a, b); ++n) listed.emplace_back(a, b);
  EXPECT_EQ(listed, (std::vector<std::pair<int, int>>{
                        {1, 12}, {1, 13}, {1, 57}, {12, 13}, {12, 57}, {13, 57}, {20, 31}}));
}

// The loss dialog's New Game deals a board that again has no move: the second announcement
// waits until the first dialog has closed, so one copy is ever open.
TEST(CheckAvailableMoves, LossDealtFromTheLossDialogShowsOneDialogAtATime) {
  FakeGame game;
  SetUpBoard({{1, 9}, {12, 10}});
  game.view.whileNoMovesOpen = [&] {
    SetUpBoard({{1, 11}, {12, 12}});  // stands in for a deal without a move
    CheckAvailableMoves();
    game.view.DrawBoard(0);
  };
  Press(1);
  Press(1);  // the pick pressed again: dropped, and the moves counted again
  EXPECT_EQ(game.view.maxNoMovesOpen, 1);
  EXPECT_EQ(game.view.journal,
            (Journal{"draw:1", "draw:0", kLoss, "noavail", kLoss, "draw:0", "noavail"}));
}

}  // namespace kestalon::testing
