// Writing and reading the saved-game bytes, and the checks that keep a hostile file out.
#include "shell/formats/save_game_format.h"

#include <algorithm>
#include <bitset>

#include "core/rules.h"

namespace kestalon {
namespace {

void PutInt16(std::uint8_t* at, std::int16_t value) {
  const auto bits = static_cast<std::uint16_t>(value);
  at[0] = static_cast<std::uint8_t>(bits & 0xFF);
  at[1] = static_cast<std::uint8_t>(bits >> 8);
}

std::int16_t GetInt16(const std::uint8_t* at) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(at[0] | (at[1] << 8)));
}

bool IsValidPosition(int pos) {
  return pos >= 1 && pos <= kPositionCount;
}

// Slots 1..RedoLimit - 1 are the moves the game can still use: those in force and those
// Redo can make again. Later slots are leftovers and are never read.
SaveGameFault CheckMoveRecords(const Game& game) {
  std::bitset<kBoardEntries> taken;
  for (int m = 1; m < game.RedoLimit; ++m) {
    const MoveRecord& move = game.MoveHistory[m];
    if (!IsValidPosition(move.FirstPos) || !IsValidPosition(move.SecondPos) ||
        !IsValidKind(move.FirstKind) || !IsValidKind(move.SecondKind)) {
      return SaveGameFault::BadMoveRecord;
    }
    // The recorded moves are one line of play from the deal: no tile is taken twice.
    if (move.FirstPos == move.SecondPos || taken[move.FirstPos] || taken[move.SecondPos]) {
      return SaveGameFault::RepeatedPosition;
    }
    taken[move.FirstPos] = true;
    taken[move.SecondPos] = true;
    if (!TilesMatch(move.FirstKind, move.SecondKind)) return SaveGameFault::KindsDoNotMatch;
  }
  return SaveGameFault::None;
}

SaveGameFault CheckBoardAgainstHistory(const Game& game) {
  std::array<int, kKindCount + 1> kindCount{};
  int tiles = 0;
  for (int pos = 1; pos <= kPositionCount; ++pos) {
    if (game.Board[pos] == 0) continue;
    ++tiles;
    ++kindCount[game.Board[pos]];
  }
  if (tiles != game.TilesRemaining()) return SaveGameFault::WrongTileCount;

  for (int m = 1; m < game.MoveIndex; ++m) {
    const MoveRecord& move = game.MoveHistory[m];
    if (game.Board[move.FirstPos] != 0 || game.Board[move.SecondPos] != 0) {
      return SaveGameFault::MoveNotEmpty;
    }
    ++kindCount[move.FirstKind];
    ++kindCount[move.SecondKind];
  }
  for (int m = game.MoveIndex; m < game.RedoLimit; ++m) {
    const MoveRecord& move = game.MoveHistory[m];
    if (game.Board[move.FirstPos] != move.FirstKind ||
        game.Board[move.SecondPos] != move.SecondKind) {
      return SaveGameFault::UndoneMoveNotInPlace;
    }
  }
  // The board with the moves in force put back is the deal: never more of a kind than the
  // set holds (with the tile count above, exactly the set).
  for (int kind = 1; kind <= kKindCount; ++kind) {
    if (kindCount[kind] > CopiesInSet(static_cast<TileKind>(kind))) {
      return SaveGameFault::TooManyOfAKind;
    }
  }
  return SaveGameFault::None;
}

}  // namespace

std::string_view DescribeSaveGameFault(SaveGameFault fault) {
  switch (fault) {
    case SaveGameFault::None:
      return "a valid saved game";
    case SaveGameFault::WrongHeader:
      return "the header is not \"PC Kestalon\"";
    case SaveGameFault::TooShort:
      return "the file is shorter than 889 bytes";
    case SaveGameFault::BadBoardEntry:
      return "a board entry is out of range";
    case SaveGameFault::BadMoveIndex:
      return "the move index is out of range";
    case SaveGameFault::BadRedoLimit:
      return "the redo limit is out of range";
    case SaveGameFault::BadMoveRecord:
      return "a recorded move is out of range";
    case SaveGameFault::RepeatedPosition:
      return "a position is taken twice in the moves";
    case SaveGameFault::KindsDoNotMatch:
      return "a recorded pair does not match";
    case SaveGameFault::WrongTileCount:
      return "the tile count does not fit the move index";
    case SaveGameFault::MoveNotEmpty:
      return "a move in force left a tile on the board";
    case SaveGameFault::UndoneMoveNotInPlace:
      return "a taken-back move is not on the board";
    case SaveGameFault::TooManyOfAKind:
      return "a kind occurs more often than in the set";
  }
  return "unknown fault";
}

std::array<std::uint8_t, kSaveFileSize> EncodeSavedGame(const Game& game) {
  std::array<std::uint8_t, kSaveFileSize> bytes{};
  std::copy(kSaveHeader.begin(), kSaveHeader.end(), bytes.begin());
  for (std::size_t i = 0; i < game.Board.size(); ++i) {
    PutInt16(&bytes[kSaveBoardOffset + 2 * i], game.Board[i]);
  }
  for (std::size_t m = 0; m < game.MoveHistory.size(); ++m) {
    std::uint8_t* slot = &bytes[kSaveHistoryOffset + 8 * m];
    PutInt16(slot, game.MoveHistory[m].FirstPos);
    PutInt16(slot + 2, game.MoveHistory[m].FirstKind);
    PutInt16(slot + 4, game.MoveHistory[m].SecondPos);
    PutInt16(slot + 6, game.MoveHistory[m].SecondKind);
  }
  PutInt16(&bytes[kSaveMoveIndexOffset], game.MoveIndex);
  PutInt16(&bytes[kSaveRedoLimitOffset], game.RedoLimit);
  return bytes;
}

SaveGameFault CheckSavedGame(const Game& game) {
  if (game.Board[0] != 0) return SaveGameFault::BadBoardEntry;
  for (TileKind kind : game.Board) {
    if (kind != 0 && !IsValidKind(kind)) return SaveGameFault::BadBoardEntry;
  }
  if (game.MoveIndex < 1 || game.MoveIndex > kWonMoveIndex) return SaveGameFault::BadMoveIndex;
  if (game.RedoLimit < game.MoveIndex || game.RedoLimit > kWonMoveIndex) {
    return SaveGameFault::BadRedoLimit;
  }
  if (const SaveGameFault fault = CheckMoveRecords(game); fault != SaveGameFault::None) {
    return fault;
  }
  return CheckBoardAgainstHistory(game);
}

SaveGameFault DecodeSavedGame(std::span<const std::uint8_t> bytes, Game& game) {
  if (bytes.size() < kSaveHeader.size() ||
      !std::equal(kSaveHeader.begin(), kSaveHeader.end(), bytes.begin())) {
    return SaveGameFault::WrongHeader;
  }
  if (bytes.size() < kSaveFileSize) return SaveGameFault::TooShort;

  Game read;
  for (std::size_t i = 0; i < read.Board.size(); ++i) {
    read.Board[i] = GetInt16(&bytes[kSaveBoardOffset + 2 * i]);
  }
  for (std::size_t m = 0; m < read.MoveHistory.size(); ++m) {
    const std::uint8_t* slot = &bytes[kSaveHistoryOffset + 8 * m];
    read.MoveHistory[m] = {GetInt16(slot), GetInt16(slot + 2), GetInt16(slot + 4),
                           GetInt16(slot + 6)};
  }
  read.MoveIndex = GetInt16(&bytes[kSaveMoveIndexOffset]);
  read.RedoLimit = GetInt16(&bytes[kSaveRedoLimitOffset]);

  const SaveGameFault fault = CheckSavedGame(read);
  if (fault != SaveGameFault::None) return fault;
  // Status and Show Moves read the count; a loaded game is never announced as won or lost.
  read.AvailableMoves = CountAvailableMoves(read);
  game = read;
  return fault;
}

}  // namespace kestalon
