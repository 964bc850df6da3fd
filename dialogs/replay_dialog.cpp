// The Replay dialog: walks back and forth through the recorded moves on the main board.
#include "dialogs/replay_dialog.h"

#include <QLineEdit>
#include <QPushButton>

#include "core/rules.h"
#include "dialogs/dialog_widgets.h"
#include "dialogs/twips.h"
#include "dialogs/up_down_control.h"

namespace kestalon {

ReplayDialog::ReplayDialog(Game& game, BoardRedraw redraw, QWidget* parent)
    : QDialog(parent),
      game_(game),
      redraw_(std::move(redraw)),
      numberBox_(AddNumberBox(this, "Text1", tr("Moves made"), TwipRect(720, 120, 1095, 375))),
      spinner_(new UpDownControl(tr("Step back"), tr("Step forward"), this)),
      okButton_(AddButton(this, "Command1", tr("O.K"), TwipRect(840, 960, 855, 375))) {
  SetUpFixedDialog(*this, "Kestalon_Replay", tr("PC Kestalon - Replay"), 2610, 1455);
  spinner_->setObjectName(QStringLiteral("UpDown1"));
  spinner_->setGeometry(TwipRect(720, 480, 1095, 288));

  connect(spinner_, &UpDownControl::decreaseClicked, this, &ReplayDialog::StepBack);
  connect(spinner_, &UpDownControl::increaseClicked, this, &ReplayDialog::StepForward);
  connect(okButton_, &QPushButton::clicked, this, &ReplayDialog::accept);
}

void ReplayDialog::Load() {
  ShowMovesMade();
}

void ReplayDialog::StepBack() {
  if (!TakeBackMove(game_)) return;  // every move is already taken back
  ShowMovesMade();
  redraw_(0, 0);
}

void ReplayDialog::StepForward() {
  if (!MakeMoveAgain(game_)) return;  // every recorded move is already in force
  ShowMovesMade();
  redraw_(0, 0);
}

void ReplayDialog::ShowMovesMade() {
  numberBox_->setText(QString::number(game_.MoveIndex - 1));
}

}  // namespace kestalon
