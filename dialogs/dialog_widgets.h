// Builders for the fixed-layout dialogs: each control at its designed place, under its name.
#pragma once

#include <Qt>

class QDialog;
class QLabel;
class QPushButton;
class QRect;
class QString;
class QWidget;

namespace kestalon {

class NumberBox;

// Return on a focused button (a spinner's arrow too) presses that button; elsewhere it presses
// the dialog's default button, as usual. Qt leaves Return on a tool button to the dialog.
void LetReturnPressTheFocusedButton(QDialog& dialog);

// Names the dialog, sets its caption and the dialog font, fixes its client size, and lets
// Return press the focused button.
void SetUpFixedDialog(QDialog& dialog, const char* name, const QString& caption, int widthTwips,
                      int heightTwips);

// Places are in pixels of the parent (see twips.h).
QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption,
                       const QRect& place);

// A text label on the dialog's own background.
QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, const QRect& place,
                 Qt::Alignment alignment);

// A number shown centred in bold on white, with a single border. Assistive technology reads
// the number itself as the label's name; the description says what it counts.
QLabel* AddNumberLabel(QWidget* parent, const char* name, const QString& description,
                       const QRect& place);

// A read-only text box for a number, centred, in bold.
NumberBox* AddNumberBox(QWidget* parent, const char* name, const QString& accessibleName,
                        const QRect& place);

// One of our dialog pictures, stretched to the place. A picture that cannot be loaded
// leaves the place empty; the dialog works the same without it.
QLabel* AddPicture(QWidget* parent, const char* name, const char* picture,
                   const QString& description, const QRect& place);

}  // namespace kestalon
