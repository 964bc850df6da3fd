// Walking the move record back and forth: Undo, Redo, and the Game menu's history items.
#include "core/rules.h"
#include "core/runtime.h"

namespace kestalon {

bool TakeBackMove() {
  if (MoveIndex <= 1 || MoveIndex > kWonMoveIndex) return false;
  MoveIndex = static_cast<std::int16_t>(MoveIndex - 1);
  const MoveRecord& move = MoveHistory[MoveIndex];
  Board[move.FirstPos] = move.FirstKind;
  Board[move.SecondPos] = move.SecondKind;
  return true;
}

bool MakeMoveAgain() {
  if (MoveIndex < 1 || MoveIndex >= RedoLimit || MoveIndex > kPairCount) return false;
  const MoveRecord& move = MoveHistory[MoveIndex];
  Board[move.FirstPos] = 0;
  Board[move.SecondPos] = 0;
  MoveIndex = static_cast<std::int16_t>(MoveIndex + 1);
  return true;
}

void Undo() {
  SelectedPos = 0;
  if (!TakeBackMove()) return;  // the menu offers Undo only when there is a move to take back
  CheckAvailableMoves();
  CurrentView().DrawBoard(0);
}

void Redo() {
  SelectedPos = 0;
  if (!MakeMoveAgain()) return;  // the menu offers Redo only when there is a move to redo
  CheckAvailableMoves();
  CurrentView().DrawBoard(0);
}

GameMenuState CurrentGameMenuState() {
  return {MoveIndex != RedoLimit, MoveIndex != 1, MoveIndex != 1 || RedoLimit != 1};
}

}  // namespace kestalon
