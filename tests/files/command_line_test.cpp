// The -file switch of the command line and the regular-file test for the name it gives.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "shell/formats/command_line.h"

namespace kestalon {
namespace {

TEST(ParseCommandLine, SwitchAtTheStartGivesTheRestLessItsLeadingSpaces) {
  const struct {
    const char* commandLine;
    const char* name;
  } cases[] = {
      {"-file game.kng", "game.kng"},
      {"-FILE game.kng", "game.kng"},
      {"/File game.kng", "game.kng"},
      {"/fIlE game.kng", "game.kng"},
      {"-filegame.kng", "game.kng"},
      {"-file    game.kng", "game.kng"},
      {"--file game.kng", ""},
      {"x -file game.kng", ""},
      {" -file game.kng", ""},
      {"\\file game.kng", ""},
      {"-fil", ""},
      {"", ""},
      {"game.kng", ""},
      {"-file", ""},
      {"-file ", ""},
      {"/FILE     ", ""},
      {"-file \"my game.kng\"", "\"my game.kng\""},
      {"-file\tgame.kng", "\tgame.kng"},
      {"-file  \t game.kng", "\t game.kng"},
      {"-file game.kng  ", "game.kng  "},
      {"-file a.kng -file b.kng", "a.kng -file b.kng"},
      {"-FILE Saved/Game One.KNG", "Saved/Game One.KNG"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseCommandLine(c.commandLine), c.name) << '[' << c.commandLine << ']';
  }
}

TEST(FileExists, TrueOnlyForAnExistingRegularFileNamedLiterally) {
  const auto dir =
      std::filesystem::temp_directory_path() / ("kestalon-file-exists-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir / "folder.kng");
  std::ofstream(dir / "game.kng") << "x";
  std::ofstream(dir / "star*.kng") << "x";
  const auto in = [&](const char* name) { return (dir / name).string(); };
  EXPECT_TRUE(FileExists(in("game.kng")));
  EXPECT_TRUE(FileExists(in("star*.kng")));
  for (const std::string& name : {in("missing.kng"), in("folder.kng"), in("*.kng"), in("gam?.kng"),
                                  std::string(), std::string("/dev/null")}) {
    EXPECT_FALSE(FileExists(name)) << name;
  }
  // Relative names are taken from the current folder, quotes and blanks included.
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(dir);
  EXPECT_TRUE(FileExists("game.kng"));
  EXPECT_FALSE(FileExists("\"game.kng\""));
  EXPECT_FALSE(FileExists(" game.kng"));
  std::filesystem::current_path(previous);
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace kestalon
