// The review dialogs and information windows, as the main window opens them.
#pragma once

class QWidget;

namespace kestalon {

// Each opens its dialog modally over the main window and returns once it has closed.
void OpenShowMoves(QWidget* mainWindow);
void OpenReplay(QWidget* mainWindow);
void OpenStatus(QWidget* mainWindow);
void OpenAbout(QWidget* mainWindow);
void OpenRules(QWidget* mainWindow);

// The result dialogs, shown by the end-of-game check.
void ShowWellDoneDialog(QWidget* mainWindow);
void ShowNoAvailableMoveDialog(QWidget* mainWindow);

}  // namespace kestalon
