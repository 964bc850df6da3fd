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
    KestalonForm form(std::make_unique<ClockSeededRandom>(), programDir);  // its start shows the settings read in the Options menu
    form.FormLoad({});
    const auto checked = [&](const char* item) { return form.action(item)->isChecked(); };
    EXPECT_EQ(std::pair(checked("optsound"), checked("optlargetiles")), c.soundAndLarge) << c.what;
  }
}

// Save Settings (from the menu in the real-window test e2e.options) writes beside the program;
// for the user when the program's folder cannot be written; and a per-user file, once there,
// is kept up to date, or it would hide what was saved beside the program.
TEST_F(SettingsFile, SaveWritesBesideTheProgramElseForTheUserAndSaysWhereAFailedSaveTried) {
  testing::WriteAll(dir.filePath("plain"), "x");
  // knopts.cfg cannot go under a file
  SaveSettingsCommand(nullptr, dir.filePath("plain"), OptionFlags{true, false});
  EXPECT_EQ(testing::ReadAll(userFile), Opt("ffff0000"));
  SaveSettingsCommand(nullptr, programDir, OptionFlags{false, false});
  EXPECT_EQ(testing::ReadAll(programFile), Opt("00000000"));
  EXPECT_EQ(testing::ReadAll(userFile), Opt("00000000"));
  EXPECT_TRUE(dialogs.messages.isEmpty());
  // A failed save (a file-size limit beside the program, the per-user folder under a file)
  // keeps the old file and says where it tried.
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("plain")));
  testing::WithFileSizeLimit(5, [&] { SaveSettingsCommand(nullptr, programDir, {true, false}); });
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_TRUE(dialogs.messages[0].contains(programFile));
  EXPECT_TRUE(dialogs.messages[0].contains(dir.filePath("plain/pc-kestalon/knopts.cfg")));
  EXPECT_EQ(testing::ReadAll(programFile), Opt("00000000"));
}

}  // namespace
}  // namespace kestalon
