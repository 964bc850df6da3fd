// Fuzz target: any bytes offered as a saved game. A refused file leaves the game it was read
// into alone; an accepted one re-encodes to the same bytes, and stays consistent by the game's
// own checker while every move is taken back to the deal and made again to the redo limit.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "core/rules.h"
#include "shell/formats/save_game_format.h"
#include "tests/fuzz/fuzz_check.h"

using namespace kestalon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Game sentinel;
  sentinel.MoveIndex = 12345;
  Game game = sentinel;
  if (DecodeSavedGame({data, size}, game) != SaveGameFault::None) {
    FUZZ_CHECK(game == sentinel);
    return 0;
  }
  const auto encoded = EncodeSavedGame(game);
  FUZZ_CHECK(size >= encoded.size() && std::equal(encoded.begin(), encoded.end(), data));
  FUZZ_CHECK(game.SelectedPos == 0 && game.AvailableMoves == CountAvailableMoves(game));
  const std::int16_t redoLimit = game.RedoLimit;
  const auto consistent = [&] { return CheckSavedGame(game) == SaveGameFault::None; };
  while (TakeBackMove(game)) FUZZ_CHECK(consistent());
  FUZZ_CHECK(game.MoveIndex == 1);
  while (MakeMoveAgain(game)) FUZZ_CHECK(consistent());
  FUZZ_CHECK(game.MoveIndex == redoLimit);
  return 0;
}
