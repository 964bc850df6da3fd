// Pins the environment of a Qt test process so that it renders the same on every machine.
#pragma once

namespace kestalon::testing {

// Call first thing in main() (or QtTest's initMain), before any Qt application object
// exists: offscreen platform, 96 dpi, no scaling, a private runtime folder.
void PinQtTestEnvironment();

}  // namespace kestalon::testing
