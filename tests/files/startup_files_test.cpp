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
#include "tests/files/file_test_support.h"
#include "tests/files/game_states.h"

namespace kestalon {
namespace {

using testing::ReadAll;
using testing::ToByteArray;
using testing::WriteAll;

class StartupFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    WriteAll(dir.filePath("known.kng"), ToByteArray(testing::KnownStateByHand().bytes));
    ApplyToGameState(SavedGame{});
  }
  static bool Checked(KestalonForm& form, const char* name) {
    return form.action(name)->isChecked();
  }

  QTemporaryDir dir;
  testing::ScratchSettingsPlaces places{dir.path()};
  testing::ScriptedDialogs dialogs;
};

TEST_F(StartupFiles, FileSwitchLoadsAGoodGameElseASilentNewDealWithDefaultSettings) {
  WriteAll(dir.filePath("bad.kng"), "PC Kestalon, but no game");
  QDir().mkpath(dir.filePath("folder.kng"));
  const QString known = dir.filePath("known.kng");
  SavedGame knownGame;
  ASSERT_EQ(DecodeSavedGame(testing::KnownStateByHand().bytes, knownGame), SaveGameFault::None);
  const struct {
    QStringList arguments;
    bool loads;
  } cases[] = {
      {{"-file", known}, true},
      {{"/FILE", known}, true},
      {{"-File" + known}, true},
      {{}, false},
      {{"-file", dir.filePath("bad.kng")}, false},
      {{"-file", dir.filePath("folder.kng")}, false},
      {{"-file", dir.filePath("missing.kng")}, false},
      {{"-file", "\"" + known + "\""}, false},
      {{"--file", known}, false},
      {{"-file"}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments.join(' ').toStdString());
    ApplyToGameState(SavedGame{});
    KestalonForm form;
    form.FormLoad(c.arguments);
    EXPECT_TRUE(Checked(form, "optsound"));
    EXPECT_FALSE(Checked(form, "optlargetiles"));
    if (c.loads) {
      EXPECT_EQ(CaptureGameState(), knownGame);
      EXPECT_GT(AvailableMoves, 0);  // recounted for Status and Show Moves
    } else {
      EXPECT_EQ(MoveIndex, 1);
      EXPECT_EQ(RedoLimit, 1);
      EXPECT_EQ(std::count(Board.begin() + 1, Board.end(), 0), 0);  // a full new deal
    }
  }
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(StartupFiles, SavedSettingsComeBackAtTheNextStart) {
  {
    KestalonForm form;
    form.FormLoad({});
    form.action("optsound")->trigger();
    form.action("optlargetiles")->trigger();
    form.action("Menus_Options_Savesettings")->trigger();
  }
  EXPECT_EQ(ReadAll(places.programFile), QByteArray("Kesta Opt\x00\x00\xff\xff", 13));
  KestalonForm next;
  next.FormLoad({});
  EXPECT_FALSE(Checked(next, "optsound"));
  EXPECT_TRUE(Checked(next, "optlargetiles"));
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
