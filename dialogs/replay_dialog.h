// The Replay dialog: walks back and forth through the recorded moves on the main board.
#pragma once

#include <QDialog>

#include "core/game.h"
#include "dialogs/dialogs.h"

class QLineEdit;
class QPushButton;

namespace kestalon {

class UpDownControl;

// Works on the game itself: a step back takes the latest move in force back, a step forward
// makes the next recorded move again, and the board is redrawn. Neither runs the end-of-game
// check, so a replay announces nothing and leaves AvailableMoves as it was. O.K keeps the
// position reached.
class ReplayDialog : public QDialog {
  Q_OBJECT

 public:
  ReplayDialog(Game& game, BoardRedraw redraw, QWidget* parent = nullptr);

  // Shows the number of moves in force.
  void Load();
  void StepBack();
  void StepForward();

  QLineEdit* numberBox() const { return numberBox_; }
  UpDownControl* spinner() const { return spinner_; }
  QPushButton* okButton() const { return okButton_; }

 private:
  void ShowMovesMade();

  Game& game_;
  BoardRedraw redraw_;
  QLineEdit* numberBox_;
  UpDownControl* spinner_;
  QPushButton* okButton_;
};

}  // namespace kestalon
