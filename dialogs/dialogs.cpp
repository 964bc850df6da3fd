// Opening the review dialogs and information windows over the main window.
#include "dialogs/dialogs.h"

#include "core/rules.h"
#include "dialogs/about_dialog.h"
#include "dialogs/dialog_placement.h"
#include "dialogs/replay_dialog.h"
#include "dialogs/result_dialogs.h"
#include "dialogs/rules_dialog.h"
#include "dialogs/show_moves_dialog.h"
#include "dialogs/status_dialog.h"

namespace kestalon {

// Each dialog is made afresh at every opening and gone when it closes, so it exists once
// and loads anew each time.

Position OpenShowMoves(QWidget* mainWindow, Game& game, const BoardView& board) {
  ShowMovesDialog dialog(game, board, mainWindow);
  ShowCentredModal(dialog, mainWindow, [&dialog] { dialog.Load(); });
  return dialog.moveToPlay();
}

void OpenReplay(QWidget* mainWindow, Game& game, const BoardView& board) {
  DropPick(game);
  ReplayDialog dialog(game, board, mainWindow);
  dialog.Load();
  // Qt places a dialog over the window that owns it.
  ExecModal(dialog);
}

void OpenStatus(QWidget* mainWindow, const Game& game) {
  StatusDialog dialog(mainWindow);
  ShowCentredModal(dialog, mainWindow, [&] { dialog.Load(game); });
}

void OpenAbout(QWidget* mainWindow) {
  AboutDialog dialog(mainWindow);
  ShowCentredModal(dialog, mainWindow, [&dialog] { dialog.Load(); });
}

void OpenRules(QWidget* mainWindow) {
  RulesDialog dialog(mainWindow);
  ShowCentredModal(dialog, mainWindow);
}

void ShowResultDialog(QWidget* mainWindow, GameEnd end, const std::function<void()>& newGame) {
  if (end == GameEnd::Won) {
    WellDoneDialog dialog(newGame, mainWindow);
    ExecModal(dialog);
  } else if (end == GameEnd::NoMoveLeft) {
    NoAvailableMoveDialog dialog(newGame, mainWindow);
    ExecModal(dialog);
  }
}

}  // namespace kestalon
