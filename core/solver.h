// Whether a position can still be won, with every tile known: winnable with a line of moves
// that clears the board, lost (no line clears it), or unknown when the search ran out of
// steps. The budget counts steps, not time, so that every machine gives the same answer.
#pragma once

#include <cstdint>
#include <vector>

#include "core/game.h"
#include "core/lost_positions.h"
#include "core/rules.h"

namespace kestalon {

enum class Verdict { Winnable, Lost, Unknown };

struct Solution {
  Verdict verdict = Verdict::Unknown;
  // Winnable: the moves that clear the board, in playing order, each accepted by the rules.
  std::vector<MovePair> moves;
  // Search steps spent: relaxed clearings and quick games played, a few microseconds each.
  std::uint64_t steps = 0;
};

// Ends within a quarter of a second on a slow machine.
inline constexpr std::uint64_t kDefaultSolverBudget = 30'000;

// Solves positions one after another, keeping what carries over from one to the next: the
// positions of the deal already proved lost, and the last winning line, so that a position
// reached along it needs no new search.
class Solver {
 public:
  Solution Solve(const BoardTiles& board, std::uint64_t budget = kDefaultSolverBudget);

 private:
  // The last winning line still clears board when board is its start without some of its
  // moves: then the rest of it, in order.
  bool FollowLastLine(const BoardTiles& board, std::vector<MovePair>& rest) const;

  solving::LostPositions lost_;
  BoardTiles lineStart_{};
  std::vector<MovePair> line_;
};

// Whether moves, played in order on board, are each accepted by the rules and clear it.
bool ClearsBoard(const BoardTiles& board, const std::vector<MovePair>& moves);

}  // namespace kestalon
