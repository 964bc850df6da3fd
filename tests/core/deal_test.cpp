// Dealing: the tile set, the draw by rejection, and what a deal resets.
#include <gtest/gtest.h>

#include <array>
#include <random>

#include "core/rules.h"
#include "tests/support/board_setup.h"
#include "tests/support/fake_runtime.h"

namespace kestalon {
namespace {

using testing::FakeGame;

std::array<int, 43> CountKinds() {
  std::array<int, 43> count{};
  for (int p = 1; p <= kPositionCount; ++p) ++count[Board[p]];
  return count;
}

TEST(DealNewGame, EveryDealHoldsTheWholeSet) {
  std::mt19937 generator(5);
  std::vector<float> values(5000);
  for (float& v : values) v = static_cast<float>(generator() >> 8) / 16777216.0f;
  values.back() = 0.99999994f;  // the largest float below 1 must still land on entry 144
  FakeGame game(values);
  for (int deal = 0; deal < 5; ++deal) {
    DealNewGame();
    const auto count = CountKinds();
    EXPECT_EQ(count[0], 0);
    for (int k = 1; k <= 8; ++k) EXPECT_EQ(count[k], 1) << "kind " << k;
    for (int k = 9; k <= 42; ++k) EXPECT_EQ(count[k], 4) << "kind " << k;
    EXPECT_EQ(Board[0], 0);
  }
}

TEST(DealNewGame, DrawsPoolEntriesInTheOrderOfTheRandomSequence) {
  // Each value v picks pool entry Int(v * 144) + 1; drawing entries 1..144 in order lays the
  // pool itself: kinds 1..42, then 9..42 three times.
  FakeGame game(testing::RandomSequenceForPoolOrder());
  DealNewGame();
  for (int p = 1; p <= 42; ++p) EXPECT_EQ(Board[p], p);
  for (int p = 43; p <= 144; ++p) EXPECT_EQ(Board[p], (p - 43) % 34 + 9) << p;
  EXPECT_EQ(game.runtime.nextRandom, 144u);
  EXPECT_EQ(game.runtime.randomizeCalls, 1);
}

TEST(DealNewGame, RedrawsTakenEntriesUntilAFreeOneComes) {
  // 0.0 always names entry 1; after the first position it is taken and must be redrawn, so
  // the second value of each pair is the one that lands.
  std::vector<float> values{0.0f};
  for (int p = 2; p <= 144; ++p) {
    values.push_back(0.0f);
    values.push_back((p - 0.5f) / 144);
  }
  FakeGame game(values);
  DealNewGame();
  EXPECT_EQ(Board[1], 1);
  EXPECT_EQ(Board[2], 2);
  EXPECT_EQ(Board[144], 42);
  EXPECT_EQ(game.runtime.nextRandom, values.size());
}

TEST(DealNewGame, ResetsSelectionCountersAndHistoryButNotSlotZero) {
  FakeGame game(testing::RandomSequenceForPoolOrder());
  SelectedPos = 17;
  MoveIndex = 9;
  RedoLimit = 12;
  MoveHistory[0] = {1, 2, 3, 4};
  MoveHistory[5] = {5, 6, 7, 8};
  MoveHistory[72] = {9, 9, 9, 9};
  DealNewGame();
  EXPECT_EQ(SelectedPos, 0);
  EXPECT_EQ(MoveIndex, 1);
  EXPECT_EQ(RedoLimit, 1);
  EXPECT_EQ(MoveHistory[5], MoveRecord{});
  EXPECT_EQ(MoveHistory[72], MoveRecord{});
  EXPECT_EQ((MoveHistory[0]), (MoveRecord{1, 2, 3, 4}));
  EXPECT_EQ(TilesRemaining(), 144);
}

TEST(DealNewGame, CountsTheMovesOfTheNewBoardAndDoesNotDraw) {
  FakeGame game(testing::RandomSequenceForPoolOrder());
  DealNewGame();
  EXPECT_EQ(AvailableMoves, CountAvailableMoves());
  EXPECT_GT(AvailableMoves, 0);
  EXPECT_TRUE(game.view.draws.empty());
  EXPECT_EQ(game.view.noMovesShown, 0);
}

}  // namespace
}  // namespace kestalon
