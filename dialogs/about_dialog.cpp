// The About dialog: title picture, version, build, maker and the artwork credit.
#include "dialogs/about_dialog.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>

#include "assets/asset_paths.h"
#include "dialogs/dialog_widgets.h"
#include "dialogs/twips.h"
#include "dialogs/version_record.h"

namespace kestalon {
namespace {

// A number as text with its sign in front: a blank for a positive number or zero.
QString SignedNumberText(int number) {
  return (number < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + QString::number(qAbs(number));
}

// The labels of the right-hand column: text colours of a text box, a single border,
// centred text.
QLabel* AddInfoLabel(QWidget* parent, const char* name, const QRect& place) {
  QLabel* label = AddLabel(parent, name, QString(), place, Qt::AlignCenter);
  label->setFrameStyle(QFrame::Box | QFrame::Plain);
  label->setLineWidth(1);
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, palette.color(QPalette::Base));
  palette.setColor(QPalette::WindowText, palette.color(QPalette::Text));
  label->setPalette(palette);
  label->setAutoFillBackground(true);
  return label;
}

}  // namespace

QString AboutTitleText() {
  return QStringLiteral("PC Kestalon v") + SignedNumberText(version::kMajor) + QStringLiteral(".") +
         SignedNumberText(version::kMinor);
}

QString AboutBuildText() {
  return QStringLiteral("Build ") + SignedNumberText(version::kRevision) + QStringLiteral(" (") +
         QLatin1String(version::kComment) + QStringLiteral(")");
}

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent),
      title_(AddInfoLabel(this, "Kesta_Title", TwipRect(3480, 240, 2775, 255))),
      build_(AddInfoLabel(this, "Kesta_Build", TwipRect(3480, 600, 2775, 255))),
      maker_(AddInfoLabel(this, "Kesta_Maker", TwipRect(3480, 1080, 2775, 255))),
      tiles_(AddInfoLabel(this, "Kesta_Tiles", TwipRect(3480, 1440, 2775, 495))) {
  SetUpFixedDialog(*this, "About_Kestalon", tr("About Kestalon"), 6300, 2730);
  AddPicture(this, "InfoLogo", kTitlePicture, tr("PC Kestalon title picture"),
             TwipRect(120, 240, 3240, 1770));
  tiles_->setWordWrap(true);
  QPushButton* ok = AddButton(this, "Close_About", tr("O.K"), TwipRect(2760, 2160, 855, 375));
  connect(ok, &QPushButton::clicked, this, &AboutDialog::accept);
}

void AboutDialog::Load() {
  title_->setText(AboutTitleText());
  build_->setText(AboutBuildText());
  maker_->setText(QLatin1String(kMakerText));
  // A screen reader reads a dialog's loose texts of three words or more as it opens; the
  // maker's name alone is two.
  maker_->setAccessibleName(tr("Made by %1").arg(maker_->text()));
  tiles_->setText(QLatin1String(kArtworkCreditText));
}

}  // namespace kestalon
