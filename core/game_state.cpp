// Storage of the game state declared in game_state.h; all zero until the first deal or load.
#include "core/game_state.h"

namespace kestalon {

std::array<TileKind, kBoardEntries> Board{};
std::array<MoveRecord, kHistorySlots> MoveHistory{};
std::int16_t MoveIndex = 0;
std::int16_t RedoLimit = 0;
std::int16_t SelectedPos = 0;
std::int16_t AvailableMoves = 0;

}  // namespace kestalon
