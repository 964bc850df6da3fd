// The settings file on disk: where it is read from and written to, and failed saves.
#include <gtest/gtest.h>

#include <utility>

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

// A settings file: the header, then the flag bytes given in hex.
QByteArray Opt(const char* hexFlags, const char* header = "Kesta Opt") {
  return QByteArray(header) + QByteArray::fromHex(hexFlags);
}

class SettingsFile : public ::testing::Test {
 protected:
  // Sound and Large Tiles after reading over the defaults (sound on, regular tiles).
  std::pair<bool, bool> Read(bool* found = nullptr) {
    OptionFlags flags;
    const bool read = ReadSettingsFile(flags);
    if (found) *found = read;
    return {flags.sound, flags.largeTiles};
  }

  QTemporaryDir dir;
  testing::ScratchSettingsPlaces places{dir.path()};
  testing::ScriptedDialogs dialogs;
};

TEST_F(SettingsFile, FileBesideTheProgramIsAppliedOverTheDefaults) {
  const struct {
    const char* what;
    QByteArray file;
    bool found;
    std::pair<bool, bool> flags;
  } cases[] = {
      {"no file", {}, false, {true, false}},
      {"FF FF, 00 00", Opt("ffff0000"), true, {true, false}},
      {"00 00, FF FF", Opt("0000ffff"), true, {false, true}},
      {"01 00 and a byte more", Opt("010000000055"), true, {true, false}},
      {"large tiles cut off", Opt("0000"), true, {false, false}},
      {"both cut off", Opt("00"), true, {true, false}},
      {"header in other case", Opt("0000ffff", "kesta opt"), false, {true, false}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    QFile::remove(places.programFile);
    if (!c.file.isEmpty()) WriteAll(places.programFile, c.file);
    bool found = !c.found;
    EXPECT_EQ(Read(&found), c.flags);
    EXPECT_EQ(found, c.found);
  }
  QFile::remove(places.programFile);
  QDir().mkpath(places.programFile);
  bool found = true;
  Read(&found);
  EXPECT_FALSE(found) << "a folder named knopts.cfg";
}

TEST_F(SettingsFile, ThePerUserFileIsReadFirst) {
  EXPECT_EQ(ProgramSettingsPath(), dir.filePath("program/knopts.cfg"));
  EXPECT_EQ(UserSettingsPath(), dir.filePath("config/pc-kestalon/knopts.cfg"));
  WriteAll(places.programFile, Opt("00000000"));
  WriteAll(places.userFile, Opt("ffffffff"));
  EXPECT_EQ(Read(), std::make_pair(true, true));
  // A per-user file that is not a settings file gives way to the program's.
  WriteAll(places.userFile, Opt("ffffffff", "Kesta Opx"));
  EXPECT_EQ(Read(), std::make_pair(false, false));
}

TEST_F(SettingsFile, SaveWritesThirteenBytesBesideTheProgram) {
  SaveSettingsCommand(nullptr, OptionFlags{});
  EXPECT_EQ(ReadAll(places.programFile), Opt("ffff0000"));
  SaveSettingsCommand(nullptr, OptionFlags{false, true});
  EXPECT_EQ(ReadAll(places.programFile), Opt("0000ffff"));
  EXPECT_FALSE(QFileInfo::exists(places.userFile));
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SettingsFile, AnUnwritableProgramDirSavesForTheUser) {
  WriteAll(dir.filePath("not a folder"), "x");
  places.UseProgramDir(dir.filePath("not a folder"));  // knopts.cfg cannot go under a file
  SaveSettingsCommand(nullptr, OptionFlags{false, true});
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(ReadAll(places.userFile), Opt("0000ffff"));
  EXPECT_EQ(Read(), std::make_pair(false, true));
}

TEST_F(SettingsFile, AFailedSaveKeepsTheOldFileAndReports) {
  WriteAll(places.programFile, Opt("0000ffff"));
  WriteAll(dir.filePath("plain"), "x");
  places.UseConfigHome(dir.filePath("plain"));  // the per-user folder cannot go under a file
  {
    const testing::FileSizeLimit limit(5);
    SaveSettingsCommand(nullptr, OptionFlags{true, false});
  }
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].title, "Error from PC Kestalon");
  EXPECT_EQ(dialogs.messages[0].icon, QMessageBox::Warning);
  EXPECT_EQ(dialogs.messages[0].buttons, QMessageBox::Ok);
  EXPECT_TRUE(dialogs.messages[0].text.contains(places.programFile));
  EXPECT_TRUE(dialogs.messages[0].text.contains(places.userFile));
  EXPECT_EQ(ReadAll(places.programFile), Opt("0000ffff"));
  EXPECT_EQ(testing::FolderEntries(places.programDir), QStringList{"knopts.cfg"});
}

TEST_F(SettingsFile, AnExistingPerUserFileIsKeptUpToDateOrTheFailureReported) {
  WriteAll(places.userFile, Opt("ffffffff"));
  SaveSettingsCommand(nullptr, OptionFlags{false, false});
  EXPECT_EQ(ReadAll(places.programFile), Opt("00000000"));
  EXPECT_EQ(ReadAll(places.userFile), Opt("00000000"));

  QFile::remove(places.userFile);
  QDir().mkpath(places.userFile);  // a folder in its place cannot be rewritten
  QString error;
  EXPECT_FALSE(WriteSettingsFile(OptionFlags{true, true}, &error));
  EXPECT_TRUE(error.contains(places.userFile)) << error.toStdString();
  EXPECT_EQ(ReadAll(places.programFile), Opt("ffffffff"));
}

}  // namespace
}  // namespace kestalon
