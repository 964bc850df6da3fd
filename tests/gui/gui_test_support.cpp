// Helpers shared by the dialog tests: counting tiles and driving a modal dialog.
#include "tests/gui/gui_test_support.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include "display/layout/board_layout.h"

namespace kestalon::testing {

int TilesOnBoard() {
  int count = 0;
  for (int p = 1; p <= kPositionCount; ++p) count += Board[p] > 0 ? 1 : 0;
  return count;
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
