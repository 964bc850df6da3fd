// Thousands of random presses, undos and redos never break the game's invariants.
#include <gtest/gtest.h>

#include <random>

#include "core/rules.h"
#include "display/layout/board_layout.h"
#include "tests/support/board_setup.h"
#include "tests/support/fake_runtime.h"

namespace kestalon {
namespace {

class RandomPlay : public ::testing::TestWithParam<unsigned> {};

TEST_P(RandomPlay, InvariantsHoldAfterEveryStep) {
  std::mt19937 chooser(GetParam());
  std::uniform_real_distribution<float> unit(0.0f, 0.99999f);
  std::vector<float> values(4096);
  for (float& v : values) v = unit(chooser);
  testing::FakeGame game(values);
  // The result dialogs sometimes deal again, as their New Game buttons would.
  game.view.whileNoMovesOpen = nullptr;

  DealNewGame();
  for (int step = 0; step < 3000; ++step) {
    const int action = static_cast<int>(chooser() % 100);
    if (action < 70) {
      const int x = static_cast<int>(chooser() % 660) - 10;
      const int y = static_cast<int>(chooser() % 380) - 10;
      const MouseButton button =
          std::array{MouseButton::Left, MouseButton::Middle, MouseButton::Right}[chooser() % 3];
      BoardMousePress(button, x, y);
    } else if (action < 80) {
      // Aim at a free tile directly, so that games get far.
      Position a = 0, b = 0;
      if (FindAvailableMove(1 + static_cast<int>(chooser() % 3), a, b)) {
        BoardMousePress(MouseButton::Left, testing::CentreX(a), testing::CentreY(a));
        BoardMousePress(MouseButton::Left, testing::CentreX(b), testing::CentreY(b));
      }
    } else if (action < 88) {
      if (CurrentGameMenuState().undo) Undo();
    } else if (action < 96) {
      if (CurrentGameMenuState().redo) Redo();
    } else if (action < 98) {
      BuildLayout(chooser() % 2 == 0);
    } else {
      DealNewGame();
    }
    const std::string problem = testing::CheckInvariants();
    ASSERT_TRUE(problem.empty()) << "step " << step << ": " << problem;
    ASSERT_EQ(AvailableMoves, MoveIndex == kWonMoveIndex ? 0 : CountAvailableMoves());
    ASSERT_EQ(TilesRemaining() == 0, MoveIndex == kWonMoveIndex);
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomPlay, ::testing::Values(1u, 7u, 42u, 2026u, 90210u));

}  // namespace
}  // namespace kestalon
