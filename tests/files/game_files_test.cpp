// Saved games on disk: the Load Game and Save Game commands (the hand-built file, what every
// load sets, redraws, reports and never announces, failed saves, the file dialogs) and a game
// named on the command line at start-up.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include <QAction>
#include <QFileSystemModel>
#include <QTemporaryDir>

#include <sys/stat.h>

#include "shell/formats/save_game_format.h"
#include "shell/game_files.h"
#include "shell/kestalon_form.h"
#include "tests/files/file_test_support.h"
#include "tests/files/known_game_file.h"
#include "tests/support/fake_runtime.h"

namespace kestalon {
namespace {

using testing::ReadAll;
using testing::WriteAll;

// Everything a load may change: the game, the pick it clears and the count it redoes.
using LiveGame = std::tuple<SavedGame, std::int16_t, std::int16_t>;
LiveGame Live() {
  return {CaptureGameState(), SelectedPos, AvailableMoves};
}

struct GameFiles : ::testing::Test {
  QString Path(const QString& name) const { return name.isEmpty() ? name : dir.filePath(name); }
  void SaveAs(const QString& name) {
    dialogs.nextChoice = Path(name);
    SaveGameCommand(nullptr);
  }

  testing::FakeGame game;
  QTemporaryDir dir;
  testing::ScriptedDialogs dialogs;
};

TEST_F(GameFiles, EveryLoadRedrawsAnnouncesNothingAndSetsTheGameOrSaysWhyNot) {
  struct Load {
    QString name;
    std::optional<LiveGame> loads;  // else the game stays untouched
    const char* error;              // the start of the message, if any
  };
  std::vector<Load> loads;
  auto save = [&](const QString& name) {
    SelectedPos = 0;
    AvailableMoves = CountAvailableMoves();
    loads.push_back({name, Live(), nullptr});
    SaveAs(name);
  };
  SaveAs("");  // cancelled: nothing written
  testing::PlayKnownGame();
  save("known");  // under the name as typed: no extension added
  EXPECT_EQ(ReadAll(Path("known")), testing::Bytes(testing::KnownFile().bytes));
  // The older type reads the same; bytes after the first 889 are ignored.
  WriteAll(Path("OLD.SAV"), testing::Bytes(testing::KnownFile().bytes) + "more");
  loads.push_back({"OLD.SAV", loads.back().loads, nullptr});
  testing::DealPoolOrder();  // won by taking its 72 pairs in pool order
  for (Position p = 1; p <= 7; p += 2) RemovePair(p, static_cast<Position>(p + 1));
  for (Position p = 9; p <= 42; ++p) {
    RemovePair(p, static_cast<Position>(p + 34));
    RemovePair(static_cast<Position>(p + 68), static_cast<Position>(p + 102));
  }
  save("won.kng");
  for (std::uint32_t seed = 1; MoveIndex == kWonMoveIndex; ++seed) {
    testing::PlayRandomGame(seed, 0, [] {});  // a deal, then first pairs until none is left
    for (Position a = 0, b = 0; FindAvailableMove(1, a, b);) RemovePair(a, b);
  }
  save("lost.kng");
  const char* unreadable = "The file \"%1\" could not be read: ";
  WriteAll(Path("not a game.sav"), "PC Kestalon, but no game");
  QDir().mkpath(Path("a folder.kng"));
  // Opening a pipe would wait for a writer: it must be refused at once instead.
  mkfifo(QFile::encodeName(Path("a pipe.kng")).constData(), 0600);
  loads.insert(loads.end(), {{"", {}, nullptr},
                             {"not a game.sav", {}, "This is not a Kestalon Save Game"},
                             {"a folder.kng", {}, unreadable},
                             {"missing.kng", {}, unreadable},
                             {"a pipe.kng", {}, unreadable}});

  for (const Load& load : loads) {
    SCOPED_TRACE(load.name.toStdString());
    testing::DealPoolOrder();  // another game, a tile picked, its count out of date
    RemovePair(5, 8);
    SelectedPos = 20;
    AvailableMoves = -1;
    const LiveGame before = Live();
    game.view.journal.clear();
    dialogs.messages.clear();
    dialogs.nextChoice = Path(load.name);
    LoadGameCommand(nullptr);
    EXPECT_TRUE(Live() == load.loads.value_or(before));
    EXPECT_EQ(game.view.journal, std::vector<std::string>{"draw:0"});  // no sound, no dialog
    ASSERT_EQ(dialogs.messages.size(), load.error ? 1u : 0u);
    if (!load.error) continue;
    const testing::CapturedMessage& box = dialogs.messages[0];
    EXPECT_EQ(box.title, "Error from PC Kestalon");
    EXPECT_EQ(box.icon, QMessageBox::Warning);
    EXPECT_EQ(box.buttons, QMessageBox::Ok);
    EXPECT_TRUE(box.text.startsWith(QString(load.error).replace("%1", Path(load.name))))
        << box.text.toStdString();
  }
}

// The disk full after 100 bytes, and no such folder.
TEST_F(GameFiles, AFailedSaveKeepsTheOldFileAndSaysWhy) {
  testing::DealPoolOrder();
  SaveAs("game.kng");
  const QByteArray old = ReadAll(Path("game.kng"));
  ASSERT_EQ(old.size(), 889);
  testing::PlayKnownGame();
  for (const QString target : {"game.kng", "no such/game.kng"}) {
    dialogs.messages.clear();
    testing::WithFileSizeLimit(100, [&] { SaveAs(target); });
    ASSERT_EQ(dialogs.messages.size(), 1u);
    const QString& text = dialogs.messages[0].text;
    EXPECT_TRUE(
        text.startsWith(QString("The game could not be saved to \"%1\": ").arg(Path(target))))
        << text.toStdString();
    EXPECT_FALSE(text.contains("Unknown error"));  // the system's reason, not a shrug
  }
  EXPECT_EQ(ReadAll(Path("game.kng")), old);
  EXPECT_EQ(testing::FolderEntries(dir.path()), QStringList{"game.kng"});
}

// The types the dialogs filter on: Load opens on .kng and offers .sav; Save adds no suffix.
TEST(FileDialogs, FilterTheGamesOwnTypesAndAddNoSuffix) {
  const struct {
    void (*prepare)(QFileDialog&);
    int typeChosen;  // -1: as the dialog opens
    const char* pattern;
  } cases[] = {{PrepareLoadDialog, -1, "*.kng"},
               {PrepareLoadDialog, 1, "*.sav"},
               {PrepareSaveDialog, -1, "*.kng"}};
  for (const auto& c : cases) {
    QFileDialog dialog;
    c.prepare(dialog);
    if (c.typeChosen >= 0) dialog.selectNameFilter(dialog.nameFilters().at(c.typeChosen));
    EXPECT_EQ(dialog.findChild<QFileSystemModel*>()->nameFilters(), QStringList{c.pattern});
    EXPECT_TRUE(dialog.defaultSuffix().isEmpty());
  }
}

// A good game loads (and the Game menu saves and loads it again); anything else deals, silently.
TEST(StartUp, LoadsTheGameNamedAfterTheFileSwitchElseDeals) {
  QTemporaryDir dir;
  const QString known = dir.filePath("known.kng"), bad = dir.filePath("bad.kng");
  WriteAll(known, testing::Bytes(testing::KnownFile().bytes));
  WriteAll(bad, "PC Kestalon, but no game");
  SavedGame knownGame;
  ASSERT_EQ(DecodeSavedGame(testing::KnownFile().bytes, knownGame), SaveGameFault::None);
  testing::ScriptedDialogs dialogs;
  const std::pair<QStringList, bool> cases[] = {{{"-file", known}, true},
                                                {{"/FILE" + known}, true},
                                                {{}, false},
                                                {{"-file", bad}, false},
                                                {{"-file", dir.filePath("missing.kng")}, false}};
  for (const auto& [arguments, loads] : cases) {
    SCOPED_TRACE(arguments.join(' ').toStdString());
    ApplyToGameState(SavedGame{});
    KestalonForm form;
    form.FormLoad(arguments);
    if (loads) {
      EXPECT_EQ(CaptureGameState(), knownGame);
      dialogs.nextChoice = dir.filePath("copy.kng");
      form.action("Menus_Game_Save")->trigger();
      form.action("Menus_Game_New")->trigger();
      form.action("Menus_Game_Load")->trigger();
      EXPECT_EQ(CaptureGameState(), knownGame);
    } else {
      EXPECT_EQ(MoveIndex, 1);
      EXPECT_EQ(RedoLimit, 1);
      EXPECT_EQ(std::count(Board.begin() + 1, Board.end(), 0), 0);  // a full new deal
    }
  }
  EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace kestalon
