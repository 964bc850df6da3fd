// The two test games and their saved-game bytes.
#include "tests/e2e/test_games.h"

#include <algorithm>

namespace kestalon::e2e {
namespace {

constexpr int kKinds = 42;
constexpr int kSingleKinds = 8;  // flowers 1-4 and seasons 5-8, one tile each

int TilesOfKind(int kind) {
  return kind <= kSingleKinds ? 1 : 4;
}

// Every tile of the set not yet placed, kinds in ascending order.
std::vector<std::int16_t> TilesLeft(const std::array<int, kKinds + 1>& used) {
  std::vector<std::int16_t> left;
  for (int kind = 1; kind <= kKinds; ++kind) {
    for (int n = used[kind]; n < TilesOfKind(kind); ++n)
      left.push_back(static_cast<std::int16_t>(kind));
  }
  return left;
}

std::array<int, kKinds + 1> KindsOnBoard(const TestGame& game) {
  std::array<int, kKinds + 1> used{};
  for (int p = 1; p <= kPositions; ++p) {
    if (game.board[p] > 0) ++used[game.board[p]];
  }
  return used;
}

TestGame FewTiles() {
  TestGame game;
  game.board[57] = 9;
  game.board[31] = 9;
  game.board[144] = 1;
  game.board[124] = 2;
  game.board[1] = 20;
  game.board[87] = 20;

  // The other tiles, paired off in kind order (3 with 4, 5 with 6, 7 with 8 and equal kinds
  // after that), removed from the empty positions in ascending order.
  const std::vector<std::int16_t> kinds = TilesLeft(KindsOnBoard(game));
  std::vector<std::int16_t> empty;
  for (int p = 1; p <= kPositions; ++p) {
    if (game.board[p] == 0) empty.push_back(static_cast<std::int16_t>(p));
  }
  const auto moves = static_cast<std::int16_t>(kinds.size() / 2);
  for (int m = 1; m <= moves; ++m) {
    const std::size_t i = 2 * static_cast<std::size_t>(m - 1);
    game.history[m] = {empty[i], kinds[i], empty[i + 1], kinds[i + 1]};
  }
  game.moveIndex = static_cast<std::int16_t>(moves + 1);
  game.redoLimit = game.moveIndex;
  return game;
}

TestGame FullBoard() {
  TestGame game;
  game.board[31] = 9;
  game.board[57] = 9;
  game.board[1] = 10;
  game.board[12] = 10;

  // The rest of the set spread over the other positions in a fixed shuffled order, so that
  // a mistake in a position's place shows as a different picture.
  std::vector<std::int16_t> kinds = TilesLeft(KindsOnBoard(game));
  std::uint32_t seed = 20240601u;
  for (std::size_t i = kinds.size() - 1; i > 0; --i) {
    seed = seed * 1664525u + 1013904223u;
    std::swap(kinds[i], kinds[(seed >> 8) % (i + 1)]);
  }
  std::size_t next = 0;
  for (int p = 1; p <= kPositions; ++p) {
    if (game.board[p] == 0) game.board[p] = kinds[next++];
  }
  return game;
}

void Put16(QByteArray& bytes, std::int16_t value) {
  const auto bits = static_cast<std::uint16_t>(value);
  bytes.append(static_cast<char>(bits & 0xFF));
  bytes.append(static_cast<char>(bits >> 8));
}

}  // namespace

std::optional<TestGame> GameNamed(std::string_view name) {
  if (name == "few") return FewTiles();
  if (name == "full") return FullBoard();
  return std::nullopt;
}

QByteArray SavedGameBytes(const TestGame& game) {
  QByteArray bytes("PC Kestalon");
  for (std::int16_t kind : game.board) Put16(bytes, kind);
  for (const Move& move : game.history) {
    Put16(bytes, move.firstPos);
    Put16(bytes, move.firstKind);
    Put16(bytes, move.secondPos);
    Put16(bytes, move.secondKind);
  }
  Put16(bytes, game.moveIndex);
  Put16(bytes, game.redoLimit);
  return bytes;
}

std::vector<int> Occupied(const TestGame& game) {
  std::vector<int> positions;
  for (int p = 1; p <= kPositions; ++p) {
    if (game.board[p] > 0) positions.push_back(p);
  }
  return positions;
}

}  // namespace kestalon::e2e
