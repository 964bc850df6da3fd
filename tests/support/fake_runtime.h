// Fakes of the core's runtime and view that record what the game asked of them.
#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/runtime.h"
#include "display/layout/board_layout.h"

namespace kestalon::testing {

// A runtime with a scripted random sequence (repeating) and a recorded sound log.
class FakeRuntime : public Runtime {
 public:
  explicit FakeRuntime(std::vector<float> values = {}, bool sound = true)
      : soundChecked(sound), randomValues(std::move(values)) {}
  void Randomize() override { ++randomizeCalls; }
  float Rnd() override {
    return randomValues.empty() ? 0.0f : randomValues[nextRandom++ % randomValues.size()];
  }
  bool SoundChecked() const override { return soundChecked; }
  std::string ProgramDir() const override { return "/game"; }
  void PlaySoundAsync(const std::string& path) override {
    sounds.push_back(path);
    if (journal) journal->push_back("sound:" + path);
  }

  bool soundChecked;
  int randomizeCalls = 0;
  std::vector<float> randomValues;
  std::size_t nextRandom = 0;
  std::vector<std::string>* journal = nullptr;
  std::vector<std::string> sounds;
};

// A view that records calls; a result dialog can run a scripted action while "open".
class FakeView : public GameView {
 public:
  void DrawBoard(Position p) override {
    draws.push_back(p);
    journal.push_back("draw:" + std::to_string(p));
  }
  void ShowWellDone() override { journal.push_back("welldone"); }
  void ShowNoAvailableMove() override {
    maxNoMovesOpen = std::max(maxNoMovesOpen, ++noMovesOpenNow);
    journal.push_back("noavail");
    if (whileNoMovesOpen) std::exchange(whileNoMovesOpen, {})();
    --noMovesOpenNow;
  }
  void PopupGameMenu() override { journal.push_back("popup"); }

  // Every event in order: "sound:/game/alert.wav", "draw:12", "welldone", "noavail", "popup".
  std::vector<std::string> journal;
  std::vector<Position> draws;
  int noMovesOpenNow = 0;  // copies of the loss dialog open at this moment
  int maxNoMovesOpen = 0;
  // Runs once while the loss dialog is open, as its New Game button would.
  std::function<void()> whileNoMovesOpen;
};

// Resets every game-state variable to its program-start value (all zero).
void ClearGameState();

// Installs a FakeRuntime and FakeView for the lifetime of the object, clears the game and
// lays out the regular tile size.
class FakeGame {
 public:
  explicit FakeGame(std::vector<float> randomValues = {}, bool sound = true)
      : runtime(std::move(randomValues), sound) {
    runtime.journal = &view.journal;
    ClearGameState();
    BuildLayout(false);
    InstallRuntime(&runtime);
    InstallView(&view);
  }
  ~FakeGame() {
    InstallRuntime(nullptr);
    InstallView(nullptr);
    ClearGameState();
  }
  FakeGame(const FakeGame&) = delete;
  FakeGame& operator=(const FakeGame&) = delete;

  FakeRuntime runtime;
  FakeView view;
};

}  // namespace kestalon::testing
