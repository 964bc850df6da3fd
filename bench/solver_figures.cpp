// The solver's figures: the first deals of the game's own dealing from a fixed seed, decided
// or not, with time and search steps a deal; the hint's time over every position of a random
// player's games; and New Game with Winnable Deals. Each beside its anchor or goal.
// Usage: solver_figures [DEALS] (10000 unless given).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "bench/seeded_random.h"
#include "core/hint.h"
#include "core/rules.h"
#include "core/solver.h"
#include "core/winnable_deal.h"

namespace {

using namespace kestalon;
using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Spread {
  double mean, median, p99, max;
};
template <typename T>
Spread SpreadOf(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  double sum = 0;
  for (T v : values) sum += static_cast<double>(v);
  const auto at = [&](double share) {
    return static_cast<double>(values[static_cast<std::size_t>(share * (values.size() - 1))]);
  };
  return {sum / values.size(), at(0.5), at(0.99), static_cast<double>(values.back())};
}

void Deals(int count) {
  SeededRandom random(20261207);
  std::vector<double> times;
  std::vector<std::uint64_t> steps;
  int lost = 0, unknown = 0, badLines = 0;
  for (int i = 0; i < count; ++i) {
    Game game;
    DealNewGame(game, random);
    Solver solver;
    const auto start = Clock::now();
    const Solution solution = solver.Solve(game.Board);
    times.push_back(MillisecondsSince(start));
    steps.push_back(solution.steps);
    lost += solution.verdict == Verdict::Lost;
    unknown += solution.verdict == Verdict::Unknown;
    badLines += solution.verdict == Verdict::Winnable && !ClearsBoard(game.Board, solution.moves);
  }
  const Spread t = SpreadOf(times), s = SpreadOf(steps);
  std::printf("Deals solved: %d, from a fixed seed; default budget %llu steps\n", count,
              static_cast<unsigned long long>(kDefaultSolverBudget));
  std::printf("  decided %d, lost %d (%.2f%%), unknown %d (%.2f%%); winning lines refused: %d\n",
              count - unknown, lost, 100.0 * lost / count, unknown, 100.0 * unknown / count,
              badLines);
  std::printf("  anchor: 2.95%% lost (goal 2.6%% to 3.3%%), every deal decided\n");
  std::printf("  time a deal, ms: mean %.2f, median %.2f, 99th percentile %.1f, slowest %.1f\n",
              t.mean, t.median, t.p99, t.max);
  std::printf("  anchor: about 14 ms a deal on average; goal: mean 1 ms, 99th percentile 10 ms\n");
  std::printf("  steps a deal: mean %.0f, median %.0f, 99th percentile %.0f, most %.0f\n", s.mean,
              s.median, s.p99, s.max);
}

// A random player: random available moves until none is left, a hint asked at each position.
void Hints(int games) {
  std::mt19937 player(7);
  SeededRandom random(99);
  std::vector<double> times;
  int unknown = 0;
  for (int g = 0; g < games; ++g) {
    Game game;
    DealNewGame(game, random);
    Solver solver;
    for (;;) {
      const auto start = Clock::now();
      unknown += FindHint(game, solver).answer == HintAnswer::Unknown;
      times.push_back(MillisecondsSince(start));
      const std::int16_t moves = CountAvailableMoves(game);
      if (moves == 0) break;
      const MovePair move = *FindAvailableMove(game, 1 + static_cast<int>(player() % moves));
      RemovePair(game, move.first, move.second);
    }
  }
  const Spread t = SpreadOf(times);
  std::printf("Hint over every position of %d random games (%zu positions, %d unknown)\n", games,
              times.size(), unknown);
  std::printf(
      "  time, ms: median %.2f, 99th percentile %.1f, slowest %.1f; goal: 99th percentile "
      "50 ms\n",
      t.median, t.p99, t.max);
}

void WinnableDeals(int count) {
  SeededRandom random(4242);
  Solver solver;
  std::vector<double> times;
  std::vector<int> deals;
  for (int i = 0; i < count; ++i) {
    Game game;
    const auto start = Clock::now();
    deals.push_back(DealWinnableGame(game, random, solver).deals);
    times.push_back(MillisecondsSince(start));
  }
  const Spread t = SpreadOf(times), d = SpreadOf(deals);
  std::printf(
      "New Game with Winnable Deals, %d games, in the process: deals a game %.2f on "
      "average\n",
      count, d.mean);
  std::printf("  time, ms: median %.2f, 99th percentile %.1f, slowest %.1f; goal: median 10 ms\n",
              t.median, t.p99, t.max);
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10000;
  Deals(count);
  Hints(std::max(1, count / 200));
  WinnableDeals(std::max(1, count / 20));
  return 0;
}
