// The player's hand on the board: picks and matching, removing a pair.
#include "core/rules.h"

namespace kestalon {
namespace {

PressOutcome Outcome(PressResult result, Position first, Position second = 0) {
  PressOutcome outcome;
  outcome.result = result;
  outcome.first = first;
  outcome.second = second;
  return outcome;
}

PressOutcome Refuse(Refusal why, Position first, Position second) {
  PressOutcome outcome = Outcome(PressResult::Refused, first, second);
  outcome.refusal = why;
  outcome.sound = GameSound::Alert;
  return outcome;
}

}  // namespace

void RemovePair(Game& game, Position first, Position second) {
  const std::int16_t m = game.MoveIndex;
  if (m < 1 || m > kPairCount) return;  // the history is full only when the board is empty
  game.MoveHistory[m] = {first, game.Board[first], second, game.Board[second]};
  game.MoveIndex = static_cast<std::int16_t>(m + 1);
  game.RedoLimit = game.MoveIndex;
  game.Board[first] = 0;
  game.Board[second] = 0;
}

void DropPick(Game& game) {
  game.SelectedPos = 0;
}

PressOutcome PressTile(Game& game, Position p) {
  if (p < 0 || p > kPositionCount || game.Board[p] <= 0) p = 0;  // no tile there: empty space
  const Position s = game.SelectedPos;
  if (p == 0) {
    if (s == 0) return Refuse(Refusal::EmptySpace, 0, 0);
    game.SelectedPos = 0;
    return Outcome(PressResult::Dropped, s);
  }
  if (!IsFree(game, p)) return Refuse(Refusal::Blocked, s, p);
  if (s == 0) {
    game.SelectedPos = p;
    return Outcome(PressResult::Picked, p);
  }
  if (!TilesMatch(game.Board[s], game.Board[p])) return Refuse(Refusal::NoMatch, s, p);
  // A matching second pick, or the picked tile pressed again (a kind matches itself): either
  // way the moves are counted again.
  const bool again = p == s;
  if (!again) RemovePair(game, s, p);
  game.SelectedPos = 0;
  const EndCheck check = CheckAvailableMoves(game);
  PressOutcome outcome =
      again ? Outcome(PressResult::Dropped, s) : Outcome(PressResult::Removed, s, p);
  outcome.check = check;
  outcome.sound = check.sound;
  return outcome;
}

}  // namespace kestalon
