// The Show Moves dialog: numbers the available moves and shows one of them on the main board.
#include "dialogs/show_moves_dialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "core/rules.h"
#include "core/runtime.h"
#include "dialogs/dialog_widgets.h"
#include "dialogs/twips.h"
#include "dialogs/up_down_control.h"
#include "display/board_painter.h"

namespace kestalon {

ShowMovesDialog::ShowMovesDialog(QWidget* parent)
    : QDialog(parent),
      numberBox_(AddNumberBox(this, "Text1", tr("Move number"), TwipRect(720, 120, 1095, 405))),
      spinner_(new UpDownControl(tr("Previous move"), tr("Next move"), this)),
      playButton_(AddButton(this, "Command1", tr("Play"), TwipRect(840, 960, 855, 375))) {
  SetUpFixedDialog(*this, "Kestalon_Show_Moves", tr("PC Kestalon - Show Moves"), 2610, 1455);
  spinner_->setObjectName(QStringLiteral("UpDown1"));
  spinner_->setGeometry(TwipRect(720, 480, 1095, 285));

  connect(numberBox_, &QLineEdit::textChanged, this, &ShowMovesDialog::ApplyNumberBoxRule);
  // The spinner writes its value into the box; the box's change then does the rest.
  connect(spinner_, &UpDownControl::stepped, this,
          [this](int value) { numberBox_->setText(QString::number(value)); });
  connect(playButton_, &QPushButton::clicked, this, &ShowMovesDialog::Play);
}

void ShowMovesDialog::Load() {
  // Every listed move can be reached with the spinner, and 0 still brings back move 1.
  spinner_->setRange(0, std::max<int>(AvailableMoves, 1));
  playButton_->setEnabled(AvailableMoves >= 1);
  numberBox_->setText(QStringLiteral("1"));
  DisplayMoves();
}

int ShowMovesDialog::BoxNumber() const {
  bool ok = false;
  const int value = numberBox_->text().toInt(&ok);
  return ok ? value : 0;
}

void ShowMovesDialog::ApplyNumberBoxRule() {
  const int value = BoxNumber();
  if (AvailableMoves < 1) {
    // With no move, "1" would be above the count and the count below 1: settle on 0.
    if (numberBox_->text() != QLatin1String("0")) numberBox_->setText(QStringLiteral("0"));
  } else if (value < 1) {
    numberBox_->setText(QStringLiteral("1"));
  } else if (value > AvailableMoves) {
    numberBox_->setText(QString::number(AvailableMoves));
  }
  DisplayMoves();
  spinner_->setValue(BoxNumber());  // the spinner follows the box it writes into
  update();
}

void ShowMovesDialog::DisplayMoves() {
  Position first = 0;
  Position second = 0;
  if (!FindAvailableMove(BoxNumber(), first, second)) {
    // No such move: nothing is listed, and the board keeps what it showed, except that a
    // position without any move shows no highlight at all.
    const bool wasListed = SelectedPos != 0;
    SelectedPos = 0;
    listedSecondPos_ = 0;
    if (AvailableMoves < 1 && wasListed) CurrentView().DrawBoard(0);
    return;
  }
  SelectedPos = first;
  listedSecondPos_ = second;
  DrawBoardWithPair(first, second);
}

void ShowMovesDialog::Play() {
  const Position first = SelectedPos;
  const Position second = listedSecondPos_;
  accept();
  // After a listing that found no move (a stale count) there is nothing to play.
  if (first == 0 || second == 0) return;
  RemovePair(first, second);
  SelectedPos = 0;
  CurrentView().DrawBoard(0);
  CheckAvailableMoves();
}

}  // namespace kestalon
