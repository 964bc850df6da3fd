// Fuzz target: any bytes offered as a saved game. Refused files must leave the output alone;
// accepted ones must re-encode to the same bytes and be safe to play: every move can be
// taken back down to a full deal and made again up to the redo limit.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/rules.h"
#include "core/tile_kinds.h"
#include "display/layout/board_layout.h"
#include "shell/formats/save_game_format.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

using namespace kestalon;

int TilesOnBoard() {
  return static_cast<int>(
      std::count_if(Board.begin() + 1, Board.end(), [](TileKind kind) { return kind != 0; }));
}

// Walks the loaded game through its whole recorded line of play.
void PlayThrough(const SavedGame& game) {
  ApplyToGameState(game);
  FUZZ_CHECK(CountAvailableMoves() >= 0);
  while (TakeBackMove()) FUZZ_CHECK(TilesOnBoard() == 146 - 2 * MoveIndex);
  FUZZ_CHECK(MoveIndex == 1);
  // All moves taken back: the deal, exactly the set of 144 tiles.
  std::array<int, kKindCount + 1> count{};
  for (int pos = 1; pos <= kPositionCount; ++pos) {
    FUZZ_CHECK(IsValidKind(Board[pos]));
    ++count[Board[pos]];
  }
  for (int kind = 1; kind <= kKindCount; ++kind) {
    FUZZ_CHECK(count[kind] == CopiesInSet(static_cast<TileKind>(kind)));
  }
  while (MakeMoveAgain()) FUZZ_CHECK(TilesOnBoard() == 146 - 2 * MoveIndex);
  FUZZ_CHECK(MoveIndex == game.redoLimit);
  FUZZ_CHECK(CountAvailableMoves() >= 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool layoutBuilt = (BuildLayout(false), true);
  (void)layoutBuilt;

  const std::span<const std::uint8_t> bytes(data, size);
  SavedGame sentinel;
  sentinel.moveIndex = 12345;
  SavedGame game = sentinel;
  const SaveGameFault fault = DecodeSavedGame(bytes, game);
  FUZZ_CHECK(!DescribeSaveGameFault(fault).empty());
  if (fault != SaveGameFault::None) {
    FUZZ_CHECK(game == sentinel);
    return 0;
  }
  FUZZ_CHECK(size >= kSaveFileSize);
  const auto encoded = EncodeSavedGame(game);
  FUZZ_CHECK(std::equal(encoded.begin(), encoded.end(), data));
  PlayThrough(game);
  return 0;
}
