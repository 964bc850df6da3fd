// Pins the environment of a Qt test process so that it renders the same on every machine:
// offscreen, unscaled, 96 dpi, private folders, so the same pixels and no personal settings on a
// developer's desktop and on CI.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace kestalon::testing {

// Call first thing in main() (or QtTest's initMain), before any Qt application object
// exists: offscreen platform, 96 dpi, no scaling, a private runtime folder.
inline void PinQtTestEnvironment() {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 1);
  setenv("QT_FONT_DPI", "96", 1);
  unsetenv("QT_SCALE_FACTOR");
  unsetenv("QT_SCREEN_SCALE_FACTORS");
  const auto runtimeDir = std::filesystem::temp_directory_path() /
                          ("kestalon-test-runtime-" + std::to_string(getuid()));
  std::filesystem::create_directories(runtimeDir);
  std::filesystem::permissions(runtimeDir, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::replace);
  setenv("XDG_RUNTIME_DIR", runtimeDir.c_str(), 1);
  // Never read or write the settings of the person running the tests.
  setenv("XDG_CONFIG_HOME", runtimeDir.c_str(), 1);
}

}  // namespace kestalon::testing
