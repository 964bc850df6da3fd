// The sans-serif fonts the dialogs are laid out for.
#pragma once

#include <QFont>

namespace kestalon {

// A Debian sans-serif face (Noto Sans, else DejaVu Sans) at the given size and weight.
QFont SansSerifFont(qreal pointSize, bool bold);

// Everyday dialog text, 8.25 pt: the size the dialogs' labels and buttons are designed for.
QFont DialogFont();

// Number boxes and number labels: 9.75 pt bold.
QFont NumberFont();

}  // namespace kestalon
