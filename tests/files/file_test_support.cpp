// Scratch-file helpers, scripted dialogs and the file-size limit of the Qt file tests.
#include "tests/files/file_test_support.h"

#include <csignal>

#include <QDir>
#include <QFile>
#include <QFileDialog>

namespace kestalon::testing {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

QByteArray ToByteArray(const std::vector<std::uint8_t>& bytes) {
  return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<qsizetype>(bytes.size()));
}

QStringList FolderEntries(const QString& dir) {
  return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                             QDir::Name);
}

ScriptedDialogs::ScriptedDialogs() : saved_(CurrentFileDialogHooks()) {
  CurrentFileDialogHooks() = {
      [this](QFileDialog& dialog) {
        dialogTitles << dialog.windowTitle();
        return nextChoice;
      },
      [this](QMessageBox& box) {
        messages.push_back({box.windowTitle(), box.text(), box.icon(), box.standardButtons()});
      }};
}

ScriptedDialogs::~ScriptedDialogs() {
  CurrentFileDialogHooks() = saved_;
}

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
  getrlimit(RLIMIT_FSIZE, &saved_);
  // Without this the kernel ends the process with SIGXFSZ instead of failing the write.
  savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limit = saved_;
  limit.rlim_cur = bytes;
  setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
  setrlimit(RLIMIT_FSIZE, &saved_);
  std::signal(SIGXFSZ, savedHandler_);
}

}  // namespace kestalon::testing
