// The game in progress as a value: board, move record and counters.
#pragma once

#include <array>
#include <cstdint>

namespace kestalon {

// 1..42, 0 = no tile. 1-4 flowers, 5-8 seasons, 9-42 dragons, winds and suits.
using TileKind = std::int16_t;
// 1..144 on the board; 0 = no position (and the always-empty board entry).
using Position = std::int16_t;

inline constexpr int kPositionCount = 144;
inline constexpr int kPairCount = 72;
// Entries of the per-position arrays (0..144) and slots of the move record (0..72).
inline constexpr int kBoardEntries = kPositionCount + 1;
inline constexpr int kHistorySlots = kPairCount + 1;
// MoveIndex reaches this value when all 72 pairs have been removed.
inline constexpr std::int16_t kWonMoveIndex = 73;

// One removed pair: positions and kinds, first pick first. Four 16-bit fields, saved as such.
struct MoveRecord {
  std::int16_t FirstPos = 0;
  std::int16_t FirstKind = 0;
  std::int16_t SecondPos = 0;
  std::int16_t SecondKind = 0;
  friend bool operator==(const MoveRecord&, const MoveRecord&) = default;
};

// Kind of the tile at each position; entry 0 stays empty so that "no neighbour" reads as empty.
using BoardTiles = std::array<TileKind, kBoardEntries>;
// Slot m holds the m-th move of the game; slot 0 never holds a move.
using MoveList = std::array<MoveRecord, kHistorySlots>;

// Everything Undo restores and a saved game holds, and the pick and move count that go with
// it. The view's own state (keyboard cursor, tile size) lives with the view.
struct Game {
  BoardTiles Board{};
  MoveList MoveHistory{};
  // Slot of the next move, 1..73; moves made = MoveIndex - 1.
  std::int16_t MoveIndex = 1;
  // One past the last recorded move that Redo can apply again; MoveIndex..73.
  std::int16_t RedoLimit = 1;
  // First pick, 0 = nothing selected.
  std::int16_t SelectedPos = 0;
  // Pairs of free matching tiles, as last counted by CheckAvailableMoves.
  std::int16_t AvailableMoves = 0;

  // Tiles on the board by the move count: 144 at the start, 0 when won.
  int TilesRemaining() const { return 146 - 2 * MoveIndex; }

  friend bool operator==(const Game&, const Game&) = default;
};

}  // namespace kestalon
