// The player's hand on the board: the hit test, picks and matching, removing a pair.
#include "core/rules.h"
#include "core/runtime.h"
#include "display/layout/board_layout.h"

namespace kestalon {

Position HitTest(int X, int Y) {
  // Upper layers carry higher numbers, so searching downwards lets the upper tile win.
  for (int p = kPositionCount; p >= 1; --p) {
    if (Board[p] <= 0) continue;
    const TilePoint& at = TilePosXY[p];
    if (at.x < X && X < at.x + TileWidth && at.y < Y && Y < at.y + TileHeight) {
      return static_cast<Position>(p);
    }
  }
  return 0;
}

void RemovePair(Position first, Position second) {
  const std::int16_t m = MoveIndex;
  if (m < 1 || m > kPairCount) return;  // the history is full only when the board is empty
  MoveHistory[m] = {first, Board[first], second, Board[second]};
  MoveIndex = static_cast<std::int16_t>(m + 1);
  RedoLimit = MoveIndex;
  Board[first] = 0;
  Board[second] = 0;
}

void BoardMousePress(MouseButton button, int X, int Y) {
  if (button == MouseButton::Right) {
    CurrentView().PopupGameMenu();
    return;
  }
  PressTile(HitTest(X, Y));
}

void PressTile(Position p) {
  if (p < 0 || p > kPositionCount || Board[p] <= 0) p = 0;  // no tile there: empty space
  GameView& view = CurrentView();
  const Position s = SelectedPos;
  if (p == 0) {
    if (s != 0) {
      SelectedPos = 0;
      view.DrawBoard(0);
    } else {
      PlayGameSound(kAlertSound);
    }
    return;
  }
  if (!IsFree(p)) {
    PlayGameSound(kAlertSound);
    return;
  }
  if (s == 0) {
    SelectedPos = p;
    view.DrawBoard(p);
    return;
  }
  if (!TilesMatch(Board[s], Board[p])) {
    PlayGameSound(kAlertSound);
    return;
  }
  // A matching second pick, or the selected tile pressed again (a kind matches itself).
  if (p != s) RemovePair(s, p);
  SelectedPos = 0;
  view.DrawBoard(0);
  CheckAvailableMoves();
}

}  // namespace kestalon
