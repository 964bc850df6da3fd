// Fuzz target: any bytes offered as a saved game. A refused file leaves the game it was read
// into alone; an accepted one re-encodes to the same bytes, and stays consistent by the game's
// own checker while every move is taken back to the deal and made again to the redo limit.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "core/rules.h"
#include "display/layout/board_layout.h"
#include "shell/formats/save_game_format.h"
#include "tests/fuzz/fuzz_check.h"

using namespace kestalon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  [[maybe_unused]] static const bool layoutBuilt = (BuildLayout(false), true);  // for free tiles
  const SavedGame sentinel{.moveIndex = 12345};
  SavedGame game = sentinel;
  if (DecodeSavedGame({data, size}, game) != SaveGameFault::None) {
    FUZZ_CHECK(game == sentinel);
    return 0;
  }
  const auto encoded = EncodeSavedGame(game);
  FUZZ_CHECK(size >= encoded.size() && std::equal(encoded.begin(), encoded.end(), data));
  ApplyToGameState(game);
  const auto consistent = [] {
    return CheckSavedGame(CaptureGameState()) == SaveGameFault::None && CountAvailableMoves() >= 0;
  };
  while (TakeBackMove()) FUZZ_CHECK(consistent());
  FUZZ_CHECK(MoveIndex == 1);
  while (MakeMoveAgain()) FUZZ_CHECK(consistent());
  FUZZ_CHECK(MoveIndex == game.redoLimit);
  return 0;
}
