// Helpers shared by the dialog tests: counting tiles and driving a modal dialog.
#pragma once

#include <functional>
#include <initializer_list>
#include <memory>
#include <utility>

#include "core/game_state.h"
#include "tests/support/board_setup.h"

class QDialog;

namespace kestalon::testing {

// Counts the tiles on the board by looking at it.
int TilesOnBoard();

// Arranges for action to run on the modal dialog that is about to be opened, once its
// event loop runs; the dialog is closed afterwards (as by its title bar) if the action
// left it open. Returns a flag that becomes true when a dialog was found.
std::shared_ptr<bool> WhenModalOpens(std::function<void(QDialog&)> action);

}  // namespace kestalon::testing
