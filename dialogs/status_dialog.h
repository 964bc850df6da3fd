// The Status dialog: tiles remaining and moves available.
#pragma once

#include <QDialog>

#include "core/game.h"

class QLabel;
class QPushButton;

namespace kestalon {

class StatusDialog : public QDialog {
  Q_OBJECT

 public:
  explicit StatusDialog(QWidget* parent = nullptr);

  // Fills both numbers from the game: the tiles by the move count, the moves as the last
  // check counted them (the dialog does not count).
  void Load(const Game& game);

  QLabel* tilesRemaining() const { return tilesRemaining_; }
  QLabel* moves() const { return moves_; }

 private:
  QLabel* tilesRemaining_;
  QLabel* moves_;
  QPushButton* ok_;
};

}  // namespace kestalon
