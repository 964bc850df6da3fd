// Helpers of the Qt file tests: scratch files, settings places, captured dialogs, and a
// file-size limit that makes writes fail even for root.
#pragma once

#include <csignal>
#include <cstdint>
#include <vector>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <sys/resource.h>

#include "shell/file_dialogs.h"
#include "shell/settings_location.h"

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

inline QByteArray ToByteArray(const std::vector<std::uint8_t>& bytes) {
  return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<qsizetype>(bytes.size()));
}

// The names in a folder, sorted, hidden files included.
inline QStringList FolderEntries(const QString& dir) {
  return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                             QDir::Name);
}

// While alive, the settings file lives under a scratch folder: the program's copy in
// root/program, the per-user one under XDG_CONFIG_HOME = root/config.
class ScratchSettingsPlaces {
 public:
  explicit ScratchSettingsPlaces(const QString& root) {
    UseConfigHome(root + "/config");
    UseProgramDir(root + "/program");
    QDir().mkpath(programDir);
  }
  ~ScratchSettingsPlaces() {
    SetProgramDirPath({});
    if (hadConfigHome_) {
      qputenv("XDG_CONFIG_HOME", savedConfigHome_);
    } else {
      qunsetenv("XDG_CONFIG_HOME");
    }
  }
  ScratchSettingsPlaces(const ScratchSettingsPlaces&) = delete;
  ScratchSettingsPlaces& operator=(const ScratchSettingsPlaces&) = delete;

  void UseConfigHome(const QString& path) {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(path));
    userFile = path + "/pc-kestalon/knopts.cfg";
  }
  void UseProgramDir(const QString& path) {
    programDir = path;
    SetProgramDirPath(path);
    programFile = path + "/knopts.cfg";
  }

  QString programDir, programFile, userFile;

 private:
  QByteArray savedConfigHome_ = qgetenv("XDG_CONFIG_HOME");
  bool hadConfigHome_ = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
};

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
  ScriptedDialogs() {
    CurrentFileDialogHooks() = {
        [this](QFileDialog& dialog) {
          dialogTitles << dialog.windowTitle();
          return nextChoice;
        },
        [this](QMessageBox& box) {
          messages.push_back({box.windowTitle(), box.text(), box.icon(), box.standardButtons()});
        }};
  }
  ~ScriptedDialogs() { CurrentFileDialogHooks() = saved_; }
  ScriptedDialogs(const ScriptedDialogs&) = delete;
  ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

  QString nextChoice;
  QStringList dialogTitles;
  std::vector<CapturedMessage> messages;

 private:
  FileDialogHooks saved_ = CurrentFileDialogHooks();
};

// While alive, no file of this process can grow past bytes: writes beyond fail with EFBIG.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, savedHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  // Without this the kernel ends the process with SIGXFSZ instead of failing the write.
  void (*savedHandler_)(int) = std::signal(SIGXFSZ, SIG_IGN);
};

}  // namespace kestalon::testing
