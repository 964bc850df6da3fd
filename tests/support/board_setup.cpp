// Known games shared by the suites.
#include "tests/support/board_setup.h"

#include <algorithm>

#include "core/rules.h"

namespace kestalon::testing {

Game BoardWith(std::initializer_list<std::pair<Position, TileKind>> tiles) {
  Game game;
  for (const auto& [pos, kind] : tiles) game.Board[pos] = kind;
  return game;
}

std::vector<float> RandomSequenceDealing(const BoardTiles& board) {
  BoardTiles pool = PoolOrderGame().Board;  // the pool in the order the deal draws from it
  std::vector<float> values;
  for (int p = 1; p <= kPositionCount; ++p) {
    const auto r = std::find(pool.begin() + 1, pool.end(), board[p]) - pool.begin();
    pool[r] = 0;
    values.push_back((static_cast<float>(r) - 0.5f) / kPositionCount);
  }
  return values;
}

BoardTiles BoardWithoutMoves() {
  // The 35 free tiles of a full board take a Plum, then one of each kind 9..42 (no two of them
  // match); the other positions take the rest of the set: kinds 2..8, then 9..42 three times.
  Game full;
  full.Board.fill(1);
  full.Board[0] = 0;
  BoardTiles board{};
  int freeTiles = 0, rest = 0;
  for (Position p = 1; p <= kPositionCount; ++p) {
    const int kind = IsFree(full, p) ? (freeTiles++ == 0 ? 1 : 7 + freeTiles)
                                     : (rest < 7 ? 2 + rest++ : 9 + (rest++ - 7) % 34);
    board[p] = static_cast<TileKind>(kind);
  }
  return board;
}

Game PoolOrderGame() {
  Game game;
  for (int p = 1; p <= kPositionCount; ++p)
    game.Board[p] = static_cast<TileKind>(p <= kKindCount ? p : 9 + (p - 43) % 34);
  game.AvailableMoves = CountAvailableMoves(game);
  return game;
}

}  // namespace kestalon::testing
