// The Game menu's Hint: a move that keeps the game winnable, or, once no move can, how far
// back the game could still be won.
#pragma once

#include <cstdint>

#include "core/game.h"
#include "core/rules.h"
#include "core/solver.h"

namespace kestalon {

enum class HintAnswer {
  Winnable,  // move keeps the game winnable
  Lost,      // no move wins any more; undoSteps Undo steps lead back to a winnable position,
             // or none was found in time (0)
  DealLost,  // the deal itself cannot be won
  Unknown,   // the solver could not tell in time
};

struct Hint {
  HintAnswer answer = HintAnswer::Unknown;
  MovePair move;  // Winnable, with tiles left
  int undoSteps = 0;
  friend bool operator==(const Hint&, const Hint&) = default;
};

// All that a hint, walking back through the moves made, may spend.
inline constexpr std::uint64_t kHintBudget = kDefaultSolverBudget;

// Looks at the game as it stands, then, when it is lost, at the positions before each move
// made, latest first. Positions that cannot be told in time are passed over, never called
// winnable; the deal is called lost only when it was proved so.
Hint FindHint(const Game& game, Solver& solver, std::uint64_t budget = kHintBudget);

}  // namespace kestalon
