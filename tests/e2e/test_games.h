// The saved games that the real-window tests load: tiles on known positions, so that the
// tests know which pixels must show a tile and which the green ground.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include <QByteArray>

namespace kestalon::e2e {

inline constexpr int kPositions = 144;
inline constexpr int kSlots = 73;

struct Move {
  std::int16_t firstPos = 0, firstKind = 0, secondPos = 0, secondKind = 0;
};

struct TestGame {
  std::array<std::int16_t, kPositions + 1> board{};  // kind per position, 0 = none
  std::array<Move, kSlots> history{};
  std::int16_t moveIndex = 1;
  std::int16_t redoLimit = 1;
};

// "few": six isolated tiles (three free matching pairs: 57 and 31 of one kind, 144 and 124
// two different flowers, 1 and 87 of one kind), the other 138 recorded as 69 moves made.
// "full": all 144 tiles, no move made yet; 31 and 57 match, and so do 1 and 12.
std::optional<TestGame> GameNamed(std::string_view name);

// The 889 bytes of the saved-game file, written field by field as the format describes.
QByteArray SavedGameBytes(const TestGame& game);

// Positions holding a tile, in ascending order.
std::vector<int> Occupied(const TestGame& game);

}  // namespace kestalon::e2e
