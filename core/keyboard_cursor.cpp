// The keyboard cursor: moving it between tiles, and pressing the tile it marks.
#include "core/keyboard_cursor.h"

#include <cstdlib>

#include "core/rules.h"
#include "display/layout/board_layout.h"

namespace kestalon {

Position CursorPos = 0;

namespace {

bool IsFreeTile(int p) {
  return Board[p] > 0 && IsFree(static_cast<Position>(p));
}

// Steps through positions 1..144 from pos in direction step, wrapping round, pos itself last.
Position FindFreeTile(Position pos, int step) {
  int p = pos;
  for (int i = 0; i < kPositionCount; ++i) {
    p = (p + step + kPositionCount - 1) % kPositionCount + 1;
    if (IsFreeTile(p)) return static_cast<Position>(p);
  }
  return 0;
}

// Twice the centre of a face, so that odd tile sizes stay whole.
int CentreX2(int p) {
  return 2 * TilePosXY[p].x + TileWidth;
}
int CentreY2(int p) {
  return 2 * TilePosXY[p].y + TileHeight;
}

}  // namespace

Position NextFreeTile(Position pos) {
  return FindFreeTile(pos, +1);
}

Position PreviousFreeTile(Position pos) {
  return FindFreeTile(pos == 0 ? static_cast<Position>(1) : pos, -1);
}

Position TileInDirection(Position pos, BoardKey arrow) {
  // Prefer tiles within 45 degrees of the arrow; failing those, anything on its side.
  const bool horizontal = arrow == BoardKey::Left || arrow == BoardKey::Right;
  const int sign = arrow == BoardKey::Left || arrow == BoardKey::Up ? -1 : 1;
  Position best = 0;
  long bestDistance = 0;
  bool bestInCone = false;
  for (int p = 1; p <= kPositionCount; ++p) {
    if (p == pos || Board[p] <= 0 || Board[TileNeighbours[p].above] > 0) continue;
    const int dx = CentreX2(p) - CentreX2(pos);
    const int dy = CentreY2(p) - CentreY2(pos);
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

void SettleCursor() {
  if (CursorPos == 0) return;
  if (Board[CursorPos] <= 0) {
    CursorPos = NextFreeTile(CursorPos);
    return;
  }
  while (Board[TileNeighbours[CursorPos].above] > 0) CursorPos = TileNeighbours[CursorPos].above;
}

void BoardKeyPress(BoardKey key) {
  if (key == BoardKey::DropPick) {
    if (SelectedPos != 0) PressTile(0);
    return;
  }
  if (CursorPos == 0) {
    CursorPos = NextFreeTile(0);
    return;
  }
  if (key == BoardKey::Press) {
    PressTile(CursorPos);
    return;
  }
  const Position next = key == BoardKey::NextTile       ? NextFreeTile(CursorPos)
                        : key == BoardKey::PreviousTile ? PreviousFreeTile(CursorPos)
                                                        : TileInDirection(CursorPos, key);
  if (next != 0) CursorPos = next;
}

}  // namespace kestalon
