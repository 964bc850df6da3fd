// The Show Moves dialog: numbers the available moves and shows one of them on the main board.
#include "dialogs/show_moves_dialog.h"

#include <QPushButton>
#include <algorithm>

#include "core/rules.h"
#include "dialogs/dialog_widgets.h"
#include "dialogs/number_box.h"
#include "dialogs/twips.h"
#include "dialogs/up_down_control.h"

namespace kestalon {

ShowMovesDialog::ShowMovesDialog(Game& game, BoardView board, QWidget* parent)
    : QDialog(parent),
      game_(game),
      board_(std::move(board)),
      numberBox_(AddNumberBox(this, "Text1", tr("Move number"), TwipRect(720, 120, 1095, 405))),
      spinner_(new UpDownControl(tr("Previous move"), tr("Next move"), this)),
      playButton_(AddButton(this, "Command1", tr("Play"), TwipRect(840, 960, 855, 375))) {
  SetUpFixedDialog(*this, "Kestalon_Show_Moves", tr("PC Kestalon - Show Moves"), 2610, 1455);
  spinner_->setObjectName(QStringLiteral("UpDown1"));
  spinner_->setGeometry(TwipRect(720, 480, 1095, 285));

  connect(numberBox_, &QLineEdit::textChanged, this, &ShowMovesDialog::ApplyNumberBoxRule);
  // The spinner writes its value into the box; the box's change then does the rest.
  connect(spinner_, &UpDownControl::stepped, this, [this](int value) {
    numberBox_->setText(QString::number(value));
    board_.say(ListingMessage());
  });
  spinner_->TakeUpAndDownFrom(numberBox_);
  connect(playButton_, &QPushButton::clicked, this, &ShowMovesDialog::Play);
}

void ShowMovesDialog::Load() {
  // Every listed move can be reached with the spinner, and 0 still brings back move 1.
  spinner_->setRange(0, std::max<int>(game_.AvailableMoves, 1));
  numberBox_->SetRange(std::min<int>(game_.AvailableMoves, 1), game_.AvailableMoves);
  playButton_->setEnabled(game_.AvailableMoves >= 1);
  numberBox_->setText(QStringLiteral("1"));
  DisplayMoves();
}

QString ShowMovesDialog::ListingMessage() const {
  if (game_.AvailableMoves < 1) return tr("No moves available");
  const QString move = tr("Move %1 of %2").arg(BoxNumber()).arg(game_.AvailableMoves);
  if (listedSecondPos_ == 0) return tr("%1 not found").arg(move);
  const auto name = [this](Position p) {
    return QString::fromStdString(TileKindName(game_.Board[p]));
  };
  return tr("%1: %2 and %3").arg(move, name(game_.SelectedPos), name(listedSecondPos_));
}

int ShowMovesDialog::BoxNumber() const {
  bool ok = false;
  const int value = numberBox_->text().toInt(&ok);
  return ok ? value : 0;
}

void ShowMovesDialog::ApplyNumberBoxRule() {
  const int value = BoxNumber();
  if (game_.AvailableMoves < 1) {
    // With no move, "1" would be above the count and the count below 1: settle on 0.
    if (numberBox_->text() != QLatin1String("0")) numberBox_->setText(QStringLiteral("0"));
  } else if (value < 1) {
    numberBox_->setText(QStringLiteral("1"));
  } else if (value > game_.AvailableMoves) {
    numberBox_->setText(QString::number(game_.AvailableMoves));
  }
  DisplayMoves();
  spinner_->setValue(BoxNumber());  // the spinner follows the box it writes into
  numberBox_->setAccessibleDescription(ListingMessage());
  update();
}

void ShowMovesDialog::DisplayMoves() {
  const bool wasListed = game_.SelectedPos != 0;
  const std::optional<MovePair> move = PickAvailableMove(game_, BoxNumber());
  listedSecondPos_ = move ? move->second : Position{0};
  if (move) {
    board_.redraw(move->first, move->second);
  } else if (game_.AvailableMoves < 1 && wasListed) {
    // No such move: the board keeps what it showed, except that a position without any
    // move shows no highlight at all.
    board_.redraw(0, 0);
  }
}

void ShowMovesDialog::Play() {
  // After a listing that found no move (a stale count) there is nothing to play.
  played_ = true;
  accept();
}

}  // namespace kestalon
