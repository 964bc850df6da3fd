// Walking the move record back and forth: Undo, Redo, and the Game menu's history items.
#include "core/rules.h"

namespace kestalon {

bool TakeBackMove(Game& game) {
  if (game.MoveIndex <= 1 || game.MoveIndex > kWonMoveIndex) return false;
  game.MoveIndex = static_cast<std::int16_t>(game.MoveIndex - 1);
  const MoveRecord& move = game.MoveHistory[game.MoveIndex];
  game.Board[move.FirstPos] = move.FirstKind;
  game.Board[move.SecondPos] = move.SecondKind;
  return true;
}

bool MakeMoveAgain(Game& game) {
  if (game.MoveIndex < 1 || game.MoveIndex >= game.RedoLimit || game.MoveIndex > kPairCount) {
    return false;
  }
  const MoveRecord& move = game.MoveHistory[game.MoveIndex];
  game.Board[move.FirstPos] = 0;
  game.Board[move.SecondPos] = 0;
  game.MoveIndex = static_cast<std::int16_t>(game.MoveIndex + 1);
  return true;
}

std::optional<EndCheck> Undo(Game& game) {
  game.SelectedPos = 0;
  if (!TakeBackMove(game))
    return std::nullopt;  // the menu offers Undo only with a move to take back
  return CheckAvailableMoves(game);
}

std::optional<EndCheck> Redo(Game& game) {
  game.SelectedPos = 0;
  if (!MakeMoveAgain(game)) return std::nullopt;  // the menu offers Redo only with a move to redo
  return CheckAvailableMoves(game);
}

GameMenuState CurrentGameMenuState(const Game& game) {
  return {game.MoveIndex != game.RedoLimit, game.MoveIndex != 1,
          game.MoveIndex != 1 || game.RedoLimit != 1};
}

}  // namespace kestalon
