// Dealing until the deal is proved winnable.
#include "core/winnable_deal.h"

#include "core/rules.h"

namespace kestalon {

WinnableDeal DealWinnableGame(Game& game, RandomSource& random, Solver& solver, int maxDeals) {
  WinnableDeal result;
  while (result.deals < maxDeals && !result.proved) {
    result.check = DealNewGame(game, random);
    ++result.deals;
    result.proved = solver.Solve(game.Board).verdict == Verdict::Winnable;
  }
  return result;
}

}  // namespace kestalon
