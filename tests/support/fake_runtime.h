// Fakes of the core's runtime and view that record what the game asked of them.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/runtime.h"

namespace kestalon::testing {

// A runtime with a scripted random sequence (repeating) and a recorded sound log.
class FakeRuntime : public Runtime {
 public:
  explicit FakeRuntime(std::vector<float> randomValues = {}, bool sound = true);
  void Randomize() override { ++randomizeCalls; }
  float Rnd() override;
  bool SoundChecked() const override { return soundChecked; }
  std::string ProgramDir() const override { return "/game"; }
  void PlaySoundAsync(const std::string& path) override;

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
  void DrawBoard(Position highlightPos) override;
  void ShowWellDone() override;
  void ShowNoAvailableMove() override;
  void PopupGameMenu() override;

  // Every event in order: "sound:/game/alert.wav", "draw:12", "welldone", "noavail", "popup".
  std::vector<std::string> journal;
  std::vector<Position> draws;
  int wellDoneShown = 0;
  int noMovesShown = 0;
  int noMovesOpenNow = 0;  // copies of the loss dialog open at this moment
  int maxNoMovesOpen = 0;
  int popups = 0;
  // Runs while the loss dialog is open, as its New Game button would; once, unless
  // keepLossAction is set (a random game that deals again from every loss).
  std::function<void()> whileNoMovesOpen;
  bool keepLossAction = false;
};

// Installs a FakeRuntime and FakeView for the lifetime of the object, clears the game and
// lays out the regular tile size.
class FakeGame {
 public:
  explicit FakeGame(std::vector<float> randomValues = {}, bool sound = true);
  ~FakeGame();
  FakeGame(const FakeGame&) = delete;
  FakeGame& operator=(const FakeGame&) = delete;

  FakeRuntime runtime;
  FakeView view;
};

// Resets every game-state variable to its program-start value (all zero).
void ClearGameState();

}  // namespace kestalon::testing
