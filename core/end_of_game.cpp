// Counting the available moves and announcing a won or lost game.
#include "core/rules.h"
#include "core/runtime.h"

namespace kestalon {
namespace {

// Visits every pair of present, free, matching tiles in the order i ascending, then j
// ascending; stops early when the visitor returns false.
template <typename Visitor>
void ForEachAvailablePair(Visitor visit) {
  for (int i = 1; i < kPositionCount; ++i) {
    if (Board[i] <= 0 || !IsFree(static_cast<Position>(i))) continue;
    for (int j = i + 1; j <= kPositionCount; ++j) {
      if (Board[j] <= 0 || !IsFree(static_cast<Position>(j))) continue;
      if (!TilesMatch(Board[i], Board[j])) continue;
      if (!visit(static_cast<Position>(i), static_cast<Position>(j))) return;
    }
  }
}

// The loss dialog's own New Game can deal another board without a move while that dialog is
// still open. The nested announcement is then held back and shown once the open one has
// closed, so there is never a second copy on screen.
bool announcingLoss = false;
bool lossPending = false;

void AnnounceLoss() {
  if (announcingLoss) {
    lossPending = true;
    return;
  }
  announcingLoss = true;
  do {
    lossPending = false;
    CurrentView().ShowNoAvailableMove();
  } while (lossPending);
  announcingLoss = false;
}

}  // namespace

std::int16_t CountAvailableMoves() {
  std::int16_t count = 0;
  ForEachAvailablePair([&](Position, Position) {
    ++count;
    return true;
  });
  return count;
}

bool FindAvailableMove(int n, Position& first, Position& second) {
  int counted = 0;
  bool found = false;
  ForEachAvailablePair([&](Position i, Position j) {
    if (++counted != n) return true;
    first = i;
    second = j;
    found = true;
    return false;
  });
  return found;
}

void CheckAvailableMoves() {
  AvailableMoves = 0;
  if (MoveIndex == kWonMoveIndex) {
    PlayGameSound(kWellDoneSound);
    CurrentView().ShowWellDone();
    return;
  }
  AvailableMoves = CountAvailableMoves();
  if (AvailableMoves == 0) {
    PlayGameSound(kGameOverSound);
    AnnounceLoss();
  }
}

}  // namespace kestalon
