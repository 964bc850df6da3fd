// Helpers shared by the dialog tests: counting tiles, making moves and driving a modal dialog.
#pragma once

#include <QDialog>
#include <QTest>
#include <functional>
#include <memory>

#include "core/game_state.h"
#include "tests/support/board_setup.h"

namespace kestalon::testing {

// Counts the tiles on the board by looking at it.
int TilesOnBoard();

// Makes count moves, each the first one on offer; false when one was not found.
bool MakeFirstMoves(int count);

// Arranges for action to run on the modal dialog that is about to be opened, once its
// event loop runs; the dialog is closed afterwards (as by its title bar) if the action
// left it open. Returns a flag that becomes true when a dialog was found.
std::shared_ptr<bool> WhenModalOpens(std::function<void(QDialog&)> action);

// Runs open(), which shows a modal Dialog, and whileOpen on it; fails the test when no
// such dialog opened.
template <typename Dialog, typename Open, typename WhileOpen>
void RunModal(Open open, WhileOpen whileOpen) {
  const auto found = WhenModalOpens([&](QDialog& dialog) {
    auto* typed = qobject_cast<Dialog*>(&dialog);
    QVERIFY2(typed, qPrintable(dialog.objectName()));
    whileOpen(*typed);
  });
  open();
  if (!*found) QTest::qFail("no modal dialog opened", __FILE__, __LINE__);
}

}  // namespace kestalon::testing
