// The settings file on disk: where it is read from and written to, and failed saves.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "shell/game_files.h"
#include "shell/settings_location.h"
#include "tests/files/file_test_support.h"

namespace kestalon {
namespace {

using testing::ReadAll;
using testing::WriteAll;

QByteArray SettingsBytes(const char* header, std::initializer_list<int> flags) {
  QByteArray out(header);
  for (int v : flags) out.append(static_cast<char>(v));
  return out;
}

class SettingsFile : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    savedConfigHome = qgetenv("XDG_CONFIG_HOME");
    hadConfigHome = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    UseConfigHome(dir.filePath("config"));
    UseProgramDir(dir.filePath("program"));
    QDir().mkpath(programDir);
  }
  void TearDown() override {
    SetProgramDirPath({});
    if (hadConfigHome) {
      qputenv("XDG_CONFIG_HOME", savedConfigHome);
    } else {
      qunsetenv("XDG_CONFIG_HOME");
    }
  }
  void UseConfigHome(const QString& path) {
    qputenv("XDG_CONFIG_HOME", path.toLocal8Bit());
    userFile = path + "/pc-kestalon/knopts.cfg";
  }
  void UseProgramDir(const QString& path) {
    programDir = path;
    SetProgramDirPath(path);
    programFile = path + "/knopts.cfg";
  }
  void WriteUserFile(const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(userFile).absolutePath());
    WriteAll(userFile, bytes);
  }
  OptionFlags Read(bool* found = nullptr) {
    OptionFlags flags;  // the defaults: sound on, regular tiles
    const bool read = ReadSettingsFile(flags);
    if (found) *found = read;
    return flags;
  }

  QTemporaryDir dir;
  QByteArray savedConfigHome;
  bool hadConfigHome = false;
  QString programDir, programFile, userFile;
  testing::ScriptedDialogs dialogs;
};

TEST_F(SettingsFile, LocationsFollowTheProgramDirAndXdgConfigHome) {
  EXPECT_EQ(ProgramSettingsPath(), programFile);
  EXPECT_EQ(UserSettingsPath(), userFile);
}

TEST_F(SettingsFile, NoFileKeepsTheDefaults) {
  bool found = true;
  const OptionFlags flags = Read(&found);
  EXPECT_FALSE(found);
  EXPECT_TRUE(flags.sound);
  EXPECT_FALSE(flags.largeTiles);
}

TEST_F(SettingsFile, FlagsBesideTheProgramAreApplied) {
  bool found = false;
  WriteAll(programFile, SettingsBytes("Kesta Opt", {0x00, 0x00, 0xFF, 0xFF}));
  OptionFlags flags = Read(&found);
  EXPECT_TRUE(found);
  EXPECT_FALSE(flags.sound);
  EXPECT_TRUE(flags.largeTiles);

  WriteAll(programFile, SettingsBytes("Kesta Opt", {0x01, 0x00, 0x00, 0x00, 0x55}));
  flags = Read();
  EXPECT_TRUE(flags.sound);
  EXPECT_FALSE(flags.largeTiles);
}

TEST_F(SettingsFile, ShortFilesKeepTheDefaultOfEachMissingFlag) {
  bool found = false;
  WriteAll(programFile, SettingsBytes("Kesta Opt", {0x00, 0x00}));
  OptionFlags flags = Read(&found);
  EXPECT_TRUE(found);
  EXPECT_FALSE(flags.sound);
  EXPECT_FALSE(flags.largeTiles);

  WriteAll(programFile, SettingsBytes("Kesta Opt", {0x00}));
  flags = Read(&found);
  EXPECT_TRUE(found);
  EXPECT_TRUE(flags.sound);
  EXPECT_FALSE(flags.largeTiles);
}

TEST_F(SettingsFile, WrongHeaderOrAFolderIsIgnored) {
  bool found = true;
  WriteAll(programFile, SettingsBytes("kesta opt", {0x00, 0x00, 0xFF, 0xFF}));
  OptionFlags flags = Read(&found);
  EXPECT_FALSE(found);
  EXPECT_TRUE(flags.sound);
  EXPECT_FALSE(flags.largeTiles);

  QFile::remove(programFile);
  QDir().mkpath(programFile);
  Read(&found);
  EXPECT_FALSE(found);
}

TEST_F(SettingsFile, ThePerUserFileIsReadFirst) {
  WriteAll(programFile, SettingsBytes("Kesta Opt", {0x00, 0x00, 0x00, 0x00}));
  WriteUserFile(SettingsBytes("Kesta Opt", {0xFF, 0xFF, 0xFF, 0xFF}));
  OptionFlags flags = Read();
  EXPECT_TRUE(flags.sound);
  EXPECT_TRUE(flags.largeTiles);

  // A per-user file that is not a settings file gives way to the program's.
  WriteUserFile(SettingsBytes("Kesta Opx", {0xFF, 0xFF, 0xFF, 0xFF}));
  flags = Read();
  EXPECT_FALSE(flags.sound);
  EXPECT_FALSE(flags.largeTiles);
}

TEST_F(SettingsFile, SaveWritesThirteenBytesBesideTheProgram) {
  SaveSettingsCommand(nullptr, OptionFlags{});
  EXPECT_EQ(ReadAll(programFile), SettingsBytes("Kesta Opt", {0xFF, 0xFF, 0x00, 0x00}));
  EXPECT_FALSE(QFileInfo::exists(userFile));
  EXPECT_TRUE(dialogs.messages.empty());

  SaveSettingsCommand(nullptr, OptionFlags{false, true});
  EXPECT_EQ(ReadAll(programFile), SettingsBytes("Kesta Opt", {0x00, 0x00, 0xFF, 0xFF}));
  const OptionFlags flags = Read();
  EXPECT_FALSE(flags.sound);
  EXPECT_TRUE(flags.largeTiles);
}

TEST_F(SettingsFile, AnUnwritableProgramDirSavesForTheUser) {
  WriteAll(dir.filePath("not a folder"), "x");
  UseProgramDir(dir.filePath("not a folder"));  // knopts.cfg cannot be created under a file
  SaveSettingsCommand(nullptr, OptionFlags{false, true});
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(ReadAll(userFile), SettingsBytes("Kesta Opt", {0x00, 0x00, 0xFF, 0xFF}));
  const OptionFlags flags = Read();
  EXPECT_FALSE(flags.sound);
  EXPECT_TRUE(flags.largeTiles);
}

TEST_F(SettingsFile, AnExistingPerUserFileIsKeptUpToDate) {
  WriteUserFile(SettingsBytes("Kesta Opt", {0xFF, 0xFF, 0xFF, 0xFF}));
  SaveSettingsCommand(nullptr, OptionFlags{false, false});
  const QByteArray expected = SettingsBytes("Kesta Opt", {0x00, 0x00, 0x00, 0x00});
  EXPECT_EQ(ReadAll(programFile), expected);
  EXPECT_EQ(ReadAll(userFile), expected);
  const OptionFlags flags = Read();
  EXPECT_FALSE(flags.sound);
  EXPECT_FALSE(flags.largeTiles);
}

TEST_F(SettingsFile, AFailedSaveKeepsTheOldFileAndReports) {
  const QByteArray old = SettingsBytes("Kesta Opt", {0x00, 0x00, 0xFF, 0xFF});
  WriteAll(programFile, old);
  WriteAll(dir.filePath("plain"), "x");
  UseConfigHome(dir.filePath("plain"));  // the per-user folder cannot be made under a file
  {
    const testing::FileSizeLimit limit(5);
    SaveSettingsCommand(nullptr, OptionFlags{true, false});
  }
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].title, "Error from PC Kestalon");
  EXPECT_EQ(dialogs.messages[0].icon, QMessageBox::Warning);
  EXPECT_EQ(dialogs.messages[0].buttons, QMessageBox::Ok);
  EXPECT_TRUE(dialogs.messages[0].text.contains(programFile));
  EXPECT_TRUE(dialogs.messages[0].text.contains(userFile));
  EXPECT_EQ(ReadAll(programFile), old);
  EXPECT_EQ(testing::FolderEntries(programDir), QStringList{"knopts.cfg"});
}

TEST_F(SettingsFile, AFailedUpdateOfThePerUserFileIsReported) {
  WriteUserFile(SettingsBytes("Kesta Opt", {0xFF, 0xFF, 0xFF, 0xFF}));
  // The user's file is now a folder: the program's file is written, the user's is not.
  QFile::remove(userFile);
  QDir().mkpath(userFile);
  QString error;
  EXPECT_FALSE(WriteSettingsFile(OptionFlags{false, false}, &error));
  EXPECT_TRUE(error.contains(userFile)) << error.toStdString();
  EXPECT_EQ(ReadAll(programFile), SettingsBytes("Kesta Opt", {0x00, 0x00, 0x00, 0x00}));
}

}  // namespace
}  // namespace kestalon
