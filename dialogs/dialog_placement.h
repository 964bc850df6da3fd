// Placing a dialog over the main window by outer sizes, and showing it modally.
#pragma once

#include <functional>

class QDialog;
class QWidget;

namespace kestalon {

// Moves the dialog so that its outer rectangle (frame included) is centred over the main
// window's: top = main top + (main height - dialog height) / 2, and left likewise. The
// dialog is not kept on the screen: one larger than the main window lies left of or above
// the main window's corner.
void CentreOverMainWindow(QWidget& dialog, const QWidget& mainWindow);

// Shows the dialog modally and, once it has closed, makes its owner the active window again,
// so that the board has the keyboard and a screen reader follows it back. A window manager
// does this by itself; without one (a bare X server), nothing else would.
int ExecModal(QDialog& dialog);

// Runs the dialog's load step first (so that it has filled itself before anything is
// placed), then centres it over the main window and shows it modally. Returns once the
// dialog has closed. Without a main window the dialog is shown where it is.
void ShowCentredModal(QDialog& dialog, const QWidget* mainWindow,
                      const std::function<void()>& load = {});

}  // namespace kestalon
