// What the program tells Qt about itself, and its arguments, shared by main() and the
// start-up benchmark so that both start the same program.
#pragma once

#include <QStringList>

namespace kestalon {

// Name, version (from the version record) and desktop file name; call after QApplication.
void IdentifyApplication();
// The program's arguments after its own name.
QStringList ProgramArguments();

}  // namespace kestalon
