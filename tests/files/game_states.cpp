// Building known and random game states through the core's own operations.
#include "tests/files/game_states.h"

#include <random>

#include "core/rules.h"
#include "core/runtime.h"
#include "tests/support/fake_runtime.h"

namespace kestalon::testing {
namespace {

FakeRuntime& InstalledFake() {
  return dynamic_cast<FakeRuntime&>(CurrentRuntime());
}

}  // namespace

void DealPoolOrder() {
  FakeRuntime& runtime = InstalledFake();
  runtime.randomValues = RandomSequenceForPoolOrder();
  runtime.nextRandom = 0;
  DealNewGame();
}

void MakeKnownState() {
  DealPoolOrder();
  RemovePair(1, 4);
  RemovePair(9, 43);
  RemovePair(144, 110);
  TakeBackMove();
}

void MakeWonState() {
  DealPoolOrder();
  for (Position p = 1; p <= 8; p += 2) RemovePair(p, static_cast<Position>(p + 1));
  for (Position p = 9; p <= 42; ++p) {
    RemovePair(p, static_cast<Position>(p + 34));
    RemovePair(static_cast<Position>(p + 68), static_cast<Position>(p + 102));
  }
}

void PlayRandomGame(std::uint32_t seed, const std::function<void()>& visit) {
  std::mt19937 random(seed);
  std::vector<float> values(4096);
  std::uniform_real_distribution<float> unit(0.0f, 0.999f);
  for (float& v : values) v = unit(random);
  FakeRuntime& runtime = InstalledFake();
  runtime.randomValues = values;
  runtime.nextRandom = 0;
  DealNewGame();
  visit();
  for (int step = 0; step < 400; ++step) {
    const int choice = static_cast<int>(random() % 10);
    if (choice < 6) {
      const int available = CountAvailableMoves();
      if (available == 0) {
        if (!TakeBackMove()) return;
      } else {
        Position first = 0, second = 0;
        FindAvailableMove(static_cast<int>(random() % available) + 1, first, second);
        RemovePair(first, second);
      }
    } else if (choice < 8) {
      TakeBackMove();
    } else {
      MakeMoveAgain();
    }
    visit();
    if (MoveIndex == kWonMoveIndex) return;
  }
}

HandBuiltFile::HandBuiltFile() : bytes(kSaveFileSize, 0) {
  const char header[] = "PC Kestalon";
  for (std::size_t i = 0; i < 11; ++i) bytes[i] = static_cast<std::uint8_t>(header[i]);
}

HandBuiltFile& HandBuiltFile::Set(std::size_t offset, int value) {
  bytes.at(offset) = static_cast<std::uint8_t>(value & 0xFF);
  bytes.at(offset + 1) = static_cast<std::uint8_t>((value >> 8) & 0xFF);
  return *this;
}

HandBuiltFile& HandBuiltFile::SetSlot(int m, int firstPos, int firstKind, int secondPos,
                                      int secondKind) {
  const std::size_t at = 301 + 8 * static_cast<std::size_t>(m);
  return Set(at, firstPos).Set(at + 2, firstKind).Set(at + 4, secondPos).Set(at + 6, secondKind);
}

HandBuiltFile& HandBuiltFile::SetCounters(int moveIndex, int redoLimit) {
  return Set(885, moveIndex).Set(887, redoLimit);
}

HandBuiltFile KnownStateByHand() {
  HandBuiltFile file;
  for (int p = 1; p <= 42; ++p) file.SetBoard(p, p);
  for (int p = 43; p <= 144; ++p) file.SetBoard(p, 9 + (p - 43) % 34);
  file.SetBoard(1, 0).SetBoard(4, 0).SetBoard(9, 0).SetBoard(43, 0);
  file.SetSlot(1, 1, 1, 4, 4).SetSlot(2, 9, 9, 43, 9).SetSlot(3, 144, 42, 110, 42);
  file.SetCounters(3, 4);
  return file;
}

}  // namespace kestalon::testing
