// Saved games on disk: the Game menu's Load Game and Save Game (the hand-built file, what every
// load sets and reports, failed saves, the file dialogs) and a bad file named on the command
// line at start-up.
#include <algorithm>
#include <optional>

#include <QApplication>
#include <QFileSystemModel>
#include <QTimer>

#include <sys/stat.h>

#include "core/rules.h"
#include "shell/formats/save_game_format.h"
#include "tests/files/file_test_support.h"
#include "tests/files/known_game_file.h"
#include "tests/support/board_setup.h"

namespace kestalon {
namespace {

// The Game menu's Load Game and Save Game on a file chosen in a scratch folder.
struct GameFiles : ::testing::Test {
  QString Path(const QString& name) const { return name.isEmpty() ? name : dir.filePath(name); }
  void Use(const char* item, const QString& name) {
    dialogs.nextChoice = Path(name);
    form.action(item)->trigger();
  }
  void SaveAs(const QString& name) { Use("Menus_Game_Save", name); }

  KestalonForm form;
  Game& game = form.game();
  QTemporaryDir dir;
  testing::ScriptedDialogs dialogs;
};

TEST_F(GameFiles, EveryLoadSetsTheGameOrSaysWhyNot) {
  // The name, the game it holds (else the game stays untouched), the message up to its reason.
  std::vector<std::tuple<QString, std::optional<Game>, QString>> loads;
  auto save = [&](const QString& name) {
    Game loaded = game;  // with nothing picked and the moves counted
    loaded.SelectedPos = 0;
    loaded.AvailableMoves = CountAvailableMoves(game);
    loads.push_back({name, loaded, ""});
    SaveAs(name);
  };
  SaveAs("");                       // cancelled: nothing written
  game = testing::PoolOrderGame();  // KnownFile's game, played
  RemovePair(game, 1, 4);
  RemovePair(game, 9, 43);
  RemovePair(game, 144, 110);
  TakeBackMove(game);
  save("known");  // under the name as typed: no extension added
  EXPECT_EQ(testing::ReadAll(Path("known")), testing::Bytes(testing::KnownFile().bytes));
  // The older type reads the same; bytes after the first 889 are ignored.
  testing::WriteAll(Path("OLD.SAV"), testing::Bytes(testing::KnownFile().bytes) + "more");
  loads.push_back({"OLD.SAV", std::get<1>(loads.back()), ""});
  game = testing::PoolOrderGame();  // won by taking its 72 pairs in pool order
  for (Position p = 1; p <= 7; p += 2) RemovePair(game, p, static_cast<Position>(p + 1));
  for (Position p = 9; p <= 42; ++p) {
    RemovePair(game, p, static_cast<Position>(p + 34));
    RemovePair(game, static_cast<Position>(p + 68), static_cast<Position>(p + 102));
  }
  save("won.kng");
  EXPECT_TRUE(dialogs.messages.isEmpty());
  testing::WriteAll(Path("not a game.sav"), "PC Kestalon, but no game");
  // Opening a pipe would wait for a writer: it must be refused at once instead.
  mkfifo(QFile::encodeName(Path("a pipe.kng")).constData(), 0600);
  loads.insert(loads.end(), {{"", {}, ""},
                             {"not a game.sav", {}, "This is not a Kestalon Save Game"},
                             {"missing.kng", {}, "The file \"%1\" could not be read"},
                             {"a pipe.kng", {}, "The file \"%1\" could not be read"}});

  for (const auto& [name, loaded, error] : loads) {
    SCOPED_TRACE(name.toStdString());
    game = testing::PoolOrderGame();  // another game, a tile picked, its count out of date
    game.SelectedPos = 20;
    game.AvailableMoves = -1;
    const Game before = game;
    dialogs.messages.clear();
    Use("Menus_Game_Load", name);
    EXPECT_TRUE(game == loaded.value_or(before));
    EXPECT_EQ(dialogs.messages.join('|').section(": ", 0, 0),
              QString(error).replace("%1", Path(name)));
  }
}

// The disk full after 100 bytes, and no such folder.
TEST_F(GameFiles, AFailedSaveKeepsTheOldFileAndSaysWhy) {
  game = testing::PoolOrderGame();
  SaveAs("game.kng");
  const QByteArray old = testing::ReadAll(Path("game.kng"));
  RemovePair(game, 1, 4);  // a game that differs from the one in the file
  for (const QString target : {"game.kng", "no such/game.kng"}) {
    dialogs.messages.clear();
    testing::WithFileSizeLimit(100, [&] { SaveAs(target); });
    EXPECT_EQ(dialogs.messages.join('|').section(": ", 0, 0),
              QString("The game could not be saved to \"%1\"").arg(Path(target)));
    EXPECT_FALSE(dialogs.messages.join('|').contains("Unknown error"));  // the system's reason
  }
  EXPECT_EQ(testing::ReadAll(Path("game.kng")), old);
}

// The real dialogs as the game prepares them: Load opens on .kng and offers .sav, and returns
// the file chosen in it; Save offers .kng and adds no suffix to the name typed.
TEST(FileDialogs, FilterTheGamesOwnTypesAndReturnTheFileChosen) {
  auto patterns = [](QFileDialog* d) { return d->findChild<QFileSystemModel*>()->nameFilters(); };
  QTimer::singleShot(0, [&] {  // answers the modal Load dialog as a player would
    auto* load = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    EXPECT_EQ(patterns(load), QStringList{"*.kng"});
    load->selectNameFilter(load->nameFilters().at(1));
    EXPECT_EQ(patterns(load), QStringList{"*.sav"});
    load->selectFile("/tmp/old.sav");
    load->QDialog::accept();  // as its Open button does, without looking for the file
  });
  EXPECT_EQ(ChooseFile(nullptr, PrepareLoadDialog), "/tmp/old.sav");
  QFileDialog save;
  PrepareSaveDialog(save);
  EXPECT_EQ(patterns(&save), QStringList{"*.kng"});
  EXPECT_TRUE(save.defaultSuffix().isEmpty());
}

// A file that is no game, named on the command line, is passed over silently: the game deals.
// (The real-window tests start with -file few.kng, and ParseCommandLine reads the switch.)
TEST(StartUp, DealsSilentlyWhenTheFileNamedIsNoGame) {
  QTemporaryDir dir;
  testing::WriteAll(dir.filePath("bad.kng"), "PC Kestalon, but no game");
  testing::ScriptedDialogs dialogs;
  KestalonForm form;
  form.FormLoad({"-file", dir.filePath("bad.kng")});
  EXPECT_EQ(std::count(form.game().Board.begin() + 1, form.game().Board.end(), 0), 0);
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

}  // namespace
}  // namespace kestalon
