// The Status dialog: tiles remaining and moves available.
#include "dialogs/status_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "dialogs/dialog_widgets.h"
#include "dialogs/twips.h"

namespace kestalon {

StatusDialog::StatusDialog(QWidget* parent)
    : QDialog(parent),
      tilesRemaining_(AddNumberLabel(this, "Tiles_Remain", tr("Tiles remaining"),
                                     TwipRect(2160, 120, 735, 255))),
      moves_(AddNumberLabel(this, "Moves", tr("Available moves"), TwipRect(2160, 600, 735, 255))),
      ok_(AddButton(this, "Command1", tr("O.K"), TwipRect(1440, 1080, 855, 375))) {
  SetUpFixedDialog(*this, "Kestalon_Status", tr("PC Kestalon - Status"), 3630, 1485);
  constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;
  AddLabel(this, "Label1", tr("Tiles Remaining"), TwipRect(720, 120, 1335, 255), kRight)
      ->setBuddy(tilesRemaining_);
  AddLabel(this, "Label2", tr("Available Moves"), TwipRect(600, 600, 1455, 255), kRight)
      ->setBuddy(moves_);
  connect(ok_, &QPushButton::clicked, this, &StatusDialog::accept);
}

void StatusDialog::Load(const Game& game) {
  moves_->setText(QString::number(game.AvailableMoves));
  tilesRemaining_->setText(QString::number(game.TilesRemaining()));
  // A screen reader reads the focused button, and its description, as the dialog opens.
  ok_->setAccessibleDescription(
      tr("Tiles Remaining %1, Available Moves %2").arg(tilesRemaining_->text(), moves_->text()));
}

}  // namespace kestalon
