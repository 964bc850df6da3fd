// Dealing a new game: the 144 tiles drawn without replacement into positions 1..144.
#include <array>

#include "core/rules.h"

namespace kestalon {

EndCheck DealNewGame(Game& game, RandomSource& random) {
  game.SelectedPos = 0;
  random.Randomize();

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
      const int r = static_cast<int>(static_cast<double>(random.Rnd()) * kPositionCount) + 1;
      if (r < 1 || r > kPositionCount) continue;  // a source outside [0, 1) is not trusted
      if (pool[r] == 0) continue;
      game.Board[p] = pool[r];
      pool[r] = 0;
      break;
    }
  }
  game.Board[0] = 0;

  game.MoveIndex = 1;
  game.RedoLimit = 1;
  for (int m = 1; m <= kPairCount; ++m) game.MoveHistory[m] = MoveRecord{};
  return CheckAvailableMoves(game);
}

}  // namespace kestalon
