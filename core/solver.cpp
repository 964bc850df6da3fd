// The solver: a search over which tile pairs with which in each class of four, not over the
// order of the moves. Taking a tile never blocks another, so once every class has its pairing
// the order follows: any order that takes each pair once both of its tiles are free.
//
// Moves that cannot hurt are made at once: a pair whose tiles are both free, and the four
// tiles of an open class when all four are free (they pair among themselves whichever way).
//
// Each position is first cleared relaxed (solver_position.h): when that fails, it is lost.
// Then a game is played from it, looking one move ahead; when that game clears the board, the
// position is won. (The search's first game also passes over any move that the relaxed
// clearing refutes: it wins more often, for a clearing a move.) Otherwise each pairing of each
// class that game left on the board is cleared relaxed alone: a class left without a pairing makes
// the position lost, a class left with one takes it, and else the search branches on the class with
// fewest left, trying first the pairing the game chose. Only the relaxed clearing proves anything
// lost; the game played and its choices of move only guide.
#include "core/solver.h"

#include <algorithm>
#include <bit>
#include <numeric>
#include <span>
#include <utility>

#include "core/board_topology.h"
#include "core/solver_position.h"

namespace kestalon {
namespace {

using namespace solving;

// Commits looked ahead from at each move of the game played: more finds wins in fewer games,
// but each game costs more. The search's first game, which wins most often, looks further.
constexpr int kLookahead = 3;
constexpr int kFirstLookahead = 6;

class Search {
 public:
  Search(const Classes& classes, LostPositions& lost, std::uint64_t budget)
      : classes_(classes), lost_(lost), budget_(budget) {
    // Per class of four, bit (1 << i | 1 << j) set when members i and j lie in one pile.
    for (int c = 0; c < kClassCount; ++c) {
      if (classes.size[c] != 4) continue;
      for (unsigned i = 0; i < 4; ++i)
        for (unsigned j = 0; j < 4; ++j)
          if (i != j && LiesOn(classes.members[c][i], classes.members[c][j]))
            stacked_[c] |= std::uint16_t{1} << (1u << i | 1u << j);
    }
  }

  // Whether node can be won; when it can, line() ends with the moves that win it.
  Verdict Explore(Node node);
  std::vector<MovePair>& line() { return line_; }
  std::uint64_t steps() const { return steps_; }

 private:
  // A move that commits an open class: take the free pair of pairing `pairing`, leaving the
  // other two tiles of the class to each other.
  struct Commit {
    int score = 0;
    std::uint8_t cls = 0;
    std::uint8_t pairing = 0;
  };
  // What one look at a node found: won (its line appended), unknown (out of steps), or lost,
  // which means refuted when the relaxed clearing failed, and else that the open classes in
  // stuck were left on the board by the game played.
  struct Outcome {
    Verdict verdict = Verdict::Lost;
    bool refuted = false;
    std::uint64_t stuck = 0;
  };
  Verdict Decide(Node node);
  Outcome Evaluate(const Node& node);
  bool Playout(Node node, const Clearing& relaxed, std::uint64_t& stuck);
  int Greedy(Node node, const Clearing& relaxed);
  void Apply(Node& node, const Commit& commit);
  using CommitList = std::array<Commit, 3 * kClassCount>;
  int Commits(const Node& node, const Clearing& relaxed, CommitList& out, int wanted);
  // The safe moves that looking at the tiles of seeds, and at what their going frees, finds;
  // every present tile when seeds is empty.
  void TakeSafeMoves(Node& node, std::span<const Position> seeds = {});
  // Whether upper lies somewhere on the pile of lower.
  static bool LiesOn(Position upper, Position lower) {
    for (Position p = TileNeighbours[lower].above; p != 0; p = TileNeighbours[p].above)
      if (p == upper) return true;
    return false;
  }

  const Classes& classes_;
  std::array<std::uint16_t, kClassCount> stacked_{};
  LostPositions& lost_;
  const std::uint64_t budget_;
  std::uint64_t steps_ = 0;
  std::vector<MovePair> line_;
  // Per class, the pairing the last played game committed it to; 0 for none.
  std::array<std::uint8_t, kClassCount> chosen_{};
  Clearing trial_;
  bool firstPlayout_ = true;
};

Verdict Search::Explore(Node node) {
  const std::size_t mark = line_.size();
  TakeSafeMoves(node);
  const Verdict verdict = Decide(node);
  if (verdict != Verdict::Winnable) line_.resize(mark);
  return verdict;
}

Verdict Search::Decide(Node node) {
  if (node.present.Empty()) return Verdict::Winnable;
  if (lost_.Contains(node)) return Verdict::Lost;
  const Node entry = node;
  for (;;) {
    chosen_.fill(0);
    const Outcome outcome = Evaluate(node);
    if (outcome.verdict != Verdict::Lost) return outcome.verdict;
    if (outcome.refuted) break;
    // Each pairing of each class left stuck, alone, cleared relaxed; survivors[c] holds bit k
    // for a pairing k that this does not refute.
    std::array<std::uint8_t, kClassCount> survivors{};
    int branch = -1;
    bool forced = false, refuted = false;
    for (std::uint64_t bits = outcome.stuck; bits != 0 && !refuted; bits &= bits - 1) {
      const int c = std::countr_zero(bits);
      for (std::uint8_t k = 1; k <= 3; ++k) {
        if (++steps_ > budget_) return Verdict::Unknown;
        Node trial = node;
        trial.pairing[c] = k;
        Clear(classes_, trial, trial_);
        if (trial_.cleared) survivors[c] |= static_cast<std::uint8_t>(1u << k);
      }
      const int count = std::popcount(survivors[c]);
      refuted = count == 0;
      if (count == 1) {
        node.pairing[c] = static_cast<std::uint8_t>(std::countr_zero(survivors[c]));
        forced = true;
      } else if (branch < 0 || count < std::popcount(survivors[branch])) {
        branch = c;
      }
    }
    if (refuted) break;
    if (branch < 0 && !forced) return Verdict::Unknown;  // the game left no open class stuck
    if (forced) {
      TakeSafeMoves(node);
      if (node.present.Empty()) return Verdict::Winnable;
      if (lost_.Contains(node)) break;
      continue;
    }
    // The pairing the game chose first.
    std::array<std::uint8_t, 3> order{1, 2, 3};
    std::ranges::stable_sort(order, [&](std::uint8_t a, std::uint8_t b) {
      return (a == chosen_[branch]) > (b == chosen_[branch]);
    });
    bool unknown = false;
    for (std::uint8_t k : order) {
      if (((survivors[branch] >> k) & 1u) == 0) continue;
      Node child = node;
      child.pairing[branch] = k;
      const Verdict verdict = Explore(child);
      if (verdict == Verdict::Winnable) return verdict;
      unknown = unknown || verdict == Verdict::Unknown;
      if (steps_ > budget_) return Verdict::Unknown;
    }
    if (unknown) return Verdict::Unknown;
    break;
  }
  lost_.Insert(entry);
  return Verdict::Lost;
}

Search::Outcome Search::Evaluate(const Node& node) {
  Outcome outcome;
  if (++steps_ > budget_) {
    outcome.verdict = Verdict::Unknown;
    return outcome;
  }
  Clearing relaxed;
  Clear(classes_, node, relaxed);
  if (!relaxed.cleared) {
    outcome.refuted = true;
    return outcome;
  }
  const std::size_t mark = line_.size();
  if (Playout(node, relaxed, outcome.stuck)) {
    outcome.verdict = Verdict::Winnable;
    return outcome;
  }
  line_.resize(mark);
  if (steps_ > budget_) outcome.verdict = Verdict::Unknown;
  return outcome;
}

// A game played from the node by looking one commit ahead: each of the best few commits on
// offer is followed by a quick greedy game, and the commit whose game went furthest is made.
bool Search::Playout(Node node, const Clearing& relaxed, std::uint64_t& stuck) {
  const bool checked = std::exchange(firstPlayout_, false);
  std::uint64_t open = 0;
  for (int c = 0; c < kClassCount; ++c)
    if (IsOpen(classes_, node, c)) open |= std::uint64_t{1} << c;
  CommitList commits;
  Clearing ranks = relaxed, trial;
  TakeSafeMoves(node);
  for (;;) {
    if (node.present.Empty()) return true;
    const int lookahead = checked ? kFirstLookahead : kLookahead;
    const int count = std::min(Commits(node, ranks, commits, lookahead), lookahead);
    std::array<int, kFirstLookahead> left{};
    for (int i = 0; i < count; ++i) {
      if (++steps_ > budget_) return false;
      const std::size_t mark = line_.size();
      Node next = node;
      Apply(next, commits[i]);
      left[i] = Greedy(next, ranks);
      if (left[i] == 0) return true;
      line_.resize(mark);
    }
    // The commit whose game went furthest, unless the relaxed clearing refutes it.
    std::array<int, kFirstLookahead> order{};
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.begin() + count,
                     [&](int a, int b) { return left[a] < left[b]; });
    int best = checked ? -1 : (count > 0 ? order[0] : -1);
    for (int i = 0; i < count && best < 0; ++i) {
      if (++steps_ > budget_) return false;
      Node next = node;
      next.pairing[commits[order[i]].cls] = commits[order[i]].pairing;
      Clear(classes_, next, trial);
      if (trial.cleared) best = order[i];
    }
    if (best < 0) {
      // The classes open at the start that the game left on the board.
      for (std::uint64_t bits = open; bits != 0; bits &= bits - 1) {
        const int c = std::countr_zero(bits);
        for (Position m : classes_.members[c])
          if (node.present.Has(m)) stuck |= std::uint64_t{1} << c;
      }
      return false;
    }
    if (checked) ranks = trial;
    chosen_[commits[best].cls] = commits[best].pairing;
    Apply(node, commits[best]);
  }
}

// The greedy game: the best commit each time, until none is left; the tiles it leaves.
int Search::Greedy(Node node, const Clearing& relaxed) {
  CommitList commits;
  while (!node.present.Empty() && Commits(node, relaxed, commits, 1) > 0) Apply(node, commits[0]);
  return node.present.Count();
}

void Search::Apply(Node& node, const Commit& commit) {
  node.pairing[commit.cls] = commit.pairing;
  TakeSafeMoves(node, classes_.members[commit.cls]);
}

// Every move left once the safe ones are made takes a free pair of an open class. The best
// `wanted` first: those leaving the other two tiles of their class soonest reached by the
// relaxed clearing. Never one leaving a tile to pair with a tile of its own pile: the lower
// stays covered until the upper goes, and the upper cannot go before the lower is free.
int Search::Commits(const Node& node, const Clearing& relaxed, CommitList& out, int wanted) {
  const TileSet gone = node.present.Complement();
  int count = 0;
  for (int c = 0; c < kClassCount; ++c) {
    if (!IsOpen(classes_, node, c)) continue;
    const auto& m = classes_.members[c];
    unsigned freeTiles = 0;
    for (unsigned i = 0; i < 4; ++i)
      if (IsFreeAmong(gone, m[i])) freeTiles |= 1u << i;
    if (std::popcount(freeTiles) < 2) continue;
    for (int k = 1; k <= 3; ++k) {
      // Pairing k's pair with member 0, or else its other pair, is the one taken now.
      const unsigned withFirst = 1u | 1u << kPartnerIndex[k][0], other = 15u ^ withFirst;
      const unsigned taken = (freeTiles & withFirst) == withFirst ? withFirst
                             : (freeTiles & other) == other       ? other
                                                                  : 0u;
      if (taken == 0 || (stacked_[c] >> (15u ^ taken) & 1u) != 0) continue;
      const unsigned rest = 15u ^ taken;
      const Position u = m[std::countr_zero(rest)], v = m[3 - std::countl_zero(rest << 28)];
      out[count++] = {-std::max(relaxed.rank[u], relaxed.rank[v]), static_cast<std::uint8_t>(c),
                      static_cast<std::uint8_t>(k)};
    }
  }
  // Ties go to the lower class and pairing, so that every run searches alike.
  const auto better = [](const Commit& a, const Commit& b) {
    return a.score != b.score ? a.score > b.score
           : a.cls != b.cls   ? a.cls < b.cls
                              : a.pairing < b.pairing;
  };
  std::partial_sort(out.begin(), out.begin() + std::min(wanted, count), out.begin() + count,
                    better);
  return count;
}

void Search::TakeSafeMoves(Node& node, std::span<const Position> seeds) {
  TileSet gone = node.present.Complement();
  // Each tile is looked at once, and again when a tile holding it up goes or its class
  // shrinks: at most 144 + 144 x (6 + 3).
  std::array<Position, 1440> queue;
  int head = 0, tail = 0;
  if (seeds.empty()) {
    node.present.ForEach([&](Position p) { queue[tail++] = p; });
  }
  for (Position p : seeds) queue[tail++] = p;
  const auto take = [&](Position a, Position b) {
    line_.push_back({a, b});
    for (Position t : {a, b}) {
      node.present.Remove(t);
      gone.Add(t);
    }
    for (Position t : {a, b}) {
      for (int i = 0; i < kDependents.count[t]; ++i)
        if (!gone.Has(kDependents.of[t][i])) queue[tail++] = kDependents.of[t][i];
      ForEachMate(classes_, t, [&](Position m) {
        if (!gone.Has(m)) queue[tail++] = m;
      });
    }
  };
  while (head < tail) {
    const Position t = queue[head++];
    if (gone.Has(t) || !IsFreeAmong(gone, t)) continue;
    const int c = classes_.classOf[t];
    if (IsOpen(classes_, node, c)) {
      const auto& m = classes_.members[c];
      if (IsFreeAmong(gone, m[0]) && IsFreeAmong(gone, m[1]) && IsFreeAmong(gone, m[2]) &&
          IsFreeAmong(gone, m[3])) {
        take(m[0], m[1]);
        take(m[2], m[3]);
      }
      continue;
    }
    const Position partner = PartnerOf(classes_, node, t);
    if (partner != 0 && IsFreeAmong(gone, partner)) take(t, partner);
  }
  // A pairing is kept only while all four of its tiles are there.
  for (int c = 0; c < kClassCount; ++c) {
    if (node.pairing[c] == 0) continue;
    for (Position m : classes_.members[c])
      if (!node.present.Has(m)) node.pairing[c] = 0;
  }
}

}  // namespace

bool ClearsBoard(const BoardTiles& board, const std::vector<MovePair>& moves) {
  Game game;
  game.Board = board;
  game.Board[0] = 0;
  for (const MovePair& move : moves) {
    const bool legal = move.first != move.second && IsFreeTile(game, move.first) &&
                       IsFreeTile(game, move.second) &&
                       TilesMatch(game.Board[move.first], game.Board[move.second]);
    if (!legal) return false;
    game.Board[move.first] = game.Board[move.second] = 0;
  }
  return TileSet::Occupied(game.Board).Empty();
}

bool Solver::FollowLastLine(const BoardTiles& board, std::vector<MovePair>& rest) const {
  for (int p = 1; p <= kPositionCount; ++p)
    if (board[p] != 0 && board[p] != lineStart_[p]) return false;
  rest.clear();
  for (const MovePair& move : line_) {
    const bool first = board[move.first] > 0, second = board[move.second] > 0;
    if (first != second) return false;  // a pair of the line split: the line no longer holds
    if (first) rest.push_back(move);
  }
  return ClearsBoard(board, rest);
}

Solution Solver::Solve(const BoardTiles& board, std::uint64_t budget) {
  Solution solution;
  if (!line_.empty() && FollowLastLine(board, solution.moves)) {
    solution.verdict = Verdict::Winnable;
    return solution;
  }
  Classes classes;
  switch (SortIntoClasses(board, classes)) {
    case ClassCount::Odd:
      solution.verdict = Verdict::Lost;  // a tile that nothing is left to pair with
      return solution;
    case ClassCount::Overfull:
      return solution;  // no board of this set: nothing to say
    case ClassCount::Even:
      break;
  }
  lost_.Adopt(board);
  Search search(classes, lost_, budget);
  Node root;
  root.present = TileSet::Occupied(board);
  solution.verdict = search.Explore(root);
  solution.steps = search.steps();
  if (solution.verdict == Verdict::Winnable) {
    solution.moves = std::move(search.line());
    // Checked by the rules themselves before anyone is told the game can be won.
    if (!ClearsBoard(board, solution.moves)) {
      solution.verdict = Verdict::Unknown;
      solution.moves.clear();
      return solution;
    }
    lineStart_ = board;
    line_ = solution.moves;
  }
  return solution;
}

}  // namespace kestalon
