// Files on disk through the toolkit. Saved games through the Game menu's Load Game and Save
// Game (the hand-built file, what every load sets and reports, failed saves, the file dialogs)
// and a bad file named on the command line at start-up. The settings file: its bytes, the
// per-user place read first and written when the program's folder cannot be, a failed write,
// and the settings read again by the next start. Scratch files, dialogs and message boxes
// answered in place of a person, and writes made to fail, are the helpers first.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <functional>
#include <optional>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>
#include <sys/stat.h>

#include "core/rules.h"
#include "display/board_widget.h"
#include "shell/file_dialogs.h"
#include "shell/formats/save_game_format.h"
#include "shell/game_files.h"
#include "shell/kestalon_form.h"
#include "shell/settings_location.h"
#include "tests/files/known_game_file.h"
#include "tests/support/board_setup.h"

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

// While alive, answers the real dialogs as a person would: every file dialog chooses
// nextChoice (cancelled when it is empty), and every message box is read and closed.
struct ScriptedDialogs {
  ScriptedDialogs() {
    answer.callOnTimeout([this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        messages << box->text();
        box->accept();
      } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
        files->selectFile(nextChoice);
        // As the dialog's own button does, without its check that the file exists.
        nextChoice.isEmpty() ? files->reject() : files->QDialog::accept();
      }
    });
    answer.start(0);
  }

  QTimer answer;
  QString nextChoice;
  QStringList messages;
};

namespace {

// The Game menu's Load Game and Save Game on a file chosen in a scratch folder.
struct GameFiles : ::testing::Test {
  QString Path(const QString& name) const { return name.isEmpty() ? name : dir.filePath(name); }
  void Use(const char* item, const QString& name) {
    dialogs.nextChoice = Path(name);
    form.action(item)->trigger();
  }
  void SaveAs(const QString& name) { Use("Menus_Game_Save", name); }
  // The board shows the game as a fresh drawing of it, nothing highlighted, would.
  bool BoardShowsTheGame() const {
    BoardWidget fresh(game);
    fresh.DrawBoard(0);
    return form.board()->Surface().toImage() == fresh.Surface().toImage();
  }

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
    EXPECT_TRUE(BoardShowsTheGame());  // drawn whether loaded, refused or cancelled
    EXPECT_EQ(dialogs.messages.join('|').section(": ", 0, 0),
              QString(error).replace("%1", Path(name)));
  }
}

// The disk full after 100 bytes, and no such folder.
TEST_F(GameFiles, AFailedSaveKeepsTheOldFileAndSaysWhy) {
  game = testing::PoolOrderGame();
  SaveAs("game.kng");
  form.board()->Announce({});  // a failed save says nothing of a saved game
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
  EXPECT_TRUE(form.board()->announcement().isEmpty());
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
    KestalonForm form(std::make_unique<ClockSeededRandom>(),
                      programDir);  // its start shows the settings read in the Options menu
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
  EXPECT_TRUE(SaveSettingsCommand(nullptr, dir.filePath("plain"), OptionFlags{true, false}));
  EXPECT_EQ(testing::ReadAll(userFile), Opt("ffff0000"));
  EXPECT_TRUE(SaveSettingsCommand(nullptr, programDir, OptionFlags{false, false}));
  EXPECT_EQ(testing::ReadAll(programFile), Opt("00000000"));
  EXPECT_EQ(testing::ReadAll(userFile), Opt("00000000"));
  EXPECT_TRUE(dialogs.messages.isEmpty());
  // A failed save (a file-size limit beside the program, the per-user folder under a file)
  // keeps the old file and says where it tried.
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("plain")));
  testing::WithFileSizeLimit(5, [&] {
    EXPECT_FALSE(SaveSettingsCommand(nullptr, programDir, {true, false}));
  });
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_TRUE(dialogs.messages[0].contains(programFile));
  EXPECT_TRUE(dialogs.messages[0].contains(dir.filePath("plain/pc-kestalon/knopts.cfg")));
  EXPECT_EQ(testing::ReadAll(programFile), Opt("00000000"));
}

}  // namespace
}  // namespace kestalon::testing
