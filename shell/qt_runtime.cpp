// The program directory and sound for the game core.
#include "shell/qt_runtime.h"

#include <QString>

#include "shell/settings_location.h"

namespace kestalon {

QtRuntime::QtRuntime(std::function<bool()> soundChecked) : soundChecked_(std::move(soundChecked)) {}

std::string QtRuntime::ProgramDir() const {
  return ProgramDirPath().toStdString();
}

void QtRuntime::PlaySoundAsync(const std::string& path) {
  sounds_.Play(QString::fromStdString(path));
}

}  // namespace kestalon
