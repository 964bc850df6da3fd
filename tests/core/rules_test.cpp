// The rules core on game values: which tiles match and are free, and which a removal freed; a
// press, with what it reports; dealing and the move record (a fresh state and a new board every
// deal, guarded ends, the Game menu's items), and random play over it all, which checks the
// boards back and forth. Listing the moves is checked through Show Moves (kestalon_form_tests),
// counting them in every suite.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "core/rules.h"
#include "shell/formats/save_game_format.h"
#include "tests/support/board_setup.h"

namespace kestalon::testing {
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

// The tiles a removal frees: free now and not before. 124 lay on 95, which 94 and 96 still
// hem in; with 1 gone, 12 and 2 were free already.
TEST(TilesFreedBy, FreeNowAndNotBefore) {
  const std::tuple<std::vector<Position>, MoveRecord, std::vector<Position>> cases[] = {
      {{}, {1, 20, 12, 20}, {2, 11}},
      {{}, {144, 20, 31, 20}, {32, 140, 141, 142, 143}},
      {{1}, {2, 20, 57, 20}, {3, 44, 56}},
      {{}, {124, 20, 1, 20}, {2, 125}},
  };
  for (const auto& [gone, move, freed] : cases) {
    Game game = FullBoardWithout(gone);
    game.Board[move.FirstPos] = game.Board[move.SecondPos] = 0;
    EXPECT_EQ(TilesFreedBy(game, move), freed) << move.FirstPos << " and " << move.SecondPos;
  }
}

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

// Undo, Redo and Replay as the Game menu offers them ("U-P": Undo and Replay) for MoveIndex and
// RedoLimit in turn; Undo and Redo with nothing to take back or make again do nothing. What they
// do to the board and the pick is checked by random play below.
TEST(UndoRedo, TheGameMenuOffersWhatTheRecordAllows) {
  Game game;
  std::string menus;
  for (const auto& [index, limit] : {std::pair{1, 1}, {1, 3}, {2, 3}, {3, 3}}) {
    game.MoveIndex = static_cast<std::int16_t>(index);
    game.RedoLimit = static_cast<std::int16_t>(limit);
    const GameMenuState s = CurrentGameMenuState(game);
    menus +=
        std::string(" ") + (s.undo ? "U" : "-") + (s.redo ? "R" : "-") + (s.replay ? "P" : "-");
  }
  EXPECT_EQ(menus, " --- -RP URP U-P");
  EXPECT_FALSE(Redo(game));  // at 3 of 3
  game.MoveIndex = 1;
  EXPECT_FALSE(Undo(game));
}

// Seeded random games: presses on any place, on empty space and on both tiles of an available
// move, Undo, Redo and now and then a new deal; a lost game deals again (at most a thousand
// times, so that a broken rule cannot hang), as the loss dialog's New Game does. After every
// step the game is consistent by its own saved-game checker, its pick is a free tile and its
// count of moves is up to date.
TEST(RandomPlay, InvariantsHoldAfterEveryStep) {
  for (unsigned seed : {1u, 7u, 42u, 2026u, 90210u}) {
    std::mt19937 chooser(seed);
    std::uniform_real_distribution<float> unit(0.0f, 0.99999f);
    std::vector<float> values(4096);
    for (float& v : values) v = unit(chooser);
    ScriptedRandom random(values);
    Game game;
    int lossDeals = 0;
    const auto dealWhileLost = [&](EndCheck check) {
      while (check.end == GameEnd::NoMoveLeft && ++lossDeals <= 1000)
        check = DealNewGame(game, random);
    };
    dealWhileLost(DealNewGame(game, random));
    for (int step = 0; step < 3000; ++step) {
      const unsigned action = chooser() % 100;
      if (action < 45) {
        dealWhileLost(PressTile(game, static_cast<Position>(chooser() % 150) - 2).check);
      } else if (action < 80) {
        if (const auto move = FindAvailableMove(game, 1 + static_cast<int>(chooser() % 3))) {
          PressTile(game, move->first);
          dealWhileLost(PressTile(game, move->second).check);
        }
      } else if (action < 89) {
        if (const auto check = Undo(game)) dealWhileLost(*check);
      } else if (action < 98) {
        if (const auto check = Redo(game)) dealWhileLost(*check);
      } else {
        dealWhileLost(DealNewGame(game, random));
      }
      const auto where = ::testing::Message() << "seed " << seed << ", step " << step;
      ASSERT_EQ(DescribeSaveGameFault(CheckSavedGame(game)), DescribeSaveGameFault({})) << where;
      ASSERT_TRUE(game.SelectedPos == 0 || IsFreeTile(game, game.SelectedPos)) << where;
      const int moves = game.MoveIndex == kWonMoveIndex ? 0 : CountAvailableMoves(game);
      ASSERT_EQ(game.AvailableMoves, moves) << where;
    }
  }
}

}  // namespace
}  // namespace kestalon::testing
