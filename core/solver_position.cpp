// The solver's positions and their relaxed clearing.
#include "core/solver_position.h"

#include "core/tile_kinds.h"

namespace kestalon::solving {

ClassCount SortIntoClasses(const BoardTiles& board, Classes& classes) {
  classes = Classes{};
  classes.classOf.fill(kNoClass);
  for (int p = 1; p <= kPositionCount; ++p) {
    if (board[p] == 0) continue;
    if (!IsValidKind(board[p])) return ClassCount::Overfull;
    const int c = MatchClass(board[p]);
    if (classes.size[c] == 4) return ClassCount::Overfull;
    classes.classOf[p] = static_cast<std::uint8_t>(c);
    classes.indexOf[p] = classes.size[c];
    classes.members[c][classes.size[c]++] = static_cast<Position>(p);
  }
  for (std::uint8_t size : classes.size)
    if (size % 2 != 0) return ClassCount::Odd;
  return ClassCount::Even;
}

Position PartnerOf(const Classes& classes, const Node& node, Position t) {
  const int c = classes.classOf[t];
  const auto& members = classes.members[c];
  if (node.pairing[c] != 0) return members[kPartnerIndex[node.pairing[c]][classes.indexOf[t]]];
  // Two left: they pair. Four left and none chosen: open.
  Position other = 0;
  int left = 0;
  for (int i = 0; i < classes.size[c]; ++i) {
    if (!node.present.Has(members[i])) continue;
    ++left;
    if (members[i] != t) other = members[i];
  }
  return left == 2 ? other : Position{0};
}

void Clear(const Classes& classes, const Node& node, Clearing& clearing) {
  // Each tile's partner, or 0 while its class is open.
  std::array<Position, kBoardEntries> partner{};
  for (int c = 0; c < kClassCount; ++c) {
    const auto& m = classes.members[c];
    if (classes.size[c] == 0) continue;
    if (node.pairing[c] != 0) {
      for (int i = 0; i < 4; ++i) partner[m[i]] = m[kPartnerIndex[node.pairing[c]][i]];
      continue;
    }
    Position left[4];
    int count = 0;
    for (int i = 0; i < classes.size[c]; ++i)
      if (node.present.Has(m[i])) left[count++] = m[i];
    if (count == 2) {
      partner[left[0]] = left[1];
      partner[left[1]] = left[0];
    }
  }
  TileSet gone = node.present.Complement();
  TileSet seenFree;
  // Every tile is queued at the start, again when a tile that holds it up goes, and again
  // when a tile of its class goes or is first seen free: at most 144 + 144 x 6 + 144 x 6.
  std::array<Position, 1872> queue;
  int head = 0, tail = 0;
  node.present.ForEach([&](Position p) { queue[tail++] = p; });
  const auto isFree = [&](Position p) { return IsFreeAmong(gone, p); };
  const auto queueMates = [&](Position t) {
    ForEachMate(classes, t, [&](Position m) {
      if (!gone.Has(m)) queue[tail++] = m;
    });
  };
  clearing.count = 0;
  while (head < tail) {
    const Position t = queue[head++];
    if (gone.Has(t) || !isFree(t)) continue;
    bool canGo = false;
    if (partner[t] != 0) {
      canGo = gone.Has(partner[t]) || isFree(partner[t]);
    } else {
      ForEachMate(classes, t, [&](Position m) { canGo = canGo || gone.Has(m) || isFree(m); });
    }
    if (!canGo) {
      if (!seenFree.Has(t)) {
        seenFree.Add(t);
        queueMates(t);
      }
      continue;
    }
    clearing.rank[t] = static_cast<std::uint8_t>(clearing.count++);
    gone.Add(t);
    for (int i = 0; i < kDependents.count[t]; ++i) {
      const Position q = kDependents.of[t][i];
      if (!gone.Has(q)) queue[tail++] = q;
    }
    queueMates(t);
  }
  clearing.cleared = clearing.count == node.present.Count();
}

}  // namespace kestalon::solving
