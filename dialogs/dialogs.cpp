// Opening the review dialogs and information windows over the main window.
#include "dialogs/dialogs.h"

#include "core/game_state.h"
#include "dialogs/about_dialog.h"
#include "dialogs/replay_dialog.h"
#include "dialogs/result_dialogs.h"
#include "dialogs/rules_dialog.h"
#include "dialogs/show_moves_dialog.h"
#include "dialogs/status_dialog.h"
#include "shell/dialog_placement.h"

namespace kestalon {

// Each dialog is made afresh at every opening and gone when it closes, so it exists once
// and loads anew each time.

void OpenShowMoves(QWidget* mainWindow) {
  ShowMovesDialog dialog(mainWindow);
  ShowCentredModal(dialog, mainWindow, [&dialog] { dialog.Load(); });
}

void OpenReplay(QWidget* mainWindow) {
  SelectedPos = 0;
  ReplayDialog dialog(mainWindow);
  dialog.Load();
  // Qt places a dialog over the window that owns it.
  dialog.exec();
}

void OpenStatus(QWidget* mainWindow) {
  StatusDialog dialog(mainWindow);
  ShowCentredModal(dialog, mainWindow, [&dialog] { dialog.Load(); });
}

void OpenAbout(QWidget* mainWindow) {
  AboutDialog dialog(mainWindow);
  ShowCentredModal(dialog, mainWindow, [&dialog] { dialog.Load(); });
}

void OpenRules(QWidget* mainWindow) {
  RulesDialog dialog(mainWindow);
  ShowCentredModal(dialog, mainWindow);
}

void ShowWellDoneDialog(QWidget* mainWindow) {
  WellDoneDialog dialog(mainWindow);
  dialog.exec();
}

void ShowNoAvailableMoveDialog(QWidget* mainWindow) {
  NoAvailableMoveDialog dialog(mainWindow);
  dialog.exec();
}

}  // namespace kestalon
