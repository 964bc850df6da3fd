// Winnable Deals: deals made again until the solver proves one winnable.
#pragma once

#include "core/outcomes.h"
#include "core/random_source.h"
#include "core/solver.h"

namespace kestalon {

// A scripted source can deal the same lost board for ever: so many deals at most.
inline constexpr int kMaxWinnableDealTries = 100;

struct WinnableDeal {
  EndCheck check;       // the end-of-game check of the deal kept
  int deals = 0;        // deals made
  bool proved = false;  // false when no deal was proved winnable: the last one stays
};

// Deals from random as a new game does, again and again until the solver proves a deal
// winnable. Each deal is drawn as before, so every winnable deal is as likely as any other.
WinnableDeal DealWinnableGame(Game& game, RandomSource& random, Solver& solver,
                              int maxDeals = kMaxWinnableDealTries);

}  // namespace kestalon
