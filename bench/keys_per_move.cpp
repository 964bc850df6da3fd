// Keys a move for whole games played by the keyboard alone: winnable deals played along the
// solver's line, each tile reached the cheapest way a practised player would, by Tab, Shift+Tab
// or type-ahead (a tile's name typed, again after a pause to reach the next tile answering it);
// then Space to pick, the partner reached by = (pressed until it lands there) or, as before
// there was =, by the same Tab and type-ahead, and Space to take the pair.
// Usage: keys_per_move [GAMES] (20 unless given).
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/seeded_random.h"
#include "core/rules.h"
#include "core/solver.h"
#include "core/tile_kinds.h"
#include "display/layout/board_layout.h"
#include "display/layout/keyboard_cursor.h"

namespace {

using namespace kestalon;

constexpr int kNever = 1000;

// Keys to bring the cursor from `from` onto target, and the cursor then.
int KeysToReach(const Game& game, Position from, Position target) {
  if (from == target) return 0;
  int best = kNever;
  for (int step : {+1, -1}) {  // Tab, Shift+Tab
    KeyboardCursor cursor(from);
    for (int keys = 1; keys < best; ++keys) {
      cursor.KeyPress(step > 0 ? BoardKey::NextTile : BoardKey::PreviousTile, game,
                      BuildLayout(false));
      if (cursor.pos() == target) best = keys;
    }
  }
  std::string letters, digits;
  for (char c : TileKindName(game.Board[target])) {
    if (std::isalpha(static_cast<unsigned char>(c))) letters += static_cast<char>(std::tolower(c));
    if (std::isdigit(static_cast<unsigned char>(c))) digits += c;
  }
  for (std::size_t n = 1; n <= letters.size(); ++n) {
    for (const std::string& text : {letters.substr(0, n), letters.substr(0, n) + digits}) {
      KeyboardCursor cursor(from);
      for (int again = 1; again * static_cast<int>(text.size()) < best; ++again) {
        for (std::size_t i = 0; i < text.size(); ++i) cursor.TypeAhead(text[i], i > 0, game);
        if (cursor.pos() == target) best = again * static_cast<int>(text.size());
      }
    }
  }
  return best;
}

int KeysByMatch(const Game& picked, Position target) {
  KeyboardCursor cursor(picked.SelectedPos);
  for (int keys = 1; keys <= kPositionCount; ++keys) {
    if (!cursor.MoveToMatch(picked)) return kNever;
    if (cursor.pos() == target) return keys;
  }
  return kNever;
}

}  // namespace

int main(int argc, char** argv) {
  const int games = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  SeededRandom random(2026);
  long withMatch = 0, without = 0, moves = 0;
  for (int played = 0; played < games;) {
    Game game;
    DealNewGame(game, random);
    const Solution line = Solver().Solve(game.Board);
    if (line.verdict != Verdict::Winnable) continue;
    ++played;
    Position cursor = NextFreeTile(game, 0);
    ++withMatch, ++without;  // the first key only shows the cursor
    for (const MovePair& move : line.moves) {
      // The cheaper of the two tiles to reach first.
      auto [first, second] = move;
      if (KeysToReach(game, cursor, second) < KeysToReach(game, cursor, first))
        std::swap(first, second);
      const int reach = KeysToReach(game, cursor, first);
      Game picked = game;
      picked.SelectedPos = first;
      withMatch +=
          reach + 2 + std::min(KeysByMatch(picked, second), KeysToReach(game, first, second));
      without += reach + 2 + KeysToReach(game, first, second);
      RemovePair(game, first, second);
      KeyboardCursor settled(second);
      settled.Settle(game);
      cursor = settled.pos();
      ++moves;
    }
  }
  std::printf("Keys a move over %d won games played by the keyboard alone (%ld moves):\n", games,
              moves);
  std::printf("  with type-ahead and =: %.2f; with type-ahead alone: %.2f; anchor: 6.8 before =\n",
              static_cast<double>(withMatch) / moves, static_cast<double>(without) / moves);
  return 0;
}
