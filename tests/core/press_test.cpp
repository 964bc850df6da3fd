// A press on the board: picking, refusing, dropping and removing, with what each reports;
// counting and listing the moves left.
#include <gtest/gtest.h>

#include <vector>

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

TEST(FindAvailableMove, ListsEveryFreeMatchingPairInOrderAndPicksItsFirstTile) {
  // Free White dragons 1, 12, 13, 57 (2 lies between 1 and 3); flowers 20, 31; a season 21.
  Game game = BoardWith(
      {{13, 10}, {1, 10}, {2, 10}, {3, 11}, {12, 10}, {57, 10}, {20, 1}, {31, 4}, {21, 5}});
  std::vector<std::pair<int, int>> listed;
  for (int n = 1; const auto move = FindAvailableMove(game, n); ++n) {
    listed.emplace_back(move->first, move->second);
  }
  EXPECT_EQ(listed, (std::vector<std::pair<int, int>>{
                        {1, 12}, {1, 13}, {1, 57}, {12, 13}, {12, 57}, {13, 57}, {20, 31}}));
  EXPECT_EQ(CountAvailableMoves(game), 7);
  EXPECT_EQ(PickAvailableMove(game, 4), (MovePair{12, 13}));
  EXPECT_EQ(game.SelectedPos, 12);
  EXPECT_EQ(PickAvailableMove(game, 8), std::nullopt);
  EXPECT_EQ(game.SelectedPos, 0);
}

}  // namespace
}  // namespace kestalon::testing
