// Game states the file tests save and load, built with the game's own operations.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "core/game_state.h"
#include "shell/formats/save_game_format.h"

namespace kestalon::testing {

// The deal that puts pool entry p at position p: kinds 1..42 at 1..42, then kinds 9..42
// three times more at 43..76, 77..110 and 111..144. Needs an installed FakeGame.
void DealPoolOrder();

// DealPoolOrder, then three moves (Plum 1 with Orchid 4, Red dragon 9 with 43, Bamboo 9
// 144 with 110) and one undo: MoveIndex 3, RedoLimit 4.
void MakeKnownState();

// All 72 pairs of the pool-order deal removed: an empty board, MoveIndex = RedoLimit = 73.
void MakeWonState();

// Plays a seeded random game with moves, undos and redos, and calls visit after every
// step with the live state. Needs an installed FakeGame with a built layout.
void PlayRandomGame(std::uint32_t seed, const std::function<void()>& visit);

// A file's bytes as written by hand: header, then 16-bit little-endian values at offsets.
class HandBuiltFile {
 public:
  HandBuiltFile();
  HandBuiltFile& Set(std::size_t offset, int value);
  HandBuiltFile& SetBoard(int pos, int kind) { return Set(11 + 2 * pos, kind); }
  HandBuiltFile& SetSlot(int m, int firstPos, int firstKind, int secondPos, int secondKind);
  HandBuiltFile& SetCounters(int moveIndex, int redoLimit);
  std::vector<std::uint8_t> bytes;
};

// The file of MakeKnownState's game, written value by value without the encoder.
HandBuiltFile KnownStateByHand();

}  // namespace kestalon::testing
