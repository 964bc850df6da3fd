// The saved-game file: 889 bytes of header, board, move history and the two move counters.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "core/game.h"

namespace kestalon {

inline constexpr std::string_view kSaveHeader = "PC Kestalon";

// Byte offsets in the file; every number is a signed 16-bit little-endian value.
inline constexpr std::size_t kSaveBoardOffset = 11;     // entry i at 11 + 2 i
inline constexpr std::size_t kSaveHistoryOffset = 301;  // slot m at 301 + 8 m
inline constexpr std::size_t kSaveMoveIndexOffset = 885;
inline constexpr std::size_t kSaveRedoLimitOffset = 887;
inline constexpr std::size_t kSaveFileSize = 889;

// Why a file is not accepted as a saved game; the first fault found, in this order.
enum class SaveGameFault {
  None,
  WrongHeader,           // fewer than 11 bytes, or not "PC Kestalon" exactly
  TooShort,              // right header, fewer than 889 bytes
  BadBoardEntry,         // a kind outside 0..42, or a tile at entry 0
  BadMoveIndex,          // outside 1..73
  BadRedoLimit,          // outside MoveIndex..73
  BadMoveRecord,         // in a recorded move: a position outside 1..144 or a kind outside 1..42
  RepeatedPosition,      // a position taken twice in the recorded line of play
  KindsDoNotMatch,       // a recorded pair that the match rule refuses
  WrongTileCount,        // not 146 - 2 x MoveIndex tiles on the board
  MoveNotEmpty,          // a move in force whose position still holds a tile
  UndoneMoveNotInPlace,  // a taken-back move whose kinds are not back on the board
  TooManyOfAKind,        // board and moves in force hold a kind more often than the set
};

std::string_view DescribeSaveGameFault(SaveGameFault fault);

// The exact bytes of the file for a game: its board, move record and the two move counters.
std::array<std::uint8_t, kSaveFileSize> EncodeSavedGame(const Game& game);

// Reads and checks a file's bytes into a new game, with nothing picked and its moves counted;
// bytes after the first 889 are ignored. Replaces game only when the result is
// SaveGameFault::None, so a refused file leaves the game in progress as it was.
SaveGameFault DecodeSavedGame(std::span<const std::uint8_t> bytes, Game& game);

// The consistency checks alone, for a game held in memory.
SaveGameFault CheckSavedGame(const Game& game);

}  // namespace kestalon
