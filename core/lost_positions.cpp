// The table of positions proved lost: one slot per hash, the newer node taking it.
#include "core/lost_positions.h"

#include <cstring>

namespace kestalon::solving {

void LostPositions::Adopt(const BoardTiles& board) {
  bool agrees = true;
  for (int p = 1; p <= kPositionCount && agrees; ++p)
    agrees = board[p] <= 0 || board_[p] <= 0 || board[p] == board_[p];
  if (!agrees) {
    ++generation_;
    board_ = BoardTiles{};
  }
  for (int p = 1; p <= kPositionCount; ++p)
    if (board[p] > 0) board_[p] = board[p];
}

std::size_t LostPositions::SlotOf(const Node& node) const {
  std::uint64_t hash = 0x9E3779B97F4A7C15u;
  const auto mix = [&hash](std::uint64_t word) {
    hash = (hash ^ word) * 0xBF58476D1CE4E5B9u;
    hash ^= hash >> 31;
  };
  for (std::uint64_t word : node.present.words()) mix(word);
  for (std::size_t i = 0; i < node.pairing.size(); i += 8) {
    std::uint64_t word = 0;
    std::memcpy(&word, node.pairing.data() + i, std::min<std::size_t>(8, node.pairing.size() - i));
    mix(word);
  }
  return hash & (kEntries - 1);
}

bool LostPositions::Contains(const Node& node) const {
  if (entries_.empty()) return false;
  const Entry& entry = entries_[SlotOf(node)];
  return entry.generation == generation_ && entry.node == node;
}

void LostPositions::Insert(const Node& node) {
  if (entries_.empty()) entries_.resize(kEntries);
  entries_[SlotOf(node)] = {node, generation_};
}

}  // namespace kestalon::solving
