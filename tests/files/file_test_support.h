// Helpers of the Qt file tests: scratch files, dialogs and message boxes answered in place of
// a person, and writes made to fail.
#pragma once

#include <csignal>
#include <functional>
#include <vector>

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

#include <sys/resource.h>

#include "shell/file_dialogs.h"

namespace kestalon::testing {

inline QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes bytes to path, making its folder first.
inline void WriteAll(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

inline QByteArray Bytes(const std::vector<std::uint8_t>& bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())};
}

// The names in a folder, sorted, hidden ones included (so a left-over temporary file shows).
inline QStringList FolderEntries(const QString& dir) {
  return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// Runs action while no file of this process can grow past bytes: writes beyond fail with
// EFBIG (SIGXFSZ, which would end the process, is ignored meanwhile).
inline void WithFileSizeLimit(rlim_t bytes, const std::function<void()>& action) {
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  rlimit limit = saved;
  limit.rlim_cur = bytes;
  const auto handler = std::signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &limit);
  action();
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, handler);
}

struct CapturedMessage {
  QString title, text;
  QMessageBox::Icon icon;
  QMessageBox::StandardButtons buttons;
};

// While alive, every file dialog "chooses" nextChoice and every message box is recorded
// instead of shown.
struct ScriptedDialogs {
  ScriptedDialogs() {
    CurrentFileDialogHooks() = {
        [this](QFileDialog&) { return nextChoice; },
        [this](QMessageBox& box) {
          messages.push_back({box.windowTitle(), box.text(), box.icon(), box.standardButtons()});
        }};
  }
  ~ScriptedDialogs() { CurrentFileDialogHooks() = saved; }

  FileDialogHooks saved = CurrentFileDialogHooks();
  QString nextChoice;
  std::vector<CapturedMessage> messages;
};

}  // namespace kestalon::testing
