// Placing a dialog over the main window by outer sizes, and showing it modally.
#include "dialogs/dialog_placement.h"

#include <QDialog>
#include <QMargins>
#include <QRect>
#include <QWidget>

namespace kestalon {
namespace {

QMargins FrameMargins(const QWidget& window) {
  const QRect outer = window.frameGeometry();
  const QRect inner = window.geometry();
  return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
          outer.bottom() - inner.bottom()};
}

// A dialog that is not on screen has no frame to measure (what the toolkit reports for it
// is not its frame). The window manager gives a dialog the same decoration as the main
// window, so borrow the main window's.
QSize OuterSize(const QWidget& dialog, const QWidget& mainWindow) {
  const QMargins margins = FrameMargins(dialog.isVisible() ? dialog : mainWindow);
  return dialog.size().grownBy(margins);
}

// Half of a pixel difference, rounded down, so that a larger dialog keeps the same offset
// on either side of the main window.
int HalfRoundedDown(int value) {
  return value >= 0 ? value / 2 : -((1 - value) / 2);
}

}  // namespace

void CentreOverMainWindow(QWidget& dialog, const QWidget& mainWindow) {
  const QRect main = mainWindow.frameGeometry();
  const QSize outer = OuterSize(dialog, mainWindow);
  const int top = main.top() + HalfRoundedDown(main.height() - outer.height());
  const int left = main.left() + HalfRoundedDown(main.width() - outer.width());
  // A window's position is that of its frame.
  dialog.move(left, top);
}

int ExecModal(QDialog& dialog) {
  const int result = dialog.exec();
  if (QWidget* owner = dialog.parentWidget()) owner->activateWindow();
  return result;
}

void ShowCentredModal(QDialog& dialog, const QWidget* mainWindow,
                      const std::function<void()>& load) {
  if (load) load();
  if (mainWindow) CentreOverMainWindow(dialog, *mainWindow);
  ExecModal(dialog);
}

}  // namespace kestalon
