// The free rule and the shared sound routine.
#include <string>

#include "core/rules.h"
#include "core/runtime.h"
#include "display/layout/board_layout.h"

namespace kestalon {

bool IsFree(Position pos) {
  if (pos < 0 || pos > kPositionCount) return false;
  const Neighbours& n = TileNeighbours[pos];
  const bool covered = Board[n.above] != 0;
  const bool hemmedIn = Board[n.left] != 0 && Board[n.right] != 0;
  return !covered && !hemmedIn;
}

void PlayGameSound(std::string_view fileName) {
  Runtime& runtime = CurrentRuntime();
  if (!runtime.SoundChecked()) return;
  runtime.PlaySoundAsync(runtime.ProgramDir() + std::string(fileName));
}

}  // namespace kestalon
