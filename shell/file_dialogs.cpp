// Setting up the Load Game and Save Game dialogs and the file error box.
#include "shell/file_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

#include "dialogs/dialog_placement.h"
#include "dialogs/dialog_widgets.h"

namespace kestalon {
namespace {

// The file types are shown with texts that are not their patterns ("(.kng)", "{Pre v1.61)").
// Qt's own dialog shows a filter "Text (*.ext)" as "Text" when it hides the filter details,
// so each type is written as its shown text followed by its pattern in parentheses. Native
// dialogs would rewrite the texts, so Qt's own dialog is used everywhere.
void PrepareCommon(QFileDialog& dialog) {
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
}

}  // namespace

void PrepareLoadDialog(QFileDialog& dialog) {
  PrepareCommon(dialog);
  dialog.setWindowTitle(QStringLiteral("Load Saved Game"));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  const QStringList filters{QStringLiteral("New Save Game (.kng) (*.kng)"),
                            QStringLiteral("Save Game {Pre v1.61) (*.sav)")};
  dialog.setNameFilters(filters);
  dialog.selectNameFilter(filters.first());
}

void PrepareSaveDialog(QFileDialog& dialog) {
  PrepareCommon(dialog);
  dialog.setWindowTitle(QStringLiteral("Save Game"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // The name is used as typed: no default suffix is set.
  dialog.setNameFilters({QStringLiteral("New Save Game (*.kng) (*.kng)")});
}

QString ChooseFile(QWidget* parent, void (*prepare)(QFileDialog&)) {
  QFileDialog dialog(parent);
  prepare(dialog);
  LetReturnPressTheFocusedButton(dialog);
  if (ExecModal(dialog) != QDialog::Accepted) return {};
  const QStringList files = dialog.selectedFiles();
  return files.isEmpty() ? QString() : files.first();
}

void ShowFileError(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Warning, QString::fromLatin1(kFileErrorTitle), text, QMessageBox::Ok,
                  parent);
  ExecModal(box);
}

}  // namespace kestalon
