// Known games shared by the suites.
#include "tests/support/board_setup.h"

#include <algorithm>
#include <array>

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

BoardTiles DealBuiltBackwards(std::mt19937& random) {
  std::vector<Position> order;  // the positions as they were taken away, pair by pair
  while (order.size() < kPositionCount) {
    Game game;
    game.Board.fill(1);
    game.Board[0] = 0;
    order.clear();
    for (;;) {
      std::vector<Position> free;
      for (Position p = 1; p <= kPositionCount; ++p)
        if (IsFreeTile(game, p)) free.push_back(p);
      if (free.size() < 2) break;  // stuck before the end: start again
      std::shuffle(free.begin(), free.end(), random);
      for (int i = 0; i < 2; ++i) {
        order.push_back(free[i]);
        game.Board[free[i]] = 0;
      }
    }
  }
  // Each kind's two pairs, in a random order of the 72 pairs.
  std::vector<int> classes;
  for (int c = 0; c < 36; ++c) classes.insert(classes.end(), {c, c});
  std::shuffle(classes.begin(), classes.end(), random);
  BoardTiles board{};
  std::array<int, 36> seen{};
  for (int pair = 0; pair < kPairCount; ++pair) {
    const int c = classes[pair];
    const int first = c < 2 ? 1 + 4 * c + 2 * seen[c]++ : 7 + c;  // flowers, seasons, kinds
    board[order[2 * pair]] = static_cast<TileKind>(first);
    board[order[2 * pair + 1]] = static_cast<TileKind>(c < 2 ? first + 1 : first);
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
