// The saved-game switch of the command line, and the check that a name is an existing file.
#include "shell/formats/command_line.h"

#include <filesystem>
#include <system_error>

namespace kestalon {
namespace {

constexpr std::size_t kSwitchLength = 5;  // "-file" and "/file"

// Letter case is folded for ASCII only: the switch itself is plain ASCII.
char AsciiLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::string ParseCommandLine(std::string_view commandLine) {
  std::string head(commandLine.substr(0, kSwitchLength));
  for (char& c : head) c = AsciiLower(c);
  if (head != "-file" && head != "/file") return {};

  std::string_view rest = commandLine.substr(head.size());
  // Only spaces are stripped, and only at the start: a tab, quotes or trailing blanks stay.
  while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
  return std::string(rest);
}

bool FileExists(const std::string& path) {
  if (path.empty()) return false;
  // A plain status query: no pattern matching, so '*' or '?' in a name are ordinary characters.
  std::error_code error;
  return std::filesystem::is_regular_file(std::filesystem::path(path), error);
}

}  // namespace kestalon
