// Helpers of the Qt file tests: a scratch folder, captured dialogs, and a file-size limit
// that makes writes fail even for root.
#pragma once

#include <vector>

#include <QByteArray>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <sys/resource.h>

#include "shell/file_dialogs.h"

namespace kestalon::testing {

QByteArray ReadAll(const QString& path);
void WriteAll(const QString& path, const QByteArray& bytes);
QByteArray ToByteArray(const std::vector<std::uint8_t>& bytes);
// The names in a folder, sorted, hidden files included.
QStringList FolderEntries(const QString& dir);

struct CapturedMessage {
  QString title;
  QString text;
  QMessageBox::Icon icon;
  QMessageBox::StandardButtons buttons;
};

// Replaces the file dialog hooks for its lifetime: every file dialog "chooses" nextChoice
// and records its title; every message box is recorded instead of shown.
class ScriptedDialogs {
 public:
  ScriptedDialogs();
  ~ScriptedDialogs();
  ScriptedDialogs(const ScriptedDialogs&) = delete;
  ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

  QString nextChoice;
  QStringList dialogTitles;
  std::vector<CapturedMessage> messages;

 private:
  FileDialogHooks saved_;
};

// While alive, no file of this process can grow past bytes: writes beyond fail with EFBIG.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*savedHandler_)(int) = nullptr;
};

}  // namespace kestalon::testing
