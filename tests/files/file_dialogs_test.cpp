// The real Load Game and Save Game dialogs (offscreen): titles, shown file types, filtering,
// no default suffix; and the default hooks running real modal dialogs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QListView>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include "shell/file_dialogs.h"
#include "tests/files/file_test_support.h"

namespace kestalon {
namespace {

QStringList ShownFileTypes(QFileDialog& dialog) {
  QStringList texts;
  auto* combo = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
  if (!combo) return texts;
  for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
  return texts;
}

// The files the dialog lists in its current folder, once the folder has been read.
QStringList ListedFiles(QFileDialog& dialog, int expectedCount) {
  auto* view = dialog.findChild<QListView*>(QStringLiteral("listView"));
  if (!view) return {};
  QStringList names;
  // The folder is read by a background thread: wait for its rows, giving up after 20 s.
  QDeadlineTimer deadline(20000);
  do {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    const QModelIndex root = view->rootIndex();
    names.clear();
    for (int row = 0; row < view->model()->rowCount(root); ++row) {
      names << view->model()->index(row, 0, root).data().toString();
    }
    if (names.size() >= expectedCount) break;
    QThread::msleep(5);
  } while (!deadline.hasExpired());
  names.sort();
  return names;
}

class FileDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"a.kng", "b.sav", "c.txt", "d.kng.bak", "e.sav"}) {
      testing::WriteAll(dir.filePath(name), "x");
    }
  }
  QTemporaryDir dir;
};

TEST_F(FileDialogs, LoadDialogShowsBothTypesExactlyAndFiltersOnTheirPatterns) {
  QFileDialog dialog;
  PrepareLoadDialog(dialog);
  EXPECT_EQ(dialog.windowTitle(), "Load Saved Game");
  EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
  EXPECT_EQ(ShownFileTypes(dialog), (QStringList{"New Save Game (.kng)", "Save Game {Pre v1.61)"}));
  EXPECT_EQ(dialog.findChild<QComboBox*>("fileTypeCombo")->currentIndex(), 0);
  EXPECT_TRUE(dialog.defaultSuffix().isEmpty());

  auto* model = dialog.findChild<QFileSystemModel*>();
  ASSERT_NE(model, nullptr);
  EXPECT_EQ(model->nameFilters(), QStringList{"*.kng"});
  EXPECT_FALSE(model->nameFilterDisables());  // other files are hidden, not greyed

  dialog.setDirectory(dir.path());
  EXPECT_EQ(ListedFiles(dialog, 1), QStringList{"a.kng"});
  dialog.selectNameFilter(QStringLiteral("Save Game {Pre v1.61) (*.sav)"));
  EXPECT_EQ(dialog.findChild<QComboBox*>("fileTypeCombo")->currentIndex(), 1);
  EXPECT_EQ(model->nameFilters(), QStringList{"*.sav"});
  EXPECT_EQ(ListedFiles(dialog, 2), (QStringList{"b.sav", "e.sav"}));
}

TEST_F(FileDialogs, SaveDialogShowsOneTypeAndAddsNoSuffix) {
  QFileDialog dialog;
  PrepareSaveDialog(dialog);
  EXPECT_EQ(dialog.windowTitle(), "Save Game");
  EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
  EXPECT_EQ(ShownFileTypes(dialog), QStringList{"New Save Game (*.kng)"});
  EXPECT_TRUE(dialog.defaultSuffix().isEmpty());
  EXPECT_EQ(dialog.findChild<QFileSystemModel*>()->nameFilters(), QStringList{"*.kng"});
  dialog.setDirectory(dir.path());
  EXPECT_EQ(ListedFiles(dialog, 1), QStringList{"a.kng"});
}

TEST_F(FileDialogs, DefaultHooksRunTheRealModalDialogs) {
  // While each modal dialog runs, a queued call answers it the way a player would.
  QString chosenPath = dir.filePath("a.kng");
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->selectFile(chosenPath);
    static_cast<QDialog*>(dialog)->accept();  // as the Open button does
  });
  EXPECT_EQ(ChooseFile(nullptr, PrepareLoadDialog), chosenPath);

  QTimer::singleShot(0, [] {
    if (auto* dialog = QApplication::activeModalWidget()) dialog->close();
  });
  EXPECT_EQ(ChooseFile(nullptr, PrepareLoadDialog), QString());

  testing::CapturedMessage shown{};
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    shown = {box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
    box->accept();
  });
  ShowFileError(nullptr, QStringLiteral("This is not a Kestalon Save Game"));
  EXPECT_EQ(shown.title, "Error from PC Kestalon");
  EXPECT_EQ(shown.text, "This is not a Kestalon Save Game");
  EXPECT_EQ(shown.icon, QMessageBox::Warning);
  EXPECT_EQ(shown.buttons, QMessageBox::Ok);
}

}  // namespace
}  // namespace kestalon
