// The Replay dialog: walks back and forth through the recorded moves on the main board.
#include "dialogs/replay_dialog.h"

#include <QPushButton>

#include "core/rules.h"
#include "dialogs/dialog_widgets.h"
#include "dialogs/number_box.h"
#include "dialogs/twips.h"
#include "dialogs/up_down_control.h"

namespace kestalon {
namespace {

QString PairNames(const MoveRecord& move) {
  return ReplayDialog::tr("%1 and %2")
      .arg(QString::fromStdString(TileKindName(move.FirstKind)),
           QString::fromStdString(TileKindName(move.SecondKind)));
}

}  // namespace

ReplayDialog::ReplayDialog(Game& game, BoardView board, QWidget* parent)
    : QDialog(parent),
      game_(game),
      board_(std::move(board)),
      numberBox_(AddNumberBox(this, "Text1", tr("Moves made"), TwipRect(720, 120, 1095, 375))),
      spinner_(new UpDownControl(tr("Step back"), tr("Step forward"), this)),
      okButton_(AddButton(this, "Command1", tr("O.K"), TwipRect(840, 960, 855, 375))) {
  SetUpFixedDialog(*this, "Kestalon_Replay", tr("PC Kestalon - Replay"), 2610, 1455);
  spinner_->setObjectName(QStringLiteral("UpDown1"));
  spinner_->setGeometry(TwipRect(720, 480, 1095, 288));

  connect(spinner_, &UpDownControl::decreaseClicked, this, &ReplayDialog::StepBack);
  connect(spinner_, &UpDownControl::increaseClicked, this, &ReplayDialog::StepForward);
  spinner_->TakeUpAndDownFrom(numberBox_);  // Down steps back, Up steps forward
  connect(okButton_, &QPushButton::clicked, this, &ReplayDialog::accept);
}

void ReplayDialog::Load() {
  numberBox_->SetRange(0, game_.RedoLimit - 1);
  numberBox_->setText(QString::number(game_.MoveIndex - 1));
}

void ReplayDialog::StepBack() {
  if (!TakeBackMove(game_)) {
    board_.say(tr("Step back: no move to take back, %1").arg(MovesMadeText()));
    return;
  }
  ShowStep(tr("Step back: %1 put back").arg(PairNames(game_.MoveHistory[game_.MoveIndex])));
}

void ReplayDialog::StepForward() {
  if (!MakeMoveAgain(game_)) {
    board_.say(tr("Step forward: no move to make again, %1").arg(MovesMadeText()));
    return;
  }
  ShowStep(tr("Step forward: %1 removed").arg(PairNames(game_.MoveHistory[game_.MoveIndex - 1])));
}

QString ReplayDialog::MovesMadeText() const {
  const int made = game_.MoveIndex - 1;
  return made == 1 ? tr("1 move made") : tr("%1 moves made").arg(made);
}

void ReplayDialog::ShowStep(const QString& what) {
  numberBox_->setText(QString::number(game_.MoveIndex - 1));
  board_.redraw(0, 0);
  board_.say(what + QStringLiteral(", ") + MovesMadeText());
}

}  // namespace kestalon
