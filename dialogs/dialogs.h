// The review dialogs and information windows, as the main window opens them. Each opens its
// dialog modally over the main window and returns once it has closed; those that change the
// game do it only through the game's operations and redraw through the main window.
#pragma once

#include <functional>

#include <QString>

#include "core/game.h"
#include "core/hint.h"
#include "core/outcomes.h"

class QWidget;

namespace kestalon {

// What the review dialogs ask of the main board: to be redrawn with up to two positions
// highlighted (0 = none), and to say a message through the player's screen reader.
struct BoardView {
  std::function<void(Position first, Position second)> redraw;
  std::function<void(const QString& message)> say;
};

// Lists the available moves one by one on the board. Returns the second tile of the listed
// move when Play was pressed (its first tile is then the pick), else 0.
Position OpenShowMoves(QWidget* mainWindow, Game& game, const BoardView& board);
// Steps back and forth through the move record, redrawing after each step.
void OpenReplay(QWidget* mainWindow, Game& game, const BoardView& board);
void OpenStatus(QWidget* mainWindow, const Game& game);
void OpenAbout(QWidget* mainWindow);
void OpenRules(QWidget* mainWindow);

// The Hint's answer when it has no move: a message box titled "PC Kestalon - Hint" that says
// the game is lost (offering the Undo steps back to a winnable position, or a new game) or
// could not be told in time. True when the player took what it offered.
bool ShowHintAnswer(QWidget* mainWindow, const Hint& hint);

// The result dialog of a won or lost game. Its New Game button runs newGame (which deals and
// draws) while the dialog is still open, then closes it.
void ShowResultDialog(QWidget* mainWindow, GameEnd end, const std::function<void()>& newGame);

}  // namespace kestalon
