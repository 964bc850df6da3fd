// Recording fakes of the core's runtime and view for the test suites.
#include "tests/support/fake_runtime.h"

#include <algorithm>
#include <utility>

#include "display/layout/board_layout.h"

namespace kestalon::testing {

FakeRuntime::FakeRuntime(std::vector<float> values, bool sound)
    : soundChecked(sound), randomValues(std::move(values)) {}

float FakeRuntime::Rnd() {
  if (randomValues.empty()) return 0.0f;
  return randomValues[nextRandom++ % randomValues.size()];
}

void FakeRuntime::PlaySoundAsync(const std::string& path) {
  sounds.push_back(path);
  if (journal) journal->push_back("sound:" + path);
}

void FakeView::DrawBoard(Position highlightPos) {
  draws.push_back(highlightPos);
  journal.push_back("draw:" + std::to_string(highlightPos));
}

void FakeView::ShowWellDone() {
  ++wellDoneShown;
  journal.push_back("welldone");
}

void FakeView::ShowNoAvailableMove() {
  ++noMovesShown;
  maxNoMovesOpen = std::max(maxNoMovesOpen, ++noMovesOpenNow);
  journal.push_back("noavail");
  if (whileNoMovesOpen) {
    auto action = keepLossAction ? whileNoMovesOpen : std::exchange(whileNoMovesOpen, nullptr);
    action();
  }
  --noMovesOpenNow;
}

void FakeView::PopupGameMenu() {
  ++popups;
  journal.push_back("popup");
}

void ClearGameState() {
  Board.fill(0);
  MoveHistory.fill(MoveRecord{});
  MoveIndex = 0;
  RedoLimit = 0;
  SelectedPos = 0;
  AvailableMoves = 0;
}

FakeGame::FakeGame(std::vector<float> randomValues, bool sound)
    : runtime(std::move(randomValues), sound) {
  runtime.journal = &view.journal;
  ClearGameState();
  BuildLayout(false);
  InstallRuntime(&runtime);
  InstallView(&view);
}

FakeGame::~FakeGame() {
  InstallRuntime(nullptr);
  InstallView(nullptr);
  ClearGameState();
}

}  // namespace kestalon::testing
