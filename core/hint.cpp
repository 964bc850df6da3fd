// The hint: the solver's first move, or the way back to the last winnable position.
#include "core/hint.h"

#include <algorithm>

namespace kestalon {

Hint FindHint(const Game& game, Solver& solver, std::uint64_t budget) {
  Hint hint;
  const auto solveWithin = [&](const BoardTiles& board) {
    Solution solution = solver.Solve(board, std::min(budget, kDefaultSolverBudget));
    budget -= std::min(budget, solution.steps);
    return solution;
  };
  const Solution now = solveWithin(game.Board);
  if (now.verdict == Verdict::Unknown) return hint;
  if (now.verdict == Verdict::Winnable) {
    hint.answer = HintAnswer::Winnable;
    if (!now.moves.empty()) hint.move = now.moves.front();
    return hint;
  }
  // Lost: the positions before the moves made, the latest first.
  hint.answer = HintAnswer::Lost;
  BoardTiles board = game.Board;
  const int made = std::clamp(game.MoveIndex - 1, 0, kPairCount);
  Verdict verdict = now.verdict;
  int steps = 1;
  for (; steps <= made && budget > 0; ++steps) {
    const MoveRecord& move = game.MoveHistory[made - steps + 1];
    const auto onBoard = [](Position p) { return p >= 1 && p <= kPositionCount; };
    if (!onBoard(move.FirstPos) || !onBoard(move.SecondPos)) break;  // not a record of moves
    board[move.FirstPos] = move.FirstKind;
    board[move.SecondPos] = move.SecondKind;
    verdict = solveWithin(board).verdict;
    if (verdict == Verdict::Winnable) {
      hint.undoSteps = steps;
      return hint;
    }
  }
  // Nothing earlier could be won: the deal is lost, when that was proved of it.
  if (steps > made && verdict == Verdict::Lost) hint.answer = HintAnswer::DealLost;
  return hint;
}

}  // namespace kestalon
