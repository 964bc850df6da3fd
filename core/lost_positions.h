// The positions the solver has proved lost, kept from one search to the next while the board
// stays the same deal.
#pragma once

#include <cstdint>
#include <vector>

#include "core/game.h"
#include "core/solver_position.h"

namespace kestalon::solving {

class LostPositions {
 public:
  // A node names places and pairings, not kinds, so what is known holds only for boards that
  // agree with the board it was learnt on wherever both hold a tile. Keeps it for such a
  // board, and forgets it all for any other.
  void Adopt(const BoardTiles& board);
  bool Contains(const Node& node) const;
  void Insert(const Node& node);

 private:
  struct Entry {
    Node node;
    std::uint32_t generation = 0;  // entries of earlier generations are forgotten
  };
  static constexpr std::size_t kEntries = 1 << 14;
  std::size_t SlotOf(const Node& node) const;

  std::vector<Entry> entries_;  // made on first use; a newer node takes the slot of an older
  BoardTiles board_{};          // the tiles the entries were learnt on
  std::uint32_t generation_ = 1;
};

}  // namespace kestalon::solving
