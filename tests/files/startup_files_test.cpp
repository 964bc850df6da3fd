// The files as the main window uses them: settings and a -file game applied at start-up,
// and the menu items that save and load.
#include <gtest/gtest.h>

#include <algorithm>

#include <QAction>
#include <QDir>
#include <QTemporaryDir>

#include "core/game_state.h"
#include "shell/formats/save_game_format.h"
#include "shell/kestalon_form.h"
#include "shell/settings_location.h"
#include "tests/files/file_test_support.h"
#include "tests/files/game_states.h"

namespace kestalon {
namespace {

using testing::ReadAll;
using testing::ToByteArray;
using testing::WriteAll;

int TilesOnBoard() {
  return static_cast<int>(
      std::count_if(Board.begin() + 1, Board.end(), [](TileKind k) { return k != 0; }));
}

class StartupFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    hadConfigHome = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    savedConfigHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("config")));
    QDir().mkpath(dir.filePath("program"));
    SetProgramDirPath(dir.filePath("program"));
    WriteAll(dir.filePath("known.kng"), ToByteArray(testing::KnownStateByHand().bytes));
    SavedGame none;
    ApplyToGameState(none);
  }
  void TearDown() override {
    SetProgramDirPath({});
    if (hadConfigHome) {
      qputenv("XDG_CONFIG_HOME", savedConfigHome);
    } else {
      qunsetenv("XDG_CONFIG_HOME");
    }
  }
  static bool Checked(KestalonForm& form, const char* name) {
    return form.action(name)->isChecked();
  }

  QTemporaryDir dir;
  bool hadConfigHome = false;
  QByteArray savedConfigHome;
  testing::ScriptedDialogs dialogs;
};

TEST_F(StartupFiles, WithoutFilesTheDefaultsAndANewDeal) {
  KestalonForm form;
  form.FormLoad({});
  EXPECT_TRUE(Checked(form, "optsound"));
  EXPECT_FALSE(Checked(form, "optlargetiles"));
  EXPECT_EQ(MoveIndex, 1);
  EXPECT_EQ(TilesOnBoard(), 144);
}

TEST_F(StartupFiles, SavedSettingsComeBackAtTheNextStart) {
  {
    KestalonForm form;
    form.FormLoad({});
    form.action("optsound")->trigger();
    form.action("optlargetiles")->trigger();
    form.action("Menus_Options_Savesettings")->trigger();
  }
  EXPECT_EQ(ReadAll(dir.filePath("program/knopts.cfg")),
            QByteArray("Kesta Opt\x00\x00\xff\xff", 13));
  KestalonForm next;
  next.FormLoad({});
  EXPECT_FALSE(Checked(next, "optsound"));
  EXPECT_TRUE(Checked(next, "optlargetiles"));
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(StartupFiles, FileSwitchOpensTheSavedGameInsteadOfADeal) {
  for (const QStringList& arguments : {QStringList{"-file", dir.filePath("known.kng")},
                                       QStringList{"/FILE", dir.filePath("known.kng")},
                                       QStringList{"-File" + dir.filePath("known.kng")}}) {
    SCOPED_TRACE(arguments.join(' ').toStdString());
    ApplyToGameState(SavedGame{});
    KestalonForm form;
    form.FormLoad(arguments);
    SavedGame expected;
    ASSERT_EQ(DecodeSavedGame(testing::KnownStateByHand().bytes, expected), SaveGameFault::None);
    EXPECT_EQ(CaptureGameState(), expected);
    EXPECT_GT(AvailableMoves, 0);  // recounted for Status and Show Moves
  }
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(StartupFiles, AnythingButAGoodFileGivesASilentNewDeal) {
  WriteAll(dir.filePath("bad.kng"), "PC Kestalon, but no game");
  QDir().mkpath(dir.filePath("folder.kng"));
  for (const QStringList& arguments :
       {QStringList{"-file", dir.filePath("bad.kng")},
        QStringList{"-file", dir.filePath("folder.kng")},
        QStringList{"-file", dir.filePath("missing.kng")},
        QStringList{"-file", "\"" + dir.filePath("known.kng") + "\""},
        QStringList{"--file", dir.filePath("known.kng")}, QStringList{"-file"}}) {
    SCOPED_TRACE(arguments.join(' ').toStdString());
    ApplyToGameState(SavedGame{});
    KestalonForm form;
    form.FormLoad(arguments);
    EXPECT_EQ(MoveIndex, 1);
    EXPECT_EQ(RedoLimit, 1);
    EXPECT_EQ(TilesOnBoard(), 144);
  }
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(StartupFiles, GameMenuSavesAndLoads) {
  KestalonForm form;
  form.FormLoad({"-file", dir.filePath("known.kng")});
  dialogs.nextChoice = dir.filePath("copy.kng");
  form.action("Menus_Game_Save")->trigger();
  EXPECT_EQ(ReadAll(dir.filePath("copy.kng")), ToByteArray(testing::KnownStateByHand().bytes));

  form.action("Menus_Game_New")->trigger();
  EXPECT_EQ(MoveIndex, 1);
  form.action("Menus_Game_Load")->trigger();
  EXPECT_EQ(MoveIndex, 3);
  EXPECT_EQ(RedoLimit, 4);
  EXPECT_EQ(dialogs.dialogTitles, (QStringList{"Save Game", "Load Saved Game"}));
  EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace kestalon
