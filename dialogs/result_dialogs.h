// The two result dialogs: a won game and a game without a legal move left.
#pragma once

#include <functional>

#include <QDialog>

class QPushButton;

namespace kestalon {

// Both offer New Game, which runs newGame (the main window deals and draws the new board) and
// then closes the dialog. Closing either in any other way starts no new game and leaves the
// board as it is.
class WellDoneDialog : public QDialog {
  Q_OBJECT

 public:
  explicit WellDoneDialog(const std::function<void()>& newGame, QWidget* parent = nullptr);
  QPushButton* newGameButton() const { return newGame_; }

 private:
  QPushButton* newGame_;
};

class NoAvailableMoveDialog : public QDialog {
  Q_OBJECT

 public:
  explicit NoAvailableMoveDialog(const std::function<void()>& newGame, QWidget* parent = nullptr);
  QPushButton* newGameButton() const { return newGame_; }

 private:
  QPushButton* newGame_;
};

}  // namespace kestalon
