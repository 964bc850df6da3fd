// The saved-game bytes: golden layout, round trips of real games, and every refusal.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "core/rules.h"
#include "shell/formats/save_game_format.h"
#include "tests/files/game_states.h"
#include "tests/support/fake_runtime.h"

namespace kestalon {
namespace {

using testing::HandBuiltFile;
using testing::KnownStateByHand;

std::vector<std::uint8_t> Slice(const std::array<std::uint8_t, kSaveFileSize>& file,
                                std::size_t offset, std::size_t length) {
  return {file.begin() + offset, file.begin() + offset + length};
}

class SaveGameFormat : public ::testing::Test {
 protected:
  testing::FakeGame game;
};

TEST_F(SaveGameFormat, KnownStateEncodesAndDecodesAsTheHandBuiltFile) {
  testing::MakeKnownState();
  const SavedGame known = CaptureGameState();
  const auto file = EncodeSavedGame(known);

  // Board from entry 0: 1 (taken), 2 (Bamboo flower), 3, 4 (taken), 5 (Spring).
  EXPECT_EQ(Slice(file, 11, 12), (std::vector<std::uint8_t>{0, 0, 0, 0, 2, 0, 3, 0, 0, 0, 5, 0}));
  // Slot 0 is written too (zeros), then move 1; the two counters close the file.
  EXPECT_EQ(Slice(file, 301, 16), (std::vector<std::uint8_t>{0, 0, 0, 0, 0, 0, 0, 0,  //
                                                             1, 0, 1, 0, 4, 0, 4, 0}));
  EXPECT_EQ(Slice(file, 885, 4), (std::vector<std::uint8_t>{3, 0, 4, 0}));
  HandBuiltFile byHand = KnownStateByHand();
  EXPECT_TRUE(std::equal(file.begin(), file.end(), byHand.bytes.begin(), byHand.bytes.end()));

  byHand.bytes.resize(5000, 0xEE);  // bytes after the first 889 are ignored
  SavedGame decoded;
  ASSERT_EQ(DecodeSavedGame(byHand.bytes, decoded), SaveGameFault::None);
  EXPECT_EQ(decoded, known);
}

TEST_F(SaveGameFormat, NumbersAreSixteenBitLittleEndianTwosComplement) {
  SavedGame odd;
  odd.board[7] = 0x1234;
  odd.history[72] = {-1, -2, 0x0102, 0x7FFF};
  odd.moveIndex = -32768;
  odd.redoLimit = 256;
  const auto file = EncodeSavedGame(odd);
  EXPECT_EQ(Slice(file, 11 + 14, 2), (std::vector<std::uint8_t>{0x34, 0x12}));
  EXPECT_EQ(Slice(file, 301 + 8 * 72, 8),
            (std::vector<std::uint8_t>{0xFF, 0xFF, 0xFE, 0xFF, 0x02, 0x01, 0xFF, 0x7F}));
  EXPECT_EQ(Slice(file, 885, 4), (std::vector<std::uint8_t>{0x00, 0x80, 0x00, 0x01}));
}

TEST_F(SaveGameFormat, EveryStateOfRandomGamesRoundTrips) {
  int states = 0;
  for (std::uint32_t seed = 1; seed <= 12; ++seed) {
    testing::PlayRandomGame(seed, [&] {
      ++states;
      const SavedGame live = CaptureGameState();
      SavedGame decoded;
      ASSERT_EQ(DecodeSavedGame(EncodeSavedGame(live), decoded), SaveGameFault::None)
          << "seed " << seed << " MoveIndex " << MoveIndex << " RedoLimit " << RedoLimit;
      ASSERT_EQ(decoded, live);
    });
  }
  EXPECT_GT(states, 1000);
}

// The counters at their limits: a fresh deal (1, 1), a won game (73, 73), and the won game
// with every move taken back (1, 73).
TEST_F(SaveGameFormat, FreshWonAndFullyUndoneGamesRoundTrip) {
  auto expectRoundTrip = [](int moveIndex, int redoLimit) {
    ASSERT_EQ(MoveIndex, moveIndex);
    ASSERT_EQ(RedoLimit, redoLimit);
    SavedGame decoded;
    ASSERT_EQ(DecodeSavedGame(EncodeSavedGame(CaptureGameState()), decoded), SaveGameFault::None);
    EXPECT_EQ(decoded, CaptureGameState());
  };
  testing::DealPoolOrder();
  expectRoundTrip(1, 1);
  testing::MakeWonState();
  expectRoundTrip(73, 73);
  while (TakeBackMove()) {
  }
  expectRoundTrip(1, 73);
}

TEST_F(SaveGameFormat, LeftoverRecordsAfterTheRedoLimitAreNotChecked) {
  HandBuiltFile file = KnownStateByHand();
  file.SetSlot(4, 999, -7, 0, 43).SetSlot(72, -1, -1, -1, -1);
  SavedGame decoded;
  EXPECT_EQ(DecodeSavedGame(file.bytes, decoded), SaveGameFault::None);
  EXPECT_EQ(decoded.history[4], (MoveRecord{999, -7, 0, 43}));
}

struct Mutation {
  const char* what;
  std::function<void(HandBuiltFile&)> apply;
  SaveGameFault fault;
};

// Each change of the known state's file (MoveIndex 3, RedoLimit 4; moves 1 and 2 in force,
// move 3 taken back) and the refusal it must cause.
std::vector<Mutation> Mutations() {
  using F = SaveGameFault;
  auto header = [](const char* text) {
    return [text](HandBuiltFile& f) { std::copy_n(text, 11, f.bytes.begin()); };
  };
  auto size = [](std::size_t bytes) {
    return [bytes](HandBuiltFile& f) { f.bytes.resize(bytes); };
  };
  return {
      {"header in lower case", header("pc kestalon"), F::WrongHeader},
      {"header in upper case", header("PC KESTALON"), F::WrongHeader},
      {"header shifted", header(" PC Kestalo"), F::WrongHeader},
      {"empty", size(0), F::WrongHeader},
      {"10 bytes", size(10), F::WrongHeader},
      {"header only", size(11), F::TooShort},
      {"888 bytes", size(888), F::TooShort},
      {"tile at entry 0", [](auto& f) { f.SetBoard(0, 5); }, F::BadBoardEntry},
      {"kind 43", [](auto& f) { f.SetBoard(2, 43); }, F::BadBoardEntry},
      {"kind -1", [](auto& f) { f.SetBoard(144, -1); }, F::BadBoardEntry},
      {"kind 0x0102", [](auto& f) { f.SetBoard(50, 0x0102); }, F::BadBoardEntry},
      {"MoveIndex 0", [](auto& f) { f.SetCounters(0, 4); }, F::BadMoveIndex},
      {"MoveIndex 74", [](auto& f) { f.SetCounters(74, 74); }, F::BadMoveIndex},
      {"MoveIndex -3", [](auto& f) { f.SetCounters(-3, 4); }, F::BadMoveIndex},
      {"RedoLimit below MoveIndex", [](auto& f) { f.SetCounters(3, 2); }, F::BadRedoLimit},
      {"RedoLimit 74", [](auto& f) { f.SetCounters(3, 74); }, F::BadRedoLimit},
      {"RedoLimit 5 over an empty slot 4", [](auto& f) { f.SetCounters(3, 5); }, F::BadMoveRecord},
      {"position 0", [](auto& f) { f.SetSlot(1, 0, 1, 4, 4); }, F::BadMoveRecord},
      {"position 145", [](auto& f) { f.SetSlot(3, 145, 42, 110, 42); }, F::BadMoveRecord},
      {"kind 0 in a move", [](auto& f) { f.SetSlot(2, 9, 9, 43, 0); }, F::BadMoveRecord},
      {"kind 43 in a move", [](auto& f) { f.SetSlot(2, 9, 43, 43, 9); }, F::BadMoveRecord},
      {"same position twice in a move", [](auto& f) { f.SetSlot(2, 9, 9, 9, 9); },
       F::RepeatedPosition},
      {"position taken by two moves", [](auto& f) { f.SetSlot(2, 1, 1, 43, 9); },
       F::RepeatedPosition},
      {"pair that does not match", [](auto& f) { f.SetSlot(1, 1, 1, 4, 5); }, F::KindsDoNotMatch},
      {"an extra tile", [](auto& f) { f.SetBoard(1, 1); }, F::WrongTileCount},
      {"a tile missing", [](auto& f) { f.SetBoard(2, 0); }, F::WrongTileCount},
      {"MoveIndex one too high for the board", [](auto& f) { f.SetCounters(4, 4); },
       F::WrongTileCount},
      {"move in force over a tile", [](auto& f) { f.SetSlot(1, 2, 2, 4, 4); }, F::MoveNotEmpty},
      {"taken-back move not in place", [](auto& f) { f.SetSlot(3, 144, 42, 75, 42); },
       F::UndoneMoveNotInPlace},
      {"taken-back kinds differ", [](auto& f) { f.SetSlot(3, 144, 41, 110, 41); },
       F::UndoneMoveNotInPlace},
      {"five Red dragons", [](auto& f) { f.SetBoard(10, 9); }, F::TooManyOfAKind},
      {"two Plums", [](auto& f) { f.SetBoard(2, 1); }, F::TooManyOfAKind},
      {"a move's kind over the set",
       [](auto& f) { f.SetSlot(1, 1, 2, 4, 4); },  // Bamboo flower is still on the board
       F::TooManyOfAKind},
  };
}

TEST_F(SaveGameFormat, EachBadValueIsRefusedForItsOwnReasonAndChangesNothing) {
  SavedGame untouched;
  untouched.moveIndex = 99;
  for (const Mutation& mutation : Mutations()) {
    HandBuiltFile file = KnownStateByHand();
    mutation.apply(file);
    SavedGame game = untouched;
    EXPECT_EQ(DecodeSavedGame(file.bytes, game), mutation.fault) << mutation.what;
    EXPECT_EQ(game, untouched) << mutation.what;
  }
}

}  // namespace
}  // namespace kestalon
