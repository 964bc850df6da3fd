// The game core's runtime services, provided over Qt.
#pragma once

#include <functional>

#include "core/clock_seeded_random.h"
#include "core/runtime.h"
#include "shell/sound_player.h"

namespace kestalon {

class QtRuntime final : public Runtime {
 public:
  // soundChecked reads the check mark of the Sound menu item.
  explicit QtRuntime(std::function<bool()> soundChecked);

  void Randomize() override { random_.Randomize(); }
  float Rnd() override { return random_.Rnd(); }
  bool SoundChecked() const override { return soundChecked_(); }
  std::string ProgramDir() const override;
  void PlaySoundAsync(const std::string& path) override;

 private:
  std::function<bool()> soundChecked_;
  ClockSeededRandom random_;
  SoundPlayer sounds_;
};

}  // namespace kestalon
