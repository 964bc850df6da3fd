// Placeholder until the dialogs work lands.
#include "dialogs/dialogs.h"

namespace kestalon {

void OpenShowMoves(QWidget*) {}
void OpenReplay(QWidget*) {}
void OpenStatus(QWidget*) {}
void OpenAbout(QWidget*) {}
void OpenRules(QWidget*) {}
void ShowWellDoneDialog(QWidget*) {}
void ShowNoAvailableMoveDialog(QWidget*) {}

}  // namespace kestalon
