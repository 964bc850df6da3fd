// Saving and loading games on disk through the Load Game and Save Game commands.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

#include "core/rules.h"
#include "shell/file_dialogs.h"
#include "shell/formats/save_game_format.h"
#include "shell/game_files.h"
#include "tests/files/file_test_support.h"
#include "tests/files/game_states.h"
#include "tests/support/fake_runtime.h"

namespace kestalon {
namespace {

using testing::ReadAll;
using testing::ToByteArray;
using testing::WriteAll;

// Everything a load may change, and the two values it resets or recounts.
struct LiveGame {
  SavedGame saved = CaptureGameState();
  std::int16_t selected = SelectedPos;
  std::int16_t available = AvailableMoves;
  friend bool operator==(const LiveGame&, const LiveGame&) = default;
};

class GameFiles : public ::testing::Test {
 protected:
  QString Path(const QString& name) const { return dir.filePath(name); }
  void SaveAs(const QString& name) {
    dialogs.nextChoice = Path(name);
    SaveGameCommand(nullptr);
  }
  void LoadFrom(const QString& name) {
    dialogs.nextChoice = Path(name);
    LoadGameCommand(nullptr);
  }
  // The one message shown was the file error box, and its text starts with textStart.
  void ExpectOneError(const QString& textStart) {
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "Error from PC Kestalon");
    EXPECT_EQ(dialogs.messages[0].icon, QMessageBox::Warning);
    EXPECT_EQ(dialogs.messages[0].buttons, QMessageBox::Ok);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith(textStart))
        << dialogs.messages[0].text.toStdString();
  }
  // A different game to load over: the pool-order deal with one tile picked.
  void PlayAnotherGame() {
    testing::DealPoolOrder();
    RemovePair(5, 8);
    SelectedPos = 20;
  }
  // Takes the first available pair until none is left or MoveIndex reaches limit.
  static void PlayFirstMoves(int limit = kWonMoveIndex) {
    Position a = 0, b = 0;
    while (MoveIndex < limit && FindAvailableMove(1, a, b)) RemovePair(a, b);
  }

  testing::FakeGame game;
  QTemporaryDir dir;
  testing::ScriptedDialogs dialogs;
};

TEST_F(GameFiles, SaveWritesTheKnownStateByteForByteAndChangesNothing) {
  testing::MakeKnownState();
  SelectedPos = 30;
  const LiveGame before;
  SaveAs("known");  // no extension is added
  EXPECT_EQ(dialogs.dialogTitles, QStringList{"Save Game"});
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(ReadAll(Path("known")), ToByteArray(testing::KnownStateByHand().bytes));
  EXPECT_EQ(testing::FolderEntries(dir.path()), QStringList{"known"});
  EXPECT_EQ(LiveGame{}, before);
  EXPECT_TRUE(game.view.draws.empty());
}

TEST_F(GameFiles, HandBuiltKngOrSavFileLoadsWithNothingSelected) {
  testing::MakeKnownState();
  CheckAvailableMoves();  // the game's own count for this position
  const LiveGame known;
  for (const char* name : {"known.kng", "OLD GAME.SAV"}) {
    SCOPED_TRACE(name);
    WriteAll(Path(name), ToByteArray(testing::KnownStateByHand().bytes));
    PlayAnotherGame();
    AvailableMoves = -1;
    game.view.draws.clear();
    LoadFrom(name);
    EXPECT_EQ(dialogs.dialogTitles.last(), "Load Saved Game");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(LiveGame{}, (LiveGame{known.saved, 0, known.available}));
    EXPECT_EQ(game.view.draws, std::vector<Position>{0});
    EXPECT_EQ(game.view.wellDoneShown + game.view.noMovesShown, 0);
  }
}

TEST_F(GameFiles, SaveLoadSaveGivesIdenticalFiles) {
  for (std::uint32_t seed : {3u, 17u}) {
    testing::PlayRandomGame(seed, [] {});
    SaveAs("first.kng");
    PlayAnotherGame();
    LoadFrom("first.kng");
    SaveAs("second.kng");
    const QByteArray first = ReadAll(Path("first.kng"));
    EXPECT_EQ(first.size(), 889);
    EXPECT_EQ(ReadAll(Path("second.kng")), first);
  }
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(GameFiles, RedoAfterLoadReappliesTheSameMoves) {
  testing::PlayRandomGame(5, [] {});
  PlayFirstMoves(8);
  ASSERT_GE(MoveIndex, 4);
  const SavedGame beforeUndo = CaptureGameState();
  for (int i = 0; i < 3; ++i) Undo();
  SaveAs("undone.kng");
  PlayAnotherGame();
  LoadFrom("undone.kng");
  EXPECT_EQ(MoveIndex, beforeUndo.moveIndex - 3);
  for (int i = 0; i < 3; ++i) Redo();
  EXPECT_EQ(CaptureGameState(), beforeUndo);
}

TEST_F(GameFiles, WonAndLostGamesLoadWithoutAnnouncement) {
  testing::MakeWonState();
  SaveAs("won.kng");
  // A position with tiles left and no pair to take: play first moves until stuck.
  for (std::uint32_t seed = 1; MoveIndex == kWonMoveIndex; ++seed) {
    ASSERT_LT(seed, 50u) << "no stuck game found";
    testing::PlayRandomGame(seed, [] {});
    PlayFirstMoves();
  }
  SaveAs("lost.kng");
  const int announcementsBefore = game.view.wellDoneShown + game.view.noMovesShown;

  PlayAnotherGame();
  LoadFrom("won.kng");
  EXPECT_EQ(MoveIndex, kWonMoveIndex);
  EXPECT_EQ(std::count(Board.begin(), Board.end(), 0), 145);
  EXPECT_EQ(AvailableMoves, 0);

  PlayAnotherGame();
  LoadFrom("lost.kng");
  EXPECT_LT(MoveIndex, kWonMoveIndex);
  EXPECT_EQ(AvailableMoves, 0);
  EXPECT_EQ(game.view.wellDoneShown + game.view.noMovesShown, announcementsBefore);
  EXPECT_TRUE(dialogs.messages.empty());
}

// Files that are not saved games, one of each refusal class, and names that cannot be read.
TEST_F(GameFiles, EveryRefusedFileIsReportedAndLeavesTheGameUnchanged) {
  auto bytes = [](std::function<void(testing::HandBuiltFile&)> change) {
    return [change](const QString& path) {
      testing::HandBuiltFile file = testing::KnownStateByHand();
      change(file);
      WriteAll(path, ToByteArray(file.bytes));
    };
  };
  const struct {
    const char* name;
    std::function<void(const QString& path)> make;
    bool notASaveGame;  // else: cannot be read
  } badFiles[] = {
      {"header in other case.kng",
       bytes([](auto& f) { std::copy_n("pc kestalon", 11, f.bytes.begin()); }), true},
      {"not a game.sav", [](const QString& p) { WriteAll(p, "Hello, world"); }, true},
      {"empty.kng", [](const QString& p) { WriteAll(p, {}); }, true},
      {"888 bytes.kng", bytes([](auto& f) { f.bytes.resize(888); }), true},
      {"tile at entry 0.kng", bytes([](auto& f) { f.SetBoard(0, 3); }), true},
      {"MoveIndex 74.kng", bytes([](auto& f) { f.SetCounters(74, 74); }), true},
      {"RedoLimit 2.kng", bytes([](auto& f) { f.SetCounters(3, 2); }), true},
      {"bad slot.kng", bytes([](auto& f) { f.SetSlot(2, 145, 9, 43, 9); }), true},
      {"board against history.kng", bytes([](auto& f) { f.SetBoard(1, 1).SetBoard(2, 0); }), true},
      {"five Red dragons.kng", bytes([](auto& f) { f.SetBoard(10, 9); }), true},
      {"a folder.kng", [](const QString& p) { QDir().mkpath(p); }, false},
      {"missing.kng", [](const QString&) {}, false},
      // Opening a pipe would wait for a writer; it must be refused at once instead.
      {"a pipe.kng", [](const QString& p) { mkfifo(QFile::encodeName(p).constData(), 0600); },
       false},
  };
  for (const auto& bad : badFiles) {
    SCOPED_TRACE(bad.name);
    testing::MakeKnownState();
    CheckAvailableMoves();
    SelectedPos = 2;
    const LiveGame before;
    dialogs.messages.clear();
    game.view.draws.clear();
    bad.make(Path(bad.name));

    // The file call itself only says why; the command shows it.
    QString error;
    EXPECT_FALSE(LoadGameFile(Path(bad.name), &error));
    EXPECT_TRUE(dialogs.messages.empty());
    LoadFrom(bad.name);

    EXPECT_EQ(LiveGame{}, before);
    ExpectOneError(bad.notASaveGame
                       ? QStringLiteral("This is not a Kestalon Save Game")
                       : QStringLiteral("The file \"%1\" could not be read: ").arg(Path(bad.name)));
    if (HasFatalFailure()) return;
    EXPECT_EQ(dialogs.messages[0].text, error);
    if (bad.notASaveGame) {
      EXPECT_EQ(error, "This is not a Kestalon Save Game");
    }
    EXPECT_EQ(game.view.draws, std::vector<Position>{0});
  }
}

TEST_F(GameFiles, CancelledDialogsReadAndWriteNothing) {
  testing::MakeKnownState();
  SelectedPos = 2;
  const LiveGame before;
  dialogs.nextChoice.clear();
  SaveGameCommand(nullptr);
  LoadGameCommand(nullptr);
  EXPECT_EQ(LiveGame{}, before);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_TRUE(testing::FolderEntries(dir.path()).isEmpty());
  EXPECT_EQ(game.view.draws, std::vector<Position>{0});  // Load Game still redraws
}

// The disk full after 100 bytes, a folder in the way, a file as the folder, no folder.
TEST_F(GameFiles, FailedSaveKeepsTheOldFileAndReports) {
  testing::DealPoolOrder();
  SaveAs("game.kng");
  const QByteArray old = ReadAll(Path("game.kng"));
  ASSERT_EQ(old.size(), 889);
  QDir().mkpath(Path("folder.kng/inside"));
  WriteAll(Path("plain"), "x");
  testing::MakeKnownState();
  const LiveGame before;
  for (const char* target : {"game.kng", "folder.kng", "plain/game.kng", "no such/game.kng"}) {
    SCOPED_TRACE(target);
    dialogs.messages.clear();
    {
      const testing::FileSizeLimit limit(100);
      SaveAs(target);
    }
    ExpectOneError(QStringLiteral("The game could not be saved to \"%1\": ").arg(Path(target)));
    if (HasFatalFailure()) return;
    // The reason is the system's ("File too large"), not a shrug.
    EXPECT_FALSE(dialogs.messages[0].text.contains("Unknown error"));
  }
  EXPECT_EQ(ReadAll(Path("game.kng")), old);
  EXPECT_TRUE(QFileInfo(Path("folder.kng/inside")).isDir());
  EXPECT_EQ(ReadAll(Path("plain")), "x");
  EXPECT_EQ(testing::FolderEntries(dir.path()), (QStringList{"folder.kng", "game.kng", "plain"}));
  EXPECT_EQ(LiveGame{}, before);
}

}  // namespace
}  // namespace kestalon
