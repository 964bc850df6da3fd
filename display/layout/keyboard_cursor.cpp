// The keyboard cursor: moving it between tiles, and the press it asks for.
#include "display/layout/keyboard_cursor.h"

#include <cstdlib>

#include "core/board_topology.h"
#include "core/rules.h"

namespace kestalon {
namespace {

// Steps through positions 1..144 from pos in direction step, wrapping round, pos itself last.
Position FindFreeTile(const Game& game, Position pos, int step) {
  int p = pos;
  for (int i = 0; i < kPositionCount; ++i) {
    p = (p + step + kPositionCount - 1) % kPositionCount + 1;
    if (IsFreeTile(game, static_cast<Position>(p))) return static_cast<Position>(p);
  }
  return 0;
}

bool IsUncoveredTile(const Game& game, int p) {
  return game.Board[p] > 0 && game.Board[TileNeighbours[p].above] <= 0;
}

}  // namespace

Position NextFreeTile(const Game& game, Position pos) {
  return FindFreeTile(game, pos, +1);
}

Position PreviousFreeTile(const Game& game, Position pos) {
  return FindFreeTile(game, pos == 0 ? Position{1} : pos, -1);
}

Position TileInDirection(const Game& game, const TileGeometry& geometry, Position pos,
                         BoardKey arrow) {
  // Twice the centre of a face, so that odd tile sizes stay whole.
  const auto centreX2 = [&](int p) { return 2 * geometry.TilePosXY[p].x + geometry.TileWidth; };
  const auto centreY2 = [&](int p) { return 2 * geometry.TilePosXY[p].y + geometry.TileHeight; };
  // Prefer tiles within 45 degrees of the arrow; failing those, anything on its side.
  const bool horizontal = arrow == BoardKey::Left || arrow == BoardKey::Right;
  const int sign = arrow == BoardKey::Left || arrow == BoardKey::Up ? -1 : 1;
  Position best = 0;
  long bestDistance = 0;
  bool bestInCone = false;
  for (int p = 1; p <= kPositionCount; ++p) {
    if (p == pos || !IsUncoveredTile(game, p)) continue;
    const int dx = centreX2(p) - centreX2(pos);
    const int dy = centreY2(p) - centreY2(pos);
    const int along = sign * (horizontal ? dx : dy);
    const int across = horizontal ? dy : dx;
    if (along <= 0) continue;
    const bool inCone = std::abs(across) <= along;
    const long distance = static_cast<long>(along) * along + static_cast<long>(across) * across;
    if (best == 0 || (inCone && !bestInCone) || (inCone == bestInCone && distance < bestDistance)) {
      best = static_cast<Position>(p);
      bestDistance = distance;
      bestInCone = inCone;
    }
  }
  return best;
}

void KeyboardCursor::Settle(const Game& game) {
  if (pos_ == 0) return;
  if (game.Board[pos_] <= 0) {
    pos_ = NextFreeTile(game, pos_);
    return;
  }
  while (game.Board[TileNeighbours[pos_].above] > 0) pos_ = TileNeighbours[pos_].above;
}

std::optional<Position> KeyboardCursor::KeyPress(BoardKey key, const Game& game,
                                                 const TileGeometry& geometry) {
  if (key == BoardKey::DropPick) {
    if (game.SelectedPos != 0) return Position{0};
    return std::nullopt;
  }
  if (pos_ == 0) {
    pos_ = NextFreeTile(game, 0);
    return std::nullopt;
  }
  if (key == BoardKey::Press) return pos_;
  const Position next = key == BoardKey::NextTile ? NextFreeTile(game, pos_)
                        : key == BoardKey::PreviousTile
                            ? PreviousFreeTile(game, pos_)
                            : TileInDirection(game, geometry, pos_, key);
  if (next != 0) pos_ = next;
  return std::nullopt;
}

}  // namespace kestalon
