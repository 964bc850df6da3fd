// The Show Moves dialog: numbers the available moves and shows one of them on the main board.
#pragma once

#include <QDialog>

#include "core/game.h"
#include "dialogs/dialogs.h"

class QPushButton;

namespace kestalon {

class NumberBox;
class UpDownControl;

// The number box holds the number of the listed move, 1 to AvailableMoves. Every change of
// its text brings the number back into that range (a correction is itself a change and is
// handled, nested, before the outer change goes on), then lists that move: its first tile
// picked, its second in listedSecondPos(), both highlighted on the main board. Play closes
// the dialog with the listed move to be played, as a press on its second tile plays it;
// closing the dialog any other way leaves its first tile picked, so that the player's own
// press on the second tile completes it. Each step says the listed move through the screen
// reader ("Move 2 of 14: Red dragon and Red dragon"), and the number box's description holds
// it, read when the box gets the focus (as it does when the dialog opens).
class ShowMovesDialog : public QDialog {
  Q_OBJECT

 public:
  ShowMovesDialog(Game& game, BoardView board, QWidget* parent = nullptr);

  // The load step: lists move 1 (or settles on 0 when there is no move at all).
  void Load();

  Position listedSecondPos() const { return listedSecondPos_; }
  // After Play: the second tile of the listed move, to be pressed; else 0.
  Position moveToPlay() const { return played_ ? listedSecondPos_ : Position{0}; }
  NumberBox* numberBox() const { return numberBox_; }
  // What the screen reader hears of the listing.
  QString ListingMessage() const;
  UpDownControl* spinner() const { return spinner_; }
  QPushButton* playButton() const { return playButton_; }

 private:
  int BoxNumber() const;
  void ApplyNumberBoxRule();
  void DisplayMoves();
  void Play();

  Game& game_;
  BoardView board_;
  NumberBox* numberBox_;
  UpDownControl* spinner_;
  QPushButton* playButton_;
  Position listedSecondPos_ = 0;
  bool played_ = false;
};

}  // namespace kestalon
