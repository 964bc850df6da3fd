// Builders for the fixed-layout dialogs: each control at its designed place, under its name.
#include "dialogs/dialog_widgets.h"

#include <QAbstractButton>
#include <QDialog>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>

#include "assets/asset_paths.h"
#include "dialogs/dialog_fonts.h"
#include "dialogs/number_box.h"
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

// Watches a dialog's key presses that its focused widget left to it.
class ReturnPressesFocusedButton final : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
    auto* button = qobject_cast<QAbstractButton*>(static_cast<QWidget*>(watched)->focusWidget());
    if (!button || !button->isEnabled()) return false;
    button->click();
    return true;
  }
};

}  // namespace

void LetReturnPressTheFocusedButton(QDialog& dialog) {
  dialog.installEventFilter(new ReturnPressesFocusedButton(&dialog));
}

void SetUpFixedDialog(QDialog& dialog, const char* name, const QString& caption, int widthTwips,
                      int heightTwips) {
  dialog.setObjectName(QLatin1String(name));
  dialog.setWindowTitle(caption);
  dialog.setFont(DialogFont());
  dialog.setFixedSize(TwipSize(widthTwips, heightTwips));
  LetReturnPressTheFocusedButton(dialog);
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

NumberBox* AddNumberBox(QWidget* parent, const char* name, const QString& accessibleName,
                        const QRect& place) {
  auto* box = new NumberBox(parent);
  box->setObjectName(QLatin1String(name));
  box->setAccessibleName(accessibleName);
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
