// Game states the file tests save and load, built with the game's own operations.
#pragma once

#include <cstdint>
#include <functional>
#include <random>
#include <vector>

#include "core/game_state.h"
#include "core/rules.h"
#include "core/runtime.h"
#include "shell/formats/save_game_format.h"
#include "tests/support/board_setup.h"
#include "tests/support/fake_runtime.h"

namespace kestalon::testing {

// Deals from the values given to the installed FakeGame's runtime.
inline void DealFrom(std::vector<float> randomValues) {
  auto& runtime = dynamic_cast<FakeRuntime&>(CurrentRuntime());
  runtime.randomValues = std::move(randomValues);
  runtime.nextRandom = 0;
  DealNewGame();
}

// The deal that puts pool entry p at position p: kinds 1..42 at 1..42, then kinds 9..42
// three times more at 43..76, 77..110 and 111..144.
inline void DealPoolOrder() {
  DealFrom(RandomSequenceForPoolOrder());
}

// Three moves (Plum 1 with Orchid 4, Red dragon 9 with 43, Bamboo 9 144 with 110) and one
// undo: MoveIndex 3, RedoLimit 4.
inline void MakeKnownState() {
  DealPoolOrder();
  RemovePair(1, 4);
  RemovePair(9, 43);
  RemovePair(144, 110);
  TakeBackMove();
}

// All 72 pairs of the pool-order deal removed: an empty board, MoveIndex = RedoLimit = 73.
inline void MakeWonState() {
  DealPoolOrder();
  for (Position p = 1; p <= 8; p += 2) RemovePair(p, static_cast<Position>(p + 1));
  for (Position p = 9; p <= 42; ++p) {
    RemovePair(p, static_cast<Position>(p + 34));
    RemovePair(static_cast<Position>(p + 68), static_cast<Position>(p + 102));
  }
}

// Plays a seeded random game with moves, undos and redos, and calls visit after every
// step with the live state. Needs a built layout.
inline void PlayRandomGame(std::uint32_t seed, const std::function<void()>& visit) {
  std::mt19937 random(seed);
  std::vector<float> values(4096);
  std::uniform_real_distribution<float> unit(0.0f, 0.999f);
  for (float& v : values) v = unit(random);
  DealFrom(values);
  visit();
  for (int step = 0; step < 400 && MoveIndex != kWonMoveIndex; ++step) {
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
  }
}

// A file's bytes as written by hand: header, then 16-bit little-endian values at offsets.
struct HandBuiltFile {
  std::vector<std::uint8_t> bytes = {'P', 'C', ' ', 'K', 'e', 's', 't', 'a', 'l', 'o', 'n'};
  HandBuiltFile() { bytes.resize(kSaveFileSize); }
  HandBuiltFile& Set(std::size_t offset, int value) {
    bytes.at(offset) = static_cast<std::uint8_t>(value & 0xFF);
    bytes.at(offset + 1) = static_cast<std::uint8_t>((value >> 8) & 0xFF);
    return *this;
  }
  HandBuiltFile& SetBoard(int pos, int kind) { return Set(11 + 2 * pos, kind); }
  HandBuiltFile& SetSlot(int m, int firstPos, int firstKind, int secondPos, int secondKind) {
    const std::size_t at = 301 + 8 * static_cast<std::size_t>(m);
    return Set(at, firstPos).Set(at + 2, firstKind).Set(at + 4, secondPos).Set(at + 6, secondKind);
  }
  HandBuiltFile& SetCounters(int moveIndex, int redoLimit) {
    return Set(885, moveIndex).Set(887, redoLimit);
  }
};

// The file of MakeKnownState's game, written value by value without the encoder.
inline HandBuiltFile KnownStateByHand() {
  HandBuiltFile file;
  for (int p = 1; p <= 42; ++p) file.SetBoard(p, p);
  for (int p = 43; p <= 144; ++p) file.SetBoard(p, 9 + (p - 43) % 34);
  file.SetBoard(1, 0).SetBoard(4, 0).SetBoard(9, 0).SetBoard(43, 0);
  file.SetSlot(1, 1, 1, 4, 4).SetSlot(2, 9, 9, 43, 9).SetSlot(3, 144, 42, 110, 42);
  file.SetCounters(3, 4);
  return file;
}

}  // namespace kestalon::testing
