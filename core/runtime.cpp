// The installed runtime and view, and the quiet defaults that stand in until one is installed.
#include "core/runtime.h"

#include "core/clock_seeded_random.h"

namespace kestalon {
namespace {

class DefaultRuntime final : public Runtime {
 public:
  void Randomize() override { random_.Randomize(); }
  float Rnd() override { return random_.Rnd(); }
  bool SoundChecked() const override { return false; }
  std::string ProgramDir() const override { return "."; }
  void PlaySoundAsync(const std::string&) override {}

 private:
  ClockSeededRandom random_;
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
