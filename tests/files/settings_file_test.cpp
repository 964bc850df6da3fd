// The settings file: its bytes, the per-user place read first and written when the program's
// folder cannot be, a failed write, and the settings read again by the next start.
#include "shell/settings_location.h"
#include "tests/files/file_test_support.h"

namespace kestalon {
namespace {

// A settings file: the header, then the flag bytes given in hex.
QByteArray Opt(const char* hexFlags, const char* header = "Kesta Opt") {
  return QByteArray(header) + QByteArray::fromHex(hexFlags);
}

// The settings places under a scratch folder: the program's folder and XDG_CONFIG_HOME.
struct SettingsFile : ::testing::Test {
  SettingsFile() { qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("config"))); }
  ~SettingsFile() override { qputenv("XDG_CONFIG_HOME", savedConfigHome); }

  QByteArray savedConfigHome = qgetenv("XDG_CONFIG_HOME");
  QTemporaryDir dir;
  QString programDir = dir.filePath("program"), programFile = programDir + "/knopts.cfg";
  QString userFile = dir.filePath("config/pc-kestalon/knopts.cfg");
  testing::ScriptedDialogs dialogs;
};

TEST_F(SettingsFile, ReadsThePerUserFileFirstThenTheOneBesideTheProgram) {
  const struct {
    const char* what;
    QByteArray program, user;
    std::pair<bool, bool> soundAndLarge;
  } cases[] = {
      {"00 00, FF FF and a byte more", Opt("0000ffff41"), {}, {false, true}},
      {"01 00, 00 80: any nonzero byte is on", Opt("01000080"), {}, {true, true}},
      {"large tiles cut off", Opt("0000"), {}, {false, false}},
      {"both cut off", Opt("00"), {}, {true, false}},
      {"header in other case: the defaults", Opt("0000ffff", "kesta opt"), {}, {true, false}},
      {"per-user file first", Opt("00000000"), Opt("ffffffff"), {true, true}},
      {"per-user file wrong", Opt("00000000"), Opt("ffffffff", "Kesta Opx"), {false, false}},
  };
  for (const auto& c : cases) {
    testing::WriteAll(programFile, c.program);  // an empty file is no settings file
    testing::WriteAll(userFile, c.user);
    OptionFlags flags;
    ReadSettingsFile(programDir, flags);
    EXPECT_EQ(std::make_pair(flags.sound, flags.largeTiles), c.soundAndLarge) << c.what;
  }
}

// Save Settings writes beside the program, for the next start; for the user when the
// program's folder cannot be written; and a per-user file, once there, is kept up to date, or
// it would hide what was saved beside the program.
TEST_F(SettingsFile, SaveWritesThirteenBytesForTheNextStartBesideTheProgramElseForTheUser) {
  {
    KestalonForm form(std::make_unique<ClockSeededRandom>(), programDir);
    form.FormLoad({});
    form.action("optsound")->trigger();  // from the defaults: sound off, large tiles on
    form.action("optlargetiles")->trigger();
    form.action("Menus_Options_Savesettings")->trigger();
  }
  EXPECT_EQ(testing::ReadAll(programFile), Opt("0000ffff"));
  KestalonForm next(std::make_unique<ClockSeededRandom>(), programDir);
  next.FormLoad({});
  EXPECT_FALSE(next.action("optsound")->isChecked());
  EXPECT_TRUE(next.action("optlargetiles")->isChecked());

  testing::WriteAll(dir.filePath("plain"), "x");
  // knopts.cfg cannot go under a file
  SaveSettingsCommand(nullptr, dir.filePath("plain"), OptionFlags{true, false});
  EXPECT_EQ(testing::ReadAll(userFile), Opt("ffff0000"));
  SaveSettingsCommand(nullptr, programDir, OptionFlags{false, false});
  EXPECT_EQ(testing::ReadAll(programFile), Opt("00000000"));
  EXPECT_EQ(testing::ReadAll(userFile), Opt("00000000"));
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(SettingsFile, AFailedSaveKeepsTheOldFileAndSaysWhereItTried) {
  testing::WriteAll(programFile, Opt("0000ffff"));
  testing::WriteAll(dir.filePath("plain"), "x");
  // The per-user folder cannot go under a file.
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("plain")));
  testing::WithFileSizeLimit(5, [&] { SaveSettingsCommand(nullptr, programDir, {true, false}); });
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_TRUE(dialogs.messages[0].contains(programFile));
  EXPECT_TRUE(dialogs.messages[0].contains(dir.filePath("plain/pc-kestalon/knopts.cfg")));
  EXPECT_EQ(testing::ReadAll(programFile), Opt("0000ffff"));
}

}  // namespace
}  // namespace kestalon
