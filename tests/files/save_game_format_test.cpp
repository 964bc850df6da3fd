// The saved-game bytes: golden layout, round trips of real games, and every refusal.
#include <gtest/gtest.h>

#include <vector>

#include "core/rules.h"
#include "shell/formats/save_game_format.h"
#include "tests/files/game_states.h"
#include "tests/support/fake_runtime.h"

namespace kestalon {
namespace {

using testing::FakeGame;
using testing::HandBuiltFile;
using testing::KnownStateByHand;

std::vector<std::uint8_t> Bytes(std::initializer_list<int> values) {
  std::vector<std::uint8_t> out;
  for (int v : values) out.push_back(static_cast<std::uint8_t>(v));
  return out;
}

std::vector<std::uint8_t> Slice(const std::array<std::uint8_t, kSaveFileSize>& file,
                                std::size_t offset, std::size_t length) {
  return {file.begin() + offset, file.begin() + offset + length};
}

class SaveGameFormat : public ::testing::Test {
 protected:
  FakeGame game;
};

TEST_F(SaveGameFormat, KnownStateGivesTheExpectedBytes) {
  testing::MakeKnownState();
  const auto file = EncodeSavedGame(CaptureGameState());

  ASSERT_EQ(file.size(), 889u);
  EXPECT_EQ(std::string(file.begin(), file.begin() + 11), "PC Kestalon");
  // Board entry 0, then 1 (taken), 2 (Bamboo flower), 4 (taken), 5 (Spring).
  EXPECT_EQ(Slice(file, 11, 12), Bytes({0, 0, 0, 0, 2, 0, 3, 0, 0, 0, 5, 0}));
  // Entry 43 taken, 44 holds White dragon 10; entry 144 (offset 299) was put back by the undo.
  EXPECT_EQ(Slice(file, 11 + 2 * 43, 4), Bytes({0, 0, 10, 0}));
  EXPECT_EQ(Slice(file, 299, 2), Bytes({42, 0}));
  // Slot 0 is written too (zeros), then the three moves; slot 4 is still empty.
  EXPECT_EQ(Slice(file, 301, 8), Bytes({0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Slice(file, 309, 8), Bytes({1, 0, 1, 0, 4, 0, 4, 0}));
  EXPECT_EQ(Slice(file, 317, 8), Bytes({9, 0, 9, 0, 43, 0, 9, 0}));
  EXPECT_EQ(Slice(file, 325, 8), Bytes({144, 0, 42, 0, 110, 0, 42, 0}));
  EXPECT_EQ(Slice(file, 333, 8), Bytes({0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Slice(file, 885, 4), Bytes({3, 0, 4, 0}));

  const HandBuiltFile byHand = KnownStateByHand();
  EXPECT_TRUE(std::equal(file.begin(), file.end(), byHand.bytes.begin()));
}

TEST_F(SaveGameFormat, NumbersAreSixteenBitLittleEndianTwosComplement) {
  SavedGame odd;
  odd.board[7] = 0x1234;
  odd.history[72] = {-1, -2, 0x0102, 0x7FFF};
  odd.moveIndex = -32768;
  odd.redoLimit = 256;
  const auto file = EncodeSavedGame(odd);
  EXPECT_EQ(Slice(file, 11 + 14, 2), Bytes({0x34, 0x12}));
  EXPECT_EQ(Slice(file, 301 + 8 * 72, 8), Bytes({0xFF, 0xFF, 0xFE, 0xFF, 0x02, 0x01, 0xFF, 0x7F}));
  EXPECT_EQ(Slice(file, 885, 4), Bytes({0x00, 0x80, 0x00, 0x01}));
}

TEST_F(SaveGameFormat, HandBuiltFileDecodesIntoTheKnownState) {
  testing::MakeKnownState();
  const SavedGame expected = CaptureGameState();

  SavedGame decoded;
  ASSERT_EQ(DecodeSavedGame(KnownStateByHand().bytes, decoded), SaveGameFault::None);
  EXPECT_EQ(decoded, expected);
}

TEST_F(SaveGameFormat, BytesAfterTheFirst889AreIgnored) {
  HandBuiltFile file = KnownStateByHand();
  SavedGame exact, longer;
  ASSERT_EQ(DecodeSavedGame(file.bytes, exact), SaveGameFault::None);
  file.bytes.resize(5000, 0xEE);
  ASSERT_EQ(DecodeSavedGame(file.bytes, longer), SaveGameFault::None);
  EXPECT_EQ(exact, longer);
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

TEST_F(SaveGameFormat, WonAndFreshGamesAreValid) {
  testing::DealPoolOrder();
  EXPECT_EQ(CheckSavedGame(CaptureGameState()), SaveGameFault::None);
  testing::MakeWonState();
  EXPECT_EQ(MoveIndex, 73);
  EXPECT_EQ(CheckSavedGame(CaptureGameState()), SaveGameFault::None);
  // Everything undone: a full board with 72 moves to redo.
  while (TakeBackMove()) {
  }
  EXPECT_EQ(MoveIndex, 1);
  EXPECT_EQ(RedoLimit, 73);
  EXPECT_EQ(CheckSavedGame(CaptureGameState()), SaveGameFault::None);
}

TEST_F(SaveGameFormat, LeftoverRecordsAfterTheRedoLimitAreNotChecked) {
  HandBuiltFile file = KnownStateByHand();
  file.SetSlot(4, 999, -7, 0, 43).SetSlot(72, -1, -1, -1, -1);
  SavedGame decoded;
  EXPECT_EQ(DecodeSavedGame(file.bytes, decoded), SaveGameFault::None);
  EXPECT_EQ(decoded.history[4], (MoveRecord{999, -7, 0, 43}));
}

TEST_F(SaveGameFormat, HeaderMustMatchExactly) {
  SavedGame untouched;
  untouched.moveIndex = 55;
  for (const char* header :
       {"pc kestalon", "PC KESTALON", "PC Kestalo ", " PC Kestalo", "XC Kestalon"}) {
    HandBuiltFile file = KnownStateByHand();
    std::copy(header, header + 11, file.bytes.begin());
    SavedGame game = untouched;
    EXPECT_EQ(DecodeSavedGame(file.bytes, game), SaveGameFault::WrongHeader) << header;
    EXPECT_EQ(game, untouched);
  }
}

TEST_F(SaveGameFormat, ShortFilesAreRefused) {
  const HandBuiltFile file = KnownStateByHand();
  SavedGame game;
  for (std::size_t size : {0u, 1u, 10u}) {
    EXPECT_EQ(DecodeSavedGame({file.bytes.data(), size}, game), SaveGameFault::WrongHeader);
  }
  for (std::size_t size : {11u, 12u, 300u, 884u, 887u, 888u}) {
    EXPECT_EQ(DecodeSavedGame({file.bytes.data(), size}, game), SaveGameFault::TooShort) << size;
  }
  EXPECT_EQ(DecodeSavedGame({file.bytes.data(), 889u}, game), SaveGameFault::None);
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
  return {
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

TEST_F(SaveGameFormat, EachBadValueIsRefusedForItsOwnReason) {
  for (const Mutation& mutation : Mutations()) {
    HandBuiltFile file = KnownStateByHand();
    mutation.apply(file);
    SavedGame game;
    game.moveIndex = 99;  // must survive every refusal
    EXPECT_EQ(DecodeSavedGame(file.bytes, game), mutation.fault) << mutation.what;
    EXPECT_EQ(game.moveIndex, 99) << mutation.what;
    EXPECT_FALSE(DescribeSaveGameFault(mutation.fault).empty());
  }
}

TEST_F(SaveGameFormat, CounterBoundariesThatAreValid) {
  SavedGame game;
  // MoveIndex 1 = RedoLimit 1: a full board and no history.
  testing::DealPoolOrder();
  EXPECT_EQ(DecodeSavedGame(EncodeSavedGame(CaptureGameState()), game), SaveGameFault::None);
  EXPECT_EQ(game.moveIndex, 1);
  // MoveIndex = RedoLimit = 73, and MoveIndex 1 with RedoLimit 73 (checked above by state).
  testing::MakeWonState();
  EXPECT_EQ(DecodeSavedGame(EncodeSavedGame(CaptureGameState()), game), SaveGameFault::None);
  EXPECT_EQ(game.redoLimit, 73);
  // Kind 42 on the board and positions 1 and 144 in moves are inside the ranges.
  EXPECT_EQ(DecodeSavedGame(KnownStateByHand().bytes, game), SaveGameFault::None);
}

}  // namespace
}  // namespace kestalon
