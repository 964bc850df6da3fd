// Dealing a new game: the 144 tiles drawn without replacement into positions 1..144.
#include <array>

#include "core/rules.h"
#include "core/runtime.h"

namespace kestalon {

void DealNewGame() {
  SelectedPos = 0;
  Runtime& runtime = CurrentRuntime();
  runtime.Randomize();

  // The pool: kinds 1..42 once, then kinds 9..42 three times more.
  std::array<TileKind, kBoardEntries> pool{};
  for (TileKind v = 1; v <= kKindCount; ++v) pool[v] = v;
  for (TileKind v = kRedDragon; v <= kKindCount; ++v) {
    pool[v + 34] = v;
    pool[v + 68] = v;
    pool[v + 102] = v;
  }

  // Draw by rejection: a drawn entry already taken is drawn again.
  for (int p = 1; p <= kPositionCount; ++p) {
    for (;;) {
      int r = static_cast<int>(static_cast<double>(runtime.Rnd()) * kPositionCount) + 1;
      if (r < 1 || r > kPositionCount) continue;  // a runtime outside [0, 1) is not trusted
      if (pool[r] == 0) continue;
      Board[p] = pool[r];
      pool[r] = 0;
      break;
    }
  }
  Board[0] = 0;

  MoveIndex = 1;
  RedoLimit = 1;
  for (int m = 1; m <= kPairCount; ++m) MoveHistory[m] = MoveRecord{};
  CheckAvailableMoves();
}

}  // namespace kestalon
