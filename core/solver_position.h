// What the solver searches: the match classes of a board, a position as the tiles still there
// with the pairings chosen so far, and the relaxed clearing that proves a position lost or
// shows it won.
#pragma once

#include <array>
#include <cstdint>

#include "core/board_topology.h"
#include "core/game.h"
#include "core/tile_set.h"

namespace kestalon::solving {

// Tiles pair only within their match class: the four flowers, the four seasons, and the four
// tiles of each other kind.
inline constexpr int kClassCount = 36;
inline constexpr std::uint8_t kNoClass = 0xFF;
constexpr int MatchClass(TileKind kind) {
  return kind < 5 ? 0 : kind < 9 ? 1 : kind - 7;
}

// The classes of the board being solved: their tiles in position order, and each tile's class.
struct Classes {
  std::array<std::array<Position, 4>, kClassCount> members{};
  std::array<std::uint8_t, kClassCount> size{};
  std::array<std::uint8_t, kBoardEntries> classOf{};  // kNoClass where no tile stands
  std::array<std::uint8_t, kBoardEntries> indexOf{};
};

enum class ClassCount {
  Even,      // every class holds 0, 2 or 4 tiles, as in every game of this set
  Odd,       // a class with a tile that nothing is left to pair with: lost
  Overfull,  // more than four tiles of a class, or a kind not of the set: not a board of it
};
ClassCount SortIntoClasses(const BoardTiles& board, Classes& classes);

// The three ways to pair four tiles a < b < c < d: pairing k pairs member i with
// kPartnerIndex[k][i]. 1: ab cd, 2: ac bd, 3: ad bc.
inline constexpr std::uint8_t kPartnerIndex[4][4] = {
    {0, 0, 0, 0}, {1, 0, 3, 2}, {2, 3, 0, 1}, {3, 2, 1, 0}};

// A position of the search. A class whose four tiles are all there is open until a pairing
// is chosen for it; a class of two is paired already. Pairings are kept only for classes
// whose four tiles are all there, so that equal positions compare equal.
struct Node {
  TileSet present;
  std::array<std::uint8_t, kClassCount> pairing{};
  friend bool operator==(const Node&, const Node&) = default;
};

// All four tiles of the class there, and no pairing chosen.
inline bool IsOpen(const Classes& classes, const Node& node, int c) {
  if (classes.size[c] != 4 || node.pairing[c] != 0) return false;
  for (Position m : classes.members[c])
    if (!node.present.Has(m)) return false;
  return true;
}

// The tile that t pairs with in node; 0 while t's class is open.
Position PartnerOf(const Classes& classes, const Node& node, Position t);

// The tiles of t's class other than t.
template <typename Visit>
void ForEachMate(const Classes& classes, Position t, Visit visit) {
  const int c = classes.classOf[t];
  for (int i = 0; i < classes.size[c]; ++i)
    if (classes.members[c][i] != t) visit(classes.members[c][i]);
}

// For each place, the places whose freedom it can hold up: the tiles it lies on and the tiles
// beside it. Built by the compiler from the layout.
struct Dependents {
  std::array<std::array<Position, 6>, kBoardEntries> of{};
  std::array<std::uint8_t, kBoardEntries> count{};
};

constexpr Dependents BuildDependents() {
  Dependents d;
  for (int q = 1; q <= kPositionCount; ++q) {
    const Neighbours& n = TileNeighbours[q];
    for (Position holder : {n.above, n.left, n.right}) {
      if (holder == 0) continue;
      bool listed = false;
      for (int i = 0; i < d.count[holder]; ++i) listed = listed || d.of[holder][i] == q;
      if (!listed) d.of[holder][d.count[holder]++] = static_cast<Position>(q);
    }
  }
  return d;
}

inline constexpr Dependents kDependents = BuildDependents();

// A tile with nothing on it and a side neighbour gone, where gone holds the removed places.
inline bool IsFreeAmong(const TileSet& gone, Position p) {
  const Neighbours& n = TileNeighbours[p];
  return gone.Has(n.above) && (gone.Has(n.left) || gone.Has(n.right));
}

// The relaxed clearing of a node: tiles are taken one at a time, each once it is free and its
// partner is free or gone; a tile of an open class needs some other tile of its class free or
// gone. Every real game is such a clearing, so a node that this cannot clear is lost; and
// since taking a tile never blocks another, the order of taking does not change what is
// cleared.
struct Clearing {
  bool cleared = false;
  int count = 0;
  std::array<std::uint8_t, kBoardEntries> rank{};  // when each tile was taken: 0 first
};
void Clear(const Classes& classes, const Node& node, Clearing& clearing);

}  // namespace kestalon::solving
