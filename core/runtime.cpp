// The installed runtime and view, and the quiet defaults that stand in until one is installed.
#include "core/runtime.h"

#include <chrono>
#include <random>

namespace kestalon {
namespace {

class DefaultRuntime final : public Runtime {
 public:
  void Randomize() override {
    generator_.seed(static_cast<std::uint32_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
  }
  float Rnd() override {
    return static_cast<float>(generator_() >> 8) * (1.0f / 16777216.0f);  // 24 bits: < 1
  }
  bool SoundChecked() const override { return false; }
  std::string ProgramDir() const override { return "."; }
  void PlaySoundAsync(const std::string&) override {}

 private:
  std::mt19937 generator_{std::random_device{}()};
};

class DefaultView final : public GameView {
 public:
  void DrawBoard(Position) override {}
  void ShowWellDone() override {}
  void ShowNoAvailableMove() override {}
  void PopupGameMenu() override {}
};

DefaultRuntime defaultRuntime;
DefaultView defaultView;
Runtime* installedRuntime = &defaultRuntime;
GameView* installedView = &defaultView;

}  // namespace

Runtime& CurrentRuntime() {
  return *installedRuntime;
}
GameView& CurrentView() {
  return *installedView;
}
void InstallRuntime(Runtime* runtime) {
  installedRuntime = runtime ? runtime : &defaultRuntime;
}
void InstallView(GameView* view) {
  installedView = view ? view : &defaultView;
}

}  // namespace kestalon
