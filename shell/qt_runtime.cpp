// Random numbers, the program directory and sound for the game core.
#include "shell/qt_runtime.h"

#include <chrono>

#include <QString>

#include "shell/settings_location.h"

namespace kestalon {

QtRuntime::QtRuntime(std::function<bool()> soundChecked) : soundChecked_(std::move(soundChecked)) {
  Randomize();
}

void QtRuntime::Randomize() {
  const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  std::seed_seq seed{static_cast<std::uint32_t>(now), static_cast<std::uint32_t>(now >> 32)};
  generator_.seed(seed);
}

float QtRuntime::Rnd() {
  // 24 random bits make a float in [0, 1) exactly, never 1.
  return static_cast<float>(generator_() >> 8) * (1.0f / 16777216.0f);
}

std::string QtRuntime::ProgramDir() const {
  return ProgramDirPath().toStdString();
}

void QtRuntime::PlaySoundAsync(const std::string& path) {
  sounds_.Play(QString::fromStdString(path));
}

}  // namespace kestalon
