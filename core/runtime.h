// What the game core needs from the world outside it, as two small toolkit-free interfaces.
//
// Runtime: the platform's services (random numbers, the Sound option, sound playback, the
// program's directory). GameView: the main window as the core sees it (drawing the board,
// the result dialogs, the Game menu popup). The shell implements both over Qt; tests
// substitute fakes.
#pragma once

#include <string>

#include "core/game_state.h"

namespace kestalon {

class Runtime {
 public:
  virtual ~Runtime() = default;
  // Reseeds the pseudo-random generator from the clock.
  virtual void Randomize() = 0;
  // Next pseudo-random value, uniform in [0, 1).
  virtual float Rnd() = 0;
  // The check mark of the Options menu's Sound item.
  virtual bool SoundChecked() const = 0;
  // The directory holding the executable, without a trailing separator.
  virtual std::string ProgramDir() const = 0;
  // Starts playing a sound file in the background and returns at once; silent on any failure.
  virtual void PlaySoundAsync(const std::string& path) = 0;
};

class GameView {
 public:
  virtual ~GameView() = default;
  // Redraws the whole board, with one position highlighted or 0 for none.
  virtual void DrawBoard(Position highlightPos) = 0;
  // The result dialogs, shown modally; each returns once its dialog has closed.
  virtual void ShowWellDone() = 0;
  virtual void ShowNoAvailableMove() = 0;
  // Brings the Game menu's items up to date and pops the menu up at the pointer.
  virtual void PopupGameMenu() = 0;
};

// The services the core calls. Until something is installed, a quiet default stands in:
// a clock-seeded generator, no sound, no drawing, no dialogs.
Runtime& CurrentRuntime();
GameView& CurrentView();
void InstallRuntime(Runtime* runtime);  // nullptr restores the default
void InstallView(GameView* view);       // nullptr restores the default

}  // namespace kestalon
