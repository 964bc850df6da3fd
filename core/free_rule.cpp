// The free rule.
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

}  // namespace kestalon
