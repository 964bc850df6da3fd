// The two result dialogs: a won game and a game without a legal move left.
#include "dialogs/result_dialogs.h"

#include <QLabel>
#include <QPushButton>

#include "assets/asset_paths.h"
#include "dialogs/dialog_fonts.h"
#include "dialogs/dialog_widgets.h"
#include "dialogs/twips.h"

namespace kestalon {
WellDoneDialog::WellDoneDialog(const std::function<void()>& newGame, QWidget* parent)
    : QDialog(parent),
      newGame_(AddButton(this, "Command1", tr("New Game"), TwipRect(1080, 960, 1572, 372))) {
  SetUpFixedDialog(*this, "Well_done", tr("Congratulations"), 3735, 1425);
  AddPicture(this, "Image1", kWellDonePicture, tr("Smiling face"), TwipRect(120, 0, 855, 750));
  QLabel* label = AddLabel(this, "Label1", tr("Well Done!!"), TwipRect(1080, 120, 2535, 615),
                           Qt::AlignLeft | Qt::AlignVCenter);
  label->setFont(SansSerifFont(24, false));
  // A screen reader reads the focused button, and its description, as the dialog opens.
  newGame_->setAccessibleDescription(label->text());
  connect(newGame_, &QPushButton::clicked, this, [this, newGame] {
    newGame();
    accept();
  });
}

NoAvailableMoveDialog::NoAvailableMoveDialog(const std::function<void()>& newGame, QWidget* parent)
    : QDialog(parent),
      newGame_(AddButton(this, "NAM_New_Game", tr("New Game"), TwipRect(1440, 960, 975, 375))) {
  SetUpFixedDialog(*this, "No_available_move", tr("No Available Moves"), 3675, 1425);
  AddPicture(this, "Image1", kNoMovesPicture, tr("Prohibition sign"), TwipRect(120, 120, 735, 675));
  const QLabel* label = AddLabel(this, "Label1", tr("There are no more legal moves"),
                                 TwipRect(1080, 360, 2535, 255), Qt::AlignCenter);
  newGame_->setAccessibleDescription(label->text());
  connect(newGame_, &QPushButton::clicked, this, [this, newGame] {
    newGame();
    accept();
  });
}

}  // namespace kestalon
