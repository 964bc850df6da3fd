// Known games, the one random-game driver and the consistency check shared by the suites.
#include "tests/support/board_setup.h"

#include <algorithm>
#include <random>

#include "core/rules.h"
#include "shell/formats/save_game_format.h"

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

void PlayRandomGame(Game& game, std::uint32_t seed, int steps, const std::function<void()>& visit) {
  std::mt19937 chooser(seed);
  std::uniform_real_distribution<float> unit(0.0f, 0.99999f);
  std::vector<float> values(4096);
  for (float& v : values) v = unit(chooser);
  ScriptedRandom random(values);
  // A lost game deals again, at most a thousand times, so that a broken rule cannot hang.
  int lossDeals = 0;
  const auto dealWhileLost = [&](EndCheck check) {
    while (check.end == GameEnd::NoMoveLeft && ++lossDeals <= 1000)
      check = DealNewGame(game, random);
  };
  dealWhileLost(DealNewGame(game, random));
  for (int step = 0; step < steps; ++step) {
    const unsigned action = chooser() % 100;
    if (action < 45) {
      dealWhileLost(PressTile(game, static_cast<Position>(chooser() % 150) - 2).check);
    } else if (action < 80) {
      if (const auto move = FindAvailableMove(game, 1 + static_cast<int>(chooser() % 3))) {
        PressTile(game, move->first);
        dealWhileLost(PressTile(game, move->second).check);
      }
    } else if (action < 89) {
      if (const auto check = Undo(game)) dealWhileLost(*check);
    } else if (action < 98) {
      if (const auto check = Redo(game)) dealWhileLost(*check);
    } else {
      dealWhileLost(DealNewGame(game, random));
    }
    visit();
  }
}

std::string CheckInvariants(const Game& game) {
  const SaveGameFault fault = CheckSavedGame(game);
  if (fault != SaveGameFault::None) return std::string(DescribeSaveGameFault(fault));
  if (game.SelectedPos != 0 && !IsFreeTile(game, game.SelectedPos)) {
    return "the pick is not a free tile";
  }
  const std::int16_t expected = game.MoveIndex == kWonMoveIndex ? 0 : CountAvailableMoves(game);
  if (game.AvailableMoves != expected) return "AvailableMoves is stale";
  return {};
}

}  // namespace kestalon::testing
