// The file dialogs and the error message box of the file commands, and the hooks that run
// them, so that tests can choose a file and read a message in place of a person.
#pragma once

#include <functional>

#include <QString>

class QFileDialog;
class QMessageBox;
class QWidget;

namespace kestalon {

inline constexpr char kFileErrorTitle[] = "Error from PC Kestalon";
inline constexpr char kNotASaveGameMessage[] = "This is not a Kestalon Save Game";

struct FileDialogHooks {
  // Runs a prepared file dialog modally; returns the chosen file name, "" when cancelled.
  std::function<QString(QFileDialog&)> chooseFile;
  // Shows a prepared message box modally.
  std::function<void(QMessageBox&)> showMessage;
};
// The hooks in use; by default they exec() the real dialog and message box.
FileDialogHooks& CurrentFileDialogHooks();

// Title, file types and mode of the Load Game and Save Game dialogs.
void PrepareLoadDialog(QFileDialog& dialog);
void PrepareSaveDialog(QFileDialog& dialog);

// Builds a file dialog over parent, lets prepare set it up and runs it through the hooks.
QString ChooseFile(QWidget* parent, void (*prepare)(QFileDialog&));

// A warning box with a single OK button, titled "Error from PC Kestalon", shown through the hooks.
void ShowFileError(QWidget* parent, const QString& text);

}  // namespace kestalon
