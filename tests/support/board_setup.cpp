// Hand-built boards and the consistency check shared by the rules tests.
#include "tests/support/board_setup.h"

#include <array>
#include <string>

#include "core/rules.h"
#include "display/layout/board_layout.h"

namespace kestalon::testing {

void SetUpBoard(std::initializer_list<std::pair<Position, TileKind>> tiles) {
  Board.fill(0);
  MoveHistory.fill(MoveRecord{});
  for (const auto& [pos, kind] : tiles) Board[pos] = kind;
  MoveIndex = 1;
  RedoLimit = 1;
  SelectedPos = 0;
  AvailableMoves = 0;
}

int CentreX(Position p) {
  return TilePosXY[p].x + TileWidth / 2;
}
int CentreY(Position p) {
  return TilePosXY[p].y + TileHeight / 2;
}

std::string CheckInvariants() {
  if (!(1 <= MoveIndex && MoveIndex <= RedoLimit && RedoLimit <= kWonMoveIndex)) {
    return "counters out of order: " + std::to_string(MoveIndex) + ", " + std::to_string(RedoLimit);
  }
  if (Board[0] != 0) return "board entry 0 holds a tile";
  for (int m = 1; m < MoveIndex; ++m) {
    const MoveRecord& move = MoveHistory[m];
    if (Board[move.FirstPos] != 0 || Board[move.SecondPos] != 0) {
      return "move " + std::to_string(m) + " in force but a tile stands on it";
    }
  }
  for (int m = MoveIndex; m < RedoLimit; ++m) {
    const MoveRecord& move = MoveHistory[m];
    if (Board[move.FirstPos] != move.FirstKind || Board[move.SecondPos] != move.SecondKind) {
      return "undone move " + std::to_string(m) + " not back in place";
    }
  }
  int tiles = 0;
  std::array<int, 43> perKind{};
  for (int p = 1; p <= kPositionCount; ++p) {
    if (Board[p] == 0) continue;
    if (Board[p] < 0 || Board[p] > 42) return "bad kind at " + std::to_string(p);
    ++tiles;
    ++perKind[Board[p]];
  }
  if (tiles != TilesRemaining()) {
    return "tile count " + std::to_string(tiles) + " != " + std::to_string(TilesRemaining());
  }
  for (int k = 1; k <= 42; ++k) {
    if (perKind[k] > CopiesInSet(static_cast<TileKind>(k))) {
      return "too many of kind " + std::to_string(k);
    }
  }
  if (SelectedPos != 0 && Board[SelectedPos] == 0) return "selection on an empty position";
  return {};
}

}  // namespace kestalon::testing
