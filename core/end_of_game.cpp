// Counting the available moves and telling a won or lost game.
#include "core/rules.h"

namespace kestalon {
namespace {

// Visits every pair of present, free, matching tiles in the order i ascending, then j
// ascending; stops early when the visitor returns false.
template <typename Visitor>
void ForEachAvailablePair(const Game& game, Visitor visit) {
  for (int i = 1; i < kPositionCount; ++i) {
    if (!IsFreeTile(game, static_cast<Position>(i))) continue;
    for (int j = i + 1; j <= kPositionCount; ++j) {
      if (!IsFreeTile(game, static_cast<Position>(j))) continue;
      if (!TilesMatch(game.Board[i], game.Board[j])) continue;
      if (!visit(static_cast<Position>(i), static_cast<Position>(j))) return;
    }
  }
}

}  // namespace

std::int16_t CountAvailableMoves(const Game& game) {
  std::int16_t count = 0;
  ForEachAvailablePair(game, [&](Position, Position) {
    ++count;
    return true;
  });
  return count;
}

std::optional<MovePair> FindAvailableMove(const Game& game, int n) {
  int counted = 0;
  std::optional<MovePair> found;
  ForEachAvailablePair(game, [&](Position i, Position j) {
    if (++counted != n) return true;
    found = MovePair{i, j};
    return false;
  });
  return found;
}

std::optional<MovePair> PickAvailableMove(Game& game, int n) {
  const std::optional<MovePair> move = FindAvailableMove(game, n);
  game.SelectedPos = move ? move->first : Position{0};
  return move;
}

EndCheck CheckAvailableMoves(Game& game) {
  game.AvailableMoves = 0;
  if (game.MoveIndex == kWonMoveIndex) return {GameEnd::Won, GameSound::WellDone};
  game.AvailableMoves = CountAvailableMoves(game);
  if (game.AvailableMoves == 0) return {GameEnd::NoMoveLeft, GameSound::GameOver};
  return {};
}

}  // namespace kestalon
