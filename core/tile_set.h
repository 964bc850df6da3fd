// A set of board positions 0..144 as bits: what the solver keeps of a position.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "core/game.h"

namespace kestalon {

class TileSet {
 public:
  bool Has(int p) const { return (words_[p >> 6] >> (p & 63)) & 1u; }
  void Add(int p) { words_[p >> 6] |= std::uint64_t{1} << (p & 63); }
  void Remove(int p) { words_[p >> 6] &= ~(std::uint64_t{1} << (p & 63)); }
  bool Empty() const { return (words_[0] | words_[1] | words_[2]) == 0; }
  int Count() const {
    return std::popcount(words_[0]) + std::popcount(words_[1]) + std::popcount(words_[2]);
  }
  // Positions 0..144 that are not in the set.
  TileSet Complement() const {
    TileSet other;
    for (int w = 0; w < 3; ++w) other.words_[w] = ~words_[w];
    other.words_[2] &= (std::uint64_t{1} << (kBoardEntries - 128)) - 1;
    return other;
  }
  const std::array<std::uint64_t, 3>& words() const { return words_; }
  // Calls visit with each position in the set, lowest first.
  template <typename Visit>
  void ForEach(Visit visit) const {
    for (int w = 0; w < 3; ++w)
      for (std::uint64_t bits = words_[w]; bits != 0; bits &= bits - 1)
        visit(static_cast<Position>(64 * w + std::countr_zero(bits)));
  }

  // The positions that hold a tile on a board.
  static TileSet Occupied(const BoardTiles& board) {
    TileSet set;
    for (int p = 1; p <= kPositionCount; ++p)
      if (board[p] > 0) set.Add(p);
    return set;
  }

  friend bool operator==(const TileSet&, const TileSet&) = default;

 private:
  std::array<std::uint64_t, 3> words_{};
};

}  // namespace kestalon
