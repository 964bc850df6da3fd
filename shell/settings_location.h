// Where the settings file is looked for at start-up and where Save Settings writes it.
//
// Two places can hold "knopts.cfg": the program's own directory, and the per-user
// configuration folder ($XDG_CONFIG_HOME, else ~/.config, then "pc-kestalon/knopts.cfg").
// Start-up reads the per-user file first and the program directory's second; the first
// that is a settings file wins. Save Settings writes the program directory's file when it
// can (a copy unpacked anywhere keeps its settings beside it) and the per-user file when
// it cannot (an installed copy); it also rewrites an existing per-user file, which would
// otherwise hide the settings just saved.
#pragma once

#include <QString>

namespace kestalon {

// The program's directory: the executable's.
QString ProgramDirPath();

// The settings file beside the program in programDir.
QString ProgramSettingsPath(const QString& programDir);
// Empty when the platform names no per-user configuration folder.
QString UserSettingsPath();

}  // namespace kestalon
