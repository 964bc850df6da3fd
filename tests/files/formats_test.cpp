// The formats without the toolkit: the -file switch of the command line, and each hostile value
// of the saved-game bytes refused for its own reason. The hand-built file is compared on disk in
// files_test; the corpus replay (tests/fuzz) round-trips every accepted file.
#include <gtest/gtest.h>

#include "shell/formats/command_line.h"
#include "shell/formats/save_game_format.h"
#include "tests/files/known_game_file.h"

namespace kestalon {
namespace {

TEST(ParseCommandLine, SwitchAtTheVeryStartGivesTheRestLessItsLeadingSpaces) {
  // Either switch in any case, then blanks or none; anything else before it is no switch;
  // after it, everything but the leading spaces, quotes and all.
  // clang-format off
  const std::pair<const char*, const char*> cases[] = {
      {"-file game.kng", "game.kng"}, {"/fIlE game.kng", "game.kng"},
      {"-FILE    game.kng", "game.kng"}, {"-filegame.kng", "game.kng"},
      {"--file game.kng", ""}, {" -file game.kng", ""}, {"\\file game.kng", ""}, {"-fil", ""},
      {"/FILE     ", ""}, {"-file \"my game.kng\"", "\"my game.kng\""},
      {"-file \t game.kng", "\t game.kng"}, {"-file a.kng -file b.kng  ", "a.kng -file b.kng  "}};
  // clang-format on
  for (const auto& [commandLine, name] : cases) {
    EXPECT_EQ(ParseCommandLine(commandLine), name) << '[' << commandLine << ']';
  }
}

// Each change of KnownFile (moves 1 and 2 in force, move 3 taken back) and its reason.
TEST(SaveGameFormat, EachHostileValueIsRefusedForItsOwnReason) {
  using F = SaveGameFault;
  const struct {
    const char* what;
    void (*change)(testing::HandBuiltFile&);
    SaveGameFault fault;
  } cases[] = {
      {"header \"pC Kestalon\"", [](auto& f) { f.bytes[0] = 'p'; }, F::WrongHeader},
      {"10 bytes", [](auto& f) { f.bytes.resize(10); }, F::WrongHeader},
      {"888 bytes", [](auto& f) { f.bytes.resize(888); }, F::TooShort},
      {"tile at entry 0", [](auto& f) { f.SetBoard(0, 5); }, F::BadBoardEntry},
      {"kind 43", [](auto& f) { f.SetBoard(2, 43); }, F::BadBoardEntry},
      {"kind 0x0102", [](auto& f) { f.SetBoard(50, 0x0102); }, F::BadBoardEntry},
      {"MoveIndex 0", [](auto& f) { f.SetCounters(0, 4); }, F::BadMoveIndex},
      {"MoveIndex 74", [](auto& f) { f.SetCounters(74, 74); }, F::BadMoveIndex},
      {"RedoLimit below MoveIndex", [](auto& f) { f.SetCounters(3, 2); }, F::BadRedoLimit},
      {"RedoLimit 74", [](auto& f) { f.SetCounters(3, 74); }, F::BadRedoLimit},
      {"RedoLimit over empty slot 4", [](auto& f) { f.SetCounters(3, 5); }, F::BadMoveRecord},
      {"first position 0", [](auto& f) { f.SetSlot(1, 0, 1, 4, 4); }, F::BadMoveRecord},
      {"second position 145", [](auto& f) { f.SetSlot(3, 144, 42, 145, 42); }, F::BadMoveRecord},
      {"first kind 43", [](auto& f) { f.SetSlot(2, 9, 43, 43, 9); }, F::BadMoveRecord},
      {"second kind 0", [](auto& f) { f.SetSlot(2, 9, 9, 43, 0); }, F::BadMoveRecord},
      {"one position twice", [](auto& f) { f.SetSlot(2, 9, 9, 9, 9); }, F::RepeatedPosition},
      {"move 1's first position", [](auto& f) { f.SetSlot(2, 1, 9, 43, 9); }, F::RepeatedPosition},
      {"move 1's second position", [](auto& f) { f.SetSlot(2, 9, 9, 4, 9); }, F::RepeatedPosition},
      {"pair that does not match", [](auto& f) { f.SetSlot(1, 1, 1, 4, 5); }, F::KindsDoNotMatch},
      {"an extra tile", [](auto& f) { f.SetBoard(1, 1); }, F::WrongTileCount},
      {"a tile missing", [](auto& f) { f.SetBoard(2, 0); }, F::WrongTileCount},
      {"move in force over a tile", [](auto& f) { f.SetSlot(1, 2, 1, 4, 4); }, F::MoveNotEmpty},
      {"undone 1st off", [](auto& f) { f.SetSlot(3, 75, 42, 110, 42); }, F::UndoneMoveNotInPlace},
      {"undone 2nd off", [](auto& f) { f.SetSlot(3, 144, 42, 75, 42); }, F::UndoneMoveNotInPlace},
      {"five Red dragons", [](auto& f) { f.SetBoard(10, 9); }, F::TooManyOfAKind},
      // The Bamboo flower (2) is still on the board.
      {"a move's kind over the set", [](auto& f) { f.SetSlot(1, 1, 2, 4, 4); }, F::TooManyOfAKind},
  };
  // That a refused file changes nothing is the fuzz target's check, on the corpus.
  for (const auto& c : cases) {
    testing::HandBuiltFile file = testing::KnownFile();
    c.change(file);
    Game game;
    EXPECT_EQ(DecodeSavedGame(file.bytes, game), c.fault) << c.what;
  }
}

}  // namespace
}  // namespace kestalon
