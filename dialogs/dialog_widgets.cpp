// Builders for the fixed-layout dialogs: each control at its designed place, under its name.
#include "dialogs/dialog_widgets.h"

#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>

#include "assets/asset_paths.h"
#include "dialogs/dialog_fonts.h"
#include "dialogs/twips.h"

namespace kestalon {
namespace {

QPixmap LoadPicture(const char* picture, qreal devicePixelRatio) {
  if (devicePixelRatio > 1.0) {
    const QString sharp = PicturePath(picture, true);
    if (QFile::exists(sharp)) return QPixmap(sharp);
  }
  return QPixmap(PicturePath(picture));
}

}  // namespace

void SetUpFixedDialog(QDialog& dialog, const char* name, const QString& caption, int widthTwips,
                      int heightTwips) {
  dialog.setObjectName(QLatin1String(name));
  dialog.setWindowTitle(caption);
  dialog.setFont(DialogFont());
  dialog.setFixedSize(TwipSize(widthTwips, heightTwips));
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption,
                       const QRect& place) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QLatin1String(name));
  button->setGeometry(place);
  return button;
}

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, const QRect& place,
                 Qt::Alignment alignment) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  label->setAlignment(alignment);
  label->setGeometry(place);
  return label;
}

QLabel* AddNumberLabel(QWidget* parent, const char* name, const QString& description,
                       const QRect& place) {
  QLabel* label = AddLabel(parent, name, QString(), place, Qt::AlignCenter);
  label->setAccessibleDescription(description);
  label->setFont(NumberFont());
  label->setFrameStyle(QFrame::Box | QFrame::Plain);
  label->setLineWidth(1);
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, Qt::white);
  palette.setColor(QPalette::WindowText, Qt::black);
  label->setPalette(palette);
  label->setAutoFillBackground(true);
  return label;
}

QLineEdit* AddNumberBox(QWidget* parent, const char* name, const QString& accessibleName,
                        const QRect& place) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QLatin1String(name));
  box->setAccessibleName(accessibleName);
  box->setReadOnly(true);
  box->setAlignment(Qt::AlignCenter);
  box->setFont(NumberFont());
  box->setGeometry(place);
  return box;
}

QLabel* AddPicture(QWidget* parent, const char* name, const char* picture,
                   const QString& description, const QRect& place) {
  auto* label = new QLabel(parent);
  label->setObjectName(QLatin1String(name));
  label->setAccessibleName(description);
  label->setGeometry(place);
  label->setScaledContents(true);
  const QPixmap pixmap = LoadPicture(picture, parent->devicePixelRatioF());
  if (!pixmap.isNull()) label->setPixmap(pixmap);
  return label;
}

}  // namespace kestalon
