// Known boards, the one random-game driver and the consistency check shared by the suites.
#include "tests/support/board_setup.h"

#include <array>
#include <random>

#include "core/rules.h"
#include "shell/formats/save_game_format.h"
#include "tests/support/fake_runtime.h"

namespace kestalon::testing {

void ClearGameState() {
  Board.fill(0);
  MoveHistory.fill(MoveRecord{});
  MoveIndex = RedoLimit = SelectedPos = AvailableMoves = 0;
}

void SetUpBoard(std::initializer_list<std::pair<Position, TileKind>> tiles) {
  ClearGameState();
  MoveIndex = RedoLimit = 1;
  for (const auto& [pos, kind] : tiles) Board[pos] = kind;
}

std::vector<float> RandomSequenceForPoolOrder() {
  // Rnd value v draws pool entry Int(v * 144) + 1, so (p - 0.5) / 144 draws entry p.
  std::vector<float> values;
  for (int p = 1; p <= kPositionCount; ++p) values.push_back((p - 0.5f) / kPositionCount);
  return values;
}

void DealPoolOrder() {
  auto& runtime = dynamic_cast<FakeRuntime&>(CurrentRuntime());
  runtime.randomValues = RandomSequenceForPoolOrder();
  runtime.nextRandom = 0;
  DealNewGame();
}

void PlayRandomGame(std::uint32_t seed, int steps, const std::function<void()>& visit) {
  std::mt19937 chooser(seed);
  std::uniform_real_distribution<float> unit(0.0f, 0.99999f);
  auto& runtime = dynamic_cast<FakeRuntime&>(CurrentRuntime());
  runtime.randomValues.resize(4096);
  for (float& v : runtime.randomValues) v = unit(chooser);
  auto& view = dynamic_cast<FakeView&>(CurrentView());
  // Every loss dialog deals again and arms itself for the next loss.
  int lossDeals = 0;
  std::function<void()> dealAgain = [&] {
    if (++lossDeals > 1000) return;
    view.whileNoMovesOpen = dealAgain;
    DealNewGame();
    CurrentView().DrawBoard(0);
  };
  view.whileNoMovesOpen = dealAgain;

  DealNewGame();
  for (int step = 0; step < steps; ++step) {
    const unsigned action = chooser() % 100;
    if (action < 45) {
      constexpr std::array kButtons{MouseButton::Left, MouseButton::Middle, MouseButton::Right};
      BoardMousePress(kButtons[chooser() % 3], static_cast<int>(chooser() % 660) - 10,
                      static_cast<int>(chooser() % 380) - 10);
    } else if (action < 80) {
      Position a = 0, b = 0;
      if (FindAvailableMove(1 + static_cast<int>(chooser() % 3), a, b)) {
        BoardMousePress(MouseButton::Left, CentreX(a), CentreY(a));
        BoardMousePress(MouseButton::Left, CentreX(b), CentreY(b));
      }
    } else if (action < 88) {
      if (CurrentGameMenuState().undo) Undo();
    } else if (action < 96) {
      if (CurrentGameMenuState().redo) Redo();
    } else if (action < 99) {
      BuildLayout(chooser() % 2 == 0);
    } else {
      DealNewGame();
    }
    visit();
  }
  view.whileNoMovesOpen = nullptr;
}

std::string CheckInvariants() {
  const SaveGameFault fault = CheckSavedGame(CaptureGameState());
  if (fault != SaveGameFault::None) return std::string(DescribeSaveGameFault(fault));
  if (SelectedPos != 0 && (Board[SelectedPos] == 0 || !IsFree(SelectedPos))) {
    return "the pick is not a free tile";
  }
  const std::int16_t expected = MoveIndex == kWonMoveIndex ? 0 : CountAvailableMoves();
  if (AvailableMoves != expected) return "AvailableMoves is stale";
  return {};
}

}  // namespace kestalon::testing
