// The Replay dialog: walks back and forth through the recorded moves on the main board.
#pragma once

#include <QDialog>

#include "core/game.h"
#include "dialogs/dialogs.h"

class QPushButton;

namespace kestalon {

class NumberBox;
class UpDownControl;

// Works on the game itself: a step back takes the latest move in force back, a step forward
// makes the next recorded move again, and the board is redrawn. Neither runs the end-of-game
// check, so a replay announces no result and leaves AvailableMoves as it was; each step says
// what it did through the screen reader. O.K keeps the position reached.
class ReplayDialog : public QDialog {
  Q_OBJECT

 public:
  ReplayDialog(Game& game, BoardView board, QWidget* parent = nullptr);

  // Shows the number of moves in force.
  void Load();
  void StepBack();
  void StepForward();

  NumberBox* numberBox() const { return numberBox_; }
  UpDownControl* spinner() const { return spinner_; }
  QPushButton* okButton() const { return okButton_; }

 private:
  // "70 moves made".
  QString MovesMadeText() const;
  // Shows the moves made, redraws the board and says what the step did.
  void ShowStep(const QString& what);

  Game& game_;
  BoardView board_;
  NumberBox* numberBox_;
  UpDownControl* spinner_;
  QPushButton* okButton_;
};

}  // namespace kestalon
