// Saving and loading games on disk through the Load Game and Save Game commands.
#include <gtest/gtest.h>

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

using testing::FakeGame;
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
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }
  QString Path(const QString& name) const { return dir.filePath(name); }
  void SaveAs(const QString& name) {
    dialogs.nextChoice = Path(name);
    SaveGameCommand(nullptr);
  }
  void LoadFrom(const QString& name) {
    dialogs.nextChoice = Path(name);
    LoadGameCommand(nullptr);
  }
  void ExpectOneError(const QString& text) {
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "Error from PC Kestalon");
    EXPECT_EQ(dialogs.messages[0].icon, QMessageBox::Warning);
    EXPECT_EQ(dialogs.messages[0].buttons, QMessageBox::Ok);
    EXPECT_EQ(dialogs.messages[0].text, text);
  }
  // A different game to load over: the pool-order deal with one tile picked.
  void PlayAnotherGame() {
    testing::DealPoolOrder();
    RemovePair(5, 8);
    SelectedPos = 20;
  }

  FakeGame game;
  QTemporaryDir dir;
  testing::ScriptedDialogs dialogs;
};

TEST_F(GameFiles, SaveWritesTheKnownStateByteForByteUnderTheNameAsChosen) {
  testing::MakeKnownState();
  SaveAs("known");  // no extension is added
  EXPECT_EQ(dialogs.dialogTitles, QStringList{"Save Game"});
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(ReadAll(Path("known")), ToByteArray(testing::KnownStateByHand().bytes));
  EXPECT_EQ(testing::FolderEntries(dir.path()), QStringList{"known"});
}

TEST_F(GameFiles, SaveChangesNothingInTheGame) {
  testing::MakeKnownState();
  SelectedPos = 30;
  const LiveGame before;
  const auto drawsBefore = game.view.draws.size();
  SaveAs("a.kng");
  EXPECT_EQ(LiveGame{}, before);
  EXPECT_EQ(game.view.draws.size(), drawsBefore);
}

TEST_F(GameFiles, LoadBringsBackTheSavedGameWithNothingSelected) {
  testing::MakeKnownState();
  CheckAvailableMoves();  // the game's own count for this position
  const LiveGame saved;
  SaveAs("known.kng");

  PlayAnotherGame();
  AvailableMoves = -1;
  LoadFrom("known.kng");

  EXPECT_EQ(dialogs.dialogTitles, (QStringList{"Save Game", "Load Saved Game"}));
  EXPECT_TRUE(dialogs.messages.empty());
  const LiveGame loaded;
  EXPECT_EQ(loaded.saved, saved.saved);
  EXPECT_EQ(loaded.selected, 0);
  EXPECT_EQ(loaded.available, saved.available);
  ASSERT_FALSE(game.view.draws.empty());
  EXPECT_EQ(game.view.draws.back(), 0);
  EXPECT_EQ(game.view.wellDoneShown + game.view.noMovesShown, 0);
}

TEST_F(GameFiles, HandBuiltFileLoadsIntoTheKnownState) {
  testing::MakeKnownState();
  const SavedGame expected = CaptureGameState();
  PlayAnotherGame();
  WriteAll(Path("by-hand.kng"), ToByteArray(testing::KnownStateByHand().bytes));
  ASSERT_TRUE(LoadGameFile(Path("by-hand.kng")));
  EXPECT_EQ(CaptureGameState(), expected);
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

TEST_F(GameFiles, OldSavFilesLoadLikeNewOnes) {
  testing::MakeKnownState();
  const SavedGame expected = CaptureGameState();
  SaveAs("game.kng");
  QFile::copy(Path("game.kng"), Path("OLD GAME.SAV"));
  PlayAnotherGame();
  LoadFrom("OLD GAME.SAV");
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(CaptureGameState(), expected);
}

TEST_F(GameFiles, RedoAfterLoadReappliesTheSameMoves) {
  testing::PlayRandomGame(5, [] {});
  while (MoveIndex < 8 && CountAvailableMoves() > 0) {
    Position a = 0, b = 0;
    FindAvailableMove(1, a, b);
    RemovePair(a, b);
  }
  ASSERT_GE(MoveIndex, 4);
  const SavedGame beforeUndo = CaptureGameState();
  Undo();
  Undo();
  Undo();
  SaveAs("undone.kng");
  PlayAnotherGame();
  LoadFrom("undone.kng");
  EXPECT_EQ(MoveIndex, beforeUndo.moveIndex - 3);
  Redo();
  Redo();
  Redo();
  EXPECT_EQ(CaptureGameState(), beforeUndo);
}

TEST_F(GameFiles, WonAndLostGamesLoadWithoutAnnouncement) {
  testing::MakeWonState();
  SaveAs("won.kng");
  // A position with tiles left and no pair to take: play first moves until stuck.
  std::uint32_t seed = 1;
  for (;; ++seed) {
    testing::PlayRandomGame(seed, [] {});
    while (CountAvailableMoves() > 0) {
      Position a = 0, b = 0;
      FindAvailableMove(1, a, b);
      RemovePair(a, b);
    }
    if (MoveIndex < kWonMoveIndex) break;
    ASSERT_LT(seed, 50u) << "no stuck game found";
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

struct BadFile {
  const char* name;
  std::function<void(const QString& path)> make;
  bool notASaveGame;  // else: cannot be read
};

std::vector<BadFile> BadFiles() {
  auto bytes = [](std::function<void(testing::HandBuiltFile&)> change, int size = 889) {
    return [change, size](const QString& path) {
      testing::HandBuiltFile file = testing::KnownStateByHand();
      change(file);
      file.bytes.resize(static_cast<std::size_t>(size));
      WriteAll(path, ToByteArray(file.bytes));
    };
  };
  auto same = [](testing::HandBuiltFile&) {};
  return {
      {"header in other case.kng",
       bytes([](auto& f) { std::copy_n("pc kestalon", 11, f.bytes.begin()); }), true},
      {"not a game.sav", [](const QString& p) { WriteAll(p, "Hello, world"); }, true},
      {"empty.kng", [](const QString& p) { WriteAll(p, {}); }, true},
      {"888 bytes.kng", bytes(same, 888), true},
      {"header only.kng", bytes(same, 11), true},
      {"tile at entry 0.kng", bytes([](auto& f) { f.SetBoard(0, 3); }), true},
      {"MoveIndex 74.kng", bytes([](auto& f) { f.SetCounters(74, 74); }), true},
      {"RedoLimit 2.kng", bytes([](auto& f) { f.SetCounters(3, 2); }), true},
      {"bad position.kng", bytes([](auto& f) { f.SetSlot(2, 145, 9, 43, 9); }), true},
      {"board against history.kng", bytes([](auto& f) { f.SetBoard(1, 1).SetBoard(2, 0); }), true},
      {"a folder.kng", [](const QString& p) { QDir().mkpath(p); }, false},
      {"missing.kng", [](const QString&) {}, false},
      // Opening a pipe would wait for a writer; it must be refused at once instead.
      {"a pipe.kng", [](const QString& p) { mkfifo(QFile::encodeName(p).constData(), 0600); },
       false},
  };
}

TEST_F(GameFiles, EveryRefusedFileIsReportedAndLeavesTheGameUnchanged) {
  for (const BadFile& bad : BadFiles()) {
    SCOPED_TRACE(bad.name);
    testing::MakeKnownState();
    CheckAvailableMoves();
    SelectedPos = 2;
    const LiveGame before;
    dialogs.messages.clear();
    game.view.draws.clear();
    bad.make(Path(bad.name));

    LoadFrom(bad.name);

    EXPECT_EQ(LiveGame{}, before);
    if (bad.notASaveGame) {
      ExpectOneError("This is not a Kestalon Save Game");
    } else {
      ASSERT_EQ(dialogs.messages.size(), 1u);
      EXPECT_EQ(dialogs.messages[0].title, "Error from PC Kestalon");
      EXPECT_EQ(dialogs.messages[0].icon, QMessageBox::Warning);
      EXPECT_TRUE(dialogs.messages[0].text.startsWith(
          QStringLiteral("The file \"%1\" could not be read: ").arg(Path(bad.name))))
          << dialogs.messages[0].text.toStdString();
    }
    EXPECT_EQ(game.view.draws, std::vector<Position>{0});
  }
}

TEST_F(GameFiles, LoadGameFileItselfShowsNothing) {
  testing::MakeKnownState();
  const LiveGame before;
  WriteAll(Path("bad.kng"), "PC Kestalon but far too short");
  QString error;
  EXPECT_FALSE(LoadGameFile(Path("bad.kng"), &error));
  EXPECT_EQ(error, "This is not a Kestalon Save Game");
  EXPECT_FALSE(LoadGameFile(Path("missing.kng"), &error));
  EXPECT_TRUE(error.contains("could not be read"));
  EXPECT_FALSE(LoadGameFile(Path("missing.kng")));
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(LiveGame{}, before);
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

TEST_F(GameFiles, FailedSaveKeepsTheOldFileAndReports) {
  testing::DealPoolOrder();
  SaveAs("game.kng");
  const QByteArray old = ReadAll(Path("game.kng"));
  ASSERT_EQ(old.size(), 889);

  testing::MakeKnownState();
  const LiveGame before;
  {
    const testing::FileSizeLimit limit(100);  // the disk is "full" after 100 bytes
    SaveAs("game.kng");
  }
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].title, "Error from PC Kestalon");
  EXPECT_EQ(dialogs.messages[0].icon, QMessageBox::Warning);
  EXPECT_TRUE(dialogs.messages[0].text.startsWith(
      QStringLiteral("The game could not be saved to \"%1\": ").arg(Path("game.kng"))))
      << dialogs.messages[0].text.toStdString();
  // The reason is the system's ("File too large"), not a shrug.
  EXPECT_FALSE(dialogs.messages[0].text.contains("Unknown error"));
  EXPECT_EQ(ReadAll(Path("game.kng")), old);
  EXPECT_EQ(testing::FolderEntries(dir.path()), QStringList{"game.kng"});  // no leftovers
  EXPECT_EQ(LiveGame{}, before);
}

TEST_F(GameFiles, SavingOntoAFolderOrUnderAFileIsReported) {
  testing::MakeKnownState();
  QDir().mkpath(Path("folder.kng/inside"));
  WriteAll(Path("plain"), "x");
  for (const char* target : {"folder.kng", "plain/game.kng", "no such folder/game.kng"}) {
    SCOPED_TRACE(target);
    dialogs.messages.clear();
    SaveAs(target);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith(
        QStringLiteral("The game could not be saved to \"%1\": ").arg(Path(target))));
  }
  EXPECT_TRUE(QFileInfo(Path("folder.kng/inside")).isDir());
  EXPECT_EQ(ReadAll(Path("plain")), "x");
}

}  // namespace
}  // namespace kestalon
