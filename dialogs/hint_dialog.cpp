// The Hint's answer when it has no move to show: a message box that says why, with the way
// out it offers.
#include <QMessageBox>
#include <QPushButton>

#include "dialogs/dialog_placement.h"
#include "dialogs/dialogs.h"

namespace kestalon {

bool ShowHintAnswer(QWidget* mainWindow, const Hint& hint) {
  QString text;
  QString action;
  switch (hint.answer) {
    case HintAnswer::Lost:
      text = QObject::tr("No move can win this game any more.");
      if (hint.undoSteps > 0) {
        text += QLatin1Char(' ') +
                (hint.undoSteps == 1
                     ? QObject::tr("1 Undo step leads back to the last position that can be won.")
                     : QObject::tr("%1 Undo steps lead back to the last position that can be won.")
                           .arg(hint.undoSteps));
        action = hint.undoSteps == 1 ? QObject::tr("&Undo 1 Step")
                                     : QObject::tr("&Undo %1 Steps").arg(hint.undoSteps);
      } else {
        text += QLatin1Char(' ') +
                QObject::tr("No earlier position of it could be shown winnable in time.");
        action = QObject::tr("&New Game");
      }
      break;
    case HintAnswer::DealLost:
      text = QObject::tr(
          "No move can win this game any more: this deal could not be won from "
          "its first move.");
      action = QObject::tr("&New Game");
      break;
    case HintAnswer::Unknown:
      text = QObject::tr("The hint could not tell in time whether this game can still be won.");
      break;
    case HintAnswer::Winnable:
      return false;
  }
  QMessageBox box(QMessageBox::Information, QObject::tr("PC Kestalon - Hint"), text,
                  QMessageBox::NoButton, mainWindow);
  QPushButton* take = action.isEmpty() ? nullptr : box.addButton(action, QMessageBox::AcceptRole);
  box.addButton(action.isEmpty() ? QMessageBox::Ok : QMessageBox::Close);
  if (take) box.setDefaultButton(take);
  ExecModal(box);
  return take != nullptr && box.clickedButton() == take;
}

}  // namespace kestalon
