// A press on the board: picking, refusing, dropping and removing, with what each reports.
// Listing the moves is checked through Show Moves (gui_dialogs), counting them in every suite.
#include <gtest/gtest.h>

#include "core/rules.h"
#include "tests/support/board_setup.h"

namespace kestalon::testing {
namespace {

using enum PressResult;
using enum Refusal;
constexpr GameSound kQuiet = GameSound::None, kAlert = GameSound::Alert;

struct PressCase {
  const char* what;
  Position picked, pressed;
  PressOutcome outcome;
  Position pickedAfter;
};

PressOutcome Outcome(PressResult result, Refusal refusal, Position first, Position second,
                     GameSound sound, GameEnd end = GameEnd::Playing) {
  PressOutcome outcome{result, refusal, first, second, {}, sound};
  if (result == Removed) outcome.check = {end, sound};
  return outcome;
}

// Position 57 is empty space on the board below; 13 is a Green dragon, 2 lies between 1 and 3.
const PressCase kPressCases[] = {
    {"pick a free tile", 0, 1, Outcome(Picked, None, 1, 0, kQuiet), 1},
    {"blocked tile", 0, 2, Outcome(Refused, Blocked, 0, 2, kAlert), 0},
    {"blocked tile while picked", 1, 2, Outcome(Refused, Blocked, 1, 2, kAlert), 1},
    {"second pick of another kind", 1, 13, Outcome(Refused, NoMatch, 1, 13, kAlert), 1},
    {"empty space, nothing picked", 0, 57, Outcome(Refused, EmptySpace, 0, 0, kAlert), 0},
    {"empty space drops the pick", 1, 57, Outcome(Dropped, None, 1, 0, kQuiet), 0},
    {"the last pair", 12, 1,
     Outcome(Removed, None, 12, 1, GameSound::GameOver, GameEnd::NoMoveLeft), 0},
};

TEST(PressTile, PickRefuseDropRemove) {
  for (const PressCase& c : kPressCases) {
    SCOPED_TRACE(c.what);
    // Free: 1, 3, 12, 13, 20. Red dragons 1, 2, 12: one move, 1-12.
    Game game = BoardWith({{1, 9}, {2, 9}, {3, 10}, {12, 9}, {13, 11}, {20, 12}});
    game.MoveIndex = 3;
    game.RedoLimit = 6;
    game.SelectedPos = c.picked;
    auto expected = game.Board;
    const bool removed = c.outcome.result == Removed;
    if (removed) expected[c.picked] = expected[c.pressed] = 0;
    EXPECT_EQ(PressTile(game, c.pressed), c.outcome);
    EXPECT_EQ(game.SelectedPos, c.pickedAfter);
    EXPECT_EQ(game.Board, expected);
    // A removed pair goes into slot MoveIndex and cuts off what could have been redone.
    EXPECT_EQ(game.MoveHistory[3], (removed ? MoveRecord{12, 9, 1, 9} : MoveRecord{}));
    EXPECT_EQ(game.MoveIndex, removed ? 4 : 3);
    EXPECT_EQ(game.RedoLimit, removed ? 4 : 6);
  }
}

// The pick pressed again is dropped, and the moves are counted again: here there are none.
TEST(PressTile, ThePickPressedAgainCountsTheMoves) {
  Game game = BoardWith({{1, 9}, {12, 10}});
  game.SelectedPos = game.AvailableMoves = 1;
  const EndCheck none{GameEnd::NoMoveLeft, GameSound::GameOver};
  EXPECT_EQ(PressTile(game, 1), (PressOutcome{Dropped, None, 1, 0, none, none.sound}));
  EXPECT_EQ(game.AvailableMoves, 0);
}

}  // namespace
}  // namespace kestalon::testing
