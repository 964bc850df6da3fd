// The file dialogs and the error message box of the file commands.
#pragma once

#include <QString>

class QFileDialog;
class QMessageBox;
class QWidget;

namespace kestalon {

inline constexpr char kFileErrorTitle[] = "Error from PC Kestalon";

// Title, file types and mode of the Load Game and Save Game dialogs.
void PrepareLoadDialog(QFileDialog& dialog);
void PrepareSaveDialog(QFileDialog& dialog);

// Builds a file dialog over parent, lets prepare set it up and runs it modally; returns the
// chosen file name, "" when cancelled.
QString ChooseFile(QWidget* parent, void (*prepare)(QFileDialog&));

// A warning box with a single OK button, titled "Error from PC Kestalon", shown modally.
void ShowFileError(QWidget* parent, const QString& text);

}  // namespace kestalon
