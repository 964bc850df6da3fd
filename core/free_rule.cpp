// The free rule, and what a removal freed.
#include "core/board_topology.h"
#include "core/rules.h"

namespace kestalon {

bool IsFree(const Game& game, Position pos) {
  if (pos < 0 || pos > kPositionCount) return false;
  const Neighbours& n = TileNeighbours[pos];
  const bool covered = game.Board[n.above] != 0;
  const bool hemmedIn = game.Board[n.left] != 0 && game.Board[n.right] != 0;
  return !covered && !hemmedIn;
}

bool IsFreeTile(const Game& game, Position pos) {
  return pos >= 1 && pos <= kPositionCount && game.Board[pos] > 0 && IsFree(game, pos);
}

std::vector<Position> TilesFreedBy(const Game& game, const MoveRecord& move) {
  const auto onBoard = [](Position p) { return p >= 1 && p <= kPositionCount; };
  if (!onBoard(move.FirstPos) || !onBoard(move.SecondPos)) return {};
  Game before = game;
  before.Board[move.FirstPos] = move.FirstKind;
  before.Board[move.SecondPos] = move.SecondKind;
  std::vector<Position> freed;
  for (Position p = 1; p <= kPositionCount; ++p) {
    if (IsFreeTile(game, p) && !IsFree(before, p)) freed.push_back(p);
  }
  return freed;
}

}  // namespace kestalon
