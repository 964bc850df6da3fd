// Helpers shared by the dialog tests: counting tiles, making moves and driving a modal dialog.
#include "tests/gui/gui_test_support.h"

#include <QApplication>
#include <QTimer>

#include "core/rules.h"
#include "display/layout/board_layout.h"

namespace kestalon::testing {

int TilesOnBoard() {
  int count = 0;
  for (int p = 1; p <= kPositionCount; ++p) count += Board[p] > 0 ? 1 : 0;
  return count;
}

bool MakeFirstMoves(int count) {
  for (int m = 0; m < count; ++m) {
    Position first = 0;
    Position second = 0;
    if (!FindAvailableMove(1, first, second)) return false;
    RemovePair(first, second);
    CheckAvailableMoves();
  }
  return true;
}

std::shared_ptr<bool> WhenModalOpens(std::function<void(QDialog&)> action) {
  auto found = std::make_shared<bool>(false);
  QTimer::singleShot(0, [action = std::move(action), found] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    *found = true;
    action(*dialog);
    if (dialog->isVisible()) dialog->reject();
  });
  return found;
}

}  // namespace kestalon::testing
