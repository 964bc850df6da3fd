// The command line: a saved game named with -file or /file.
#pragma once

#include <string>
#include <string_view>

namespace kestalon {

// The saved-game name in the argument text, or "" when it does not begin with the switch.
std::string ParseCommandLine(std::string_view commandLine);
// True only for an existing regular file; the name is taken literally.
bool FileExists(const std::string& path);

}  // namespace kestalon
