// The Rules dialog: the title picture and the rules of the game in a read-only text box.
#include "dialogs/rules_dialog.h"

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include "assets/asset_paths.h"
#include "dialogs/dialog_fonts.h"
#include "dialogs/dialog_widgets.h"
#include "dialogs/rules_text.h"
#include "dialogs/twips.h"

namespace kestalon {

RulesDialog::RulesDialog(QWidget* parent) : QDialog(parent), rulesBox_(nullptr) {
  SetUpFixedDialog(*this, "About_Rules", tr("PC Kestalon Rules"), 6795, 6225);
  AddPicture(this, "InfoLogo", kTitlePicture, tr("PC Kestalon title picture"),
             TwipRect(1680, 120, 3240, 1770));

  auto* frame = new QGroupBox(tr("Rules of the game."), this);
  frame->setObjectName(QStringLiteral("Frame1"));
  frame->setGeometry(TwipRect(120, 2160, 6615, 3135));

  rulesBox_ = new QPlainTextEdit(frame);
  rulesBox_->setObjectName(QStringLiteral("Game_rules"));
  rulesBox_->setAccessibleName(tr("Rules of the game"));
  rulesBox_->setGeometry(TwipRect(120, 240, 6375, 2775));
  rulesBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  rulesBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The lines are broken as written: at 7.5 pt the longest fits the box, so nothing wraps
  // (a wider fallback face still wraps rather than hiding text).
  rulesBox_->setFont(SansSerifFont(7.5, false));
  rulesBox_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  rulesBox_->setPlainText(
      QString::fromLatin1(kRulesText.data(), static_cast<qsizetype>(kRulesText.size())));
  // Read-only, but the player can still select, copy and scroll with the keyboard.
  rulesBox_->setReadOnly(true);
  rulesBox_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

  QPushButton* ok = AddButton(this, "OK_Button", tr("O.K"), TwipRect(2880, 5640, 855, 375));
  connect(ok, &QPushButton::clicked, this, &RulesDialog::accept);
  ok->setDefault(true);
}

}  // namespace kestalon
