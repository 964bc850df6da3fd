// What the Qt file tests share: scratch files, dialogs and message boxes answered in place of a
// person, and writes made to fail.
#pragma once

#include <gtest/gtest.h>

#include <csignal>
#include <functional>

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>

#include <sys/resource.h>

#include "shell/file_dialogs.h"
#include "shell/game_files.h"
#include "shell/kestalon_form.h"

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

// Runs action while no file of this process can grow past bytes: writes beyond fail with
// EFBIG (SIGXFSZ, which would end the process, is ignored meanwhile).
inline void WithFileSizeLimit(rlim_t bytes, const std::function<void()>& action) {
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  const rlimit limit{bytes, saved.rlim_max};
  const auto handler = std::signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &limit);
  action();
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, handler);
}

// While alive, every file dialog "chooses" nextChoice, and every message box's text is recorded
// instead of shown.
struct ScriptedDialogs {
  ScriptedDialogs() {
    CurrentFileDialogHooks() = {[this](QFileDialog&) { return nextChoice; },
                                [this](QMessageBox& box) { messages << box.text(); }};
  }
  ~ScriptedDialogs() { CurrentFileDialogHooks() = saved; }

  FileDialogHooks saved = CurrentFileDialogHooks();
  QString nextChoice;
  QStringList messages;
};

}  // namespace kestalon::testing
