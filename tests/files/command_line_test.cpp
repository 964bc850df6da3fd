// The -file switch of the command line and the regular-file test for the name it gives.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "shell/formats/command_line.h"

namespace kestalon {
namespace {

TEST(ParseCommandLine, SwitchInAnyCaseWithDashOrSlash) {
  EXPECT_EQ(ParseCommandLine("-file game.kng"), "game.kng");
  EXPECT_EQ(ParseCommandLine("-FILE game.kng"), "game.kng");
  EXPECT_EQ(ParseCommandLine("/File game.kng"), "game.kng");
  EXPECT_EQ(ParseCommandLine("/fIlE game.kng"), "game.kng");
}

TEST(ParseCommandLine, OnlyAtTheVeryStartWithOneLeadingSign) {
  EXPECT_EQ(ParseCommandLine("--file game.kng"), "");
  EXPECT_EQ(ParseCommandLine("x -file game.kng"), "");
  EXPECT_EQ(ParseCommandLine(" -file game.kng"), "");
  EXPECT_EQ(ParseCommandLine("\\file game.kng"), "");
  EXPECT_EQ(ParseCommandLine("-fil"), "");
  EXPECT_EQ(ParseCommandLine(""), "");
  EXPECT_EQ(ParseCommandLine("game.kng"), "");
}

TEST(ParseCommandLine, SwitchAloneOrWithBlanksOnlyGivesNoName) {
  EXPECT_EQ(ParseCommandLine("-file"), "");
  EXPECT_EQ(ParseCommandLine("-file "), "");
  EXPECT_EQ(ParseCommandLine("/FILE     "), "");
}

TEST(ParseCommandLine, NameNeedsNoBlankAndLosesAllLeadingBlanks) {
  EXPECT_EQ(ParseCommandLine("-filegame.kng"), "game.kng");
  EXPECT_EQ(ParseCommandLine("-file    game.kng"), "game.kng");
}

TEST(ParseCommandLine, RestIsKeptUnchanged) {
  EXPECT_EQ(ParseCommandLine("-file \"my game.kng\""), "\"my game.kng\"");
  EXPECT_EQ(ParseCommandLine("-file\tgame.kng"), "\tgame.kng");
  EXPECT_EQ(ParseCommandLine("-file  \t game.kng"), "\t game.kng");
  EXPECT_EQ(ParseCommandLine("-file game.kng  "), "game.kng  ");
  EXPECT_EQ(ParseCommandLine("-file a.kng -file b.kng"), "a.kng -file b.kng");
  EXPECT_EQ(ParseCommandLine("-FILE Saved/Game One.KNG"), "Saved/Game One.KNG");
}

class FileExistsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = std::filesystem::temp_directory_path() /
          ("kestalon-file-exists-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir / "folder.kng");
    std::ofstream(dir / "game.kng") << "x";
    std::ofstream(dir / "star*.kng") << "x";
  }
  void TearDown() override { std::filesystem::remove_all(dir); }
  std::string In(const std::string& name) const { return (dir / name).string(); }
  std::filesystem::path dir;
};

TEST_F(FileExistsTest, TrueOnlyForAnExistingRegularFile) {
  EXPECT_TRUE(FileExists(In("game.kng")));
  EXPECT_FALSE(FileExists(In("missing.kng")));
  EXPECT_FALSE(FileExists(In("folder.kng")));
  EXPECT_FALSE(FileExists(""));
  EXPECT_FALSE(FileExists("/dev/null"));
}

TEST_F(FileExistsTest, NamesAreLiteralNotPatterns) {
  EXPECT_FALSE(FileExists(In("*.kng")));
  EXPECT_FALSE(FileExists(In("gam?.kng")));
  EXPECT_TRUE(FileExists(In("star*.kng")));
}

TEST_F(FileExistsTest, RelativeNamesAreTakenFromTheCurrentFolder) {
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(dir);
  EXPECT_TRUE(FileExists("game.kng"));
  EXPECT_FALSE(FileExists("\"game.kng\""));
  EXPECT_FALSE(FileExists(" game.kng"));
  std::filesystem::current_path(previous);
}

}  // namespace
}  // namespace kestalon
