// The Replay dialog: stepping back and forth through the recorded moves, its guarded ends,
// and that a replay never announces anything.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QWidget>
#include <memory>
#include <vector>

#include "core/rules.h"
#include "core/tile_kinds.h"
#include "dialogs/dialogs.h"
#include "dialogs/replay_dialog.h"
#include "dialogs/up_down_control.h"
#include "tests/gui/gui_test_support.h"
#include "tests/support/fake_runtime.h"
#include "tests/support/qt_test_environment.h"

using namespace kestalon;
using namespace kestalon::testing;

namespace {

bool PairOnBoard(const MoveRecord& move) {
  return Board[move.FirstPos] == move.FirstKind && Board[move.SecondPos] == move.SecondKind;
}

bool PairGone(const MoveRecord& move) {
  return Board[move.FirstPos] == 0 && Board[move.SecondPos] == 0;
}

}  // namespace

class ReplayTest : public QObject {
  Q_OBJECT

 public:
  static void initMain() { PinQtTestEnvironment(); }

 private:
  std::unique_ptr<QWidget> mainWindow_;
  std::unique_ptr<FakeGame> game_;

  void RunReplay(const std::function<void(ReplayDialog&)>& whileOpen) {
    const auto found = WhenModalOpens([&](QDialog& dialog) {
      auto* replay = qobject_cast<ReplayDialog*>(&dialog);
      QVERIFY(replay);
      whileOpen(*replay);
    });
    OpenReplay(mainWindow_.get());
    QVERIFY(*found);
  }

  static void Back(ReplayDialog& dialog) {
    QTest::mouseClick(dialog.spinner()->decreaseButton(), Qt::LeftButton);
  }
  static void Forward(ReplayDialog& dialog) {
    QTest::mouseClick(dialog.spinner()->increaseButton(), Qt::LeftButton);
  }

  // A fixed deal, then five moves, each the first one on offer.
  void PlayFiveMoves() {
    game_->runtime.randomValues = RandomSequenceForPoolOrder();
    DealNewGame();
    for (int m = 1; m <= 5; ++m) {
      Position first = 0;
      Position second = 0;
      QVERIFY(FindAvailableMove(1, first, second));
      RemovePair(first, second);
      CheckAvailableMoves();
    }
    QCOMPARE(MoveIndex, 6);
  }

 private slots:
  void init() {
    mainWindow_ = std::make_unique<QWidget>();
    mainWindow_->resize(640, 382);
    mainWindow_->show();
    game_ = std::make_unique<FakeGame>();
  }

  void cleanup() {
    game_.reset();
    mainWindow_.reset();
  }

  void stepsBackThreeAndForwardTwo() {
    PlayFiveMoves();
    if (QTest::currentTestFailed()) return;
    const auto moves = MoveHistory;
    const std::int16_t countedBefore = AvailableMoves;
    Position first = 0;
    Position second = 0;
    QVERIFY(FindAvailableMove(1, first, second));
    SelectedPos = first;  // a tile picked before opening
    game_->view.journal.clear();

    RunReplay([&](ReplayDialog& dialog) {
      QCOMPARE(dialog.windowTitle(), QStringLiteral("PC Kestalon - Replay"));
      QCOMPARE(dialog.numberBox()->text(), QStringLiteral("5"));
      QCOMPARE(SelectedPos, 0);
      // Opening draws nothing.
      QVERIFY(game_->view.draws.empty());

      // Each step back puts back the latest move in force, 5 then 4 then 3.
      for (int m = 5; m >= 3; --m) {
        Back(dialog);
        QCOMPARE(dialog.numberBox()->text(), QString::number(m - 1));
        QVERIFY(PairOnBoard(moves[m]));
        QVERIFY(PairGone(moves[m - 1]));
      }
      QCOMPARE(dialog.numberBox()->text(), QStringLiteral("2"));
      for (int m = 3; m <= 4; ++m) {
        Forward(dialog);
        QVERIFY(PairGone(moves[m]));
        QVERIFY(PairOnBoard(moves[m + 1]));
      }
      QCOMPARE(dialog.numberBox()->text(), QStringLiteral("4"));
      QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
      QVERIFY(!dialog.isVisible());
    });
    // O.K keeps the position reached, and the last move can be redone.
    QCOMPARE(MoveIndex, 5);
    QCOMPARE(RedoLimit, 6);
    QVERIFY(CurrentGameMenuState().redo);
    QCOMPARE(TilesOnBoard(), 136);
    QCOMPARE(game_->view.draws, (std::vector<Position>{0, 0, 0, 0, 0}));
    QCOMPARE(AvailableMoves, countedBefore);
    QVERIFY(game_->runtime.sounds.empty());
  }

  void clicksBeyondEitherEndDoNothing() {
    PlayFiveMoves();
    if (QTest::currentTestFailed()) return;
    QVERIFY(TakeBackMove());  // one move to redo: the record ends at 5
    game_->view.journal.clear();

    RunReplay([&](ReplayDialog& dialog) {
      QCOMPARE(dialog.numberBox()->text(), QStringLiteral("4"));
      Forward(dialog);
      QCOMPARE(dialog.numberBox()->text(), QStringLiteral("5"));
      const auto boardAtEnd = Board;
      const std::size_t drawsAtEnd = game_->view.draws.size();
      Forward(dialog);
      QCOMPARE(dialog.numberBox()->text(), QStringLiteral("5"));
      QCOMPARE(MoveIndex, 6);
      QVERIFY(Board == boardAtEnd);
      QCOMPARE(game_->view.draws.size(), drawsAtEnd);

      for (int i = 0; i < 5; ++i) Back(dialog);
      QCOMPARE(dialog.numberBox()->text(), QStringLiteral("0"));
      QCOMPARE(TilesOnBoard(), 144);
      const std::size_t drawsAtStart = game_->view.draws.size();
      Back(dialog);
      QCOMPARE(dialog.numberBox()->text(), QStringLiteral("0"));
      QCOMPARE(MoveIndex, 1);
      QCOMPARE(TilesOnBoard(), 144);
      QCOMPARE(game_->view.draws.size(), drawsAtStart);
    });
    QCOMPARE(RedoLimit, 6);
  }

  void steppingOntoAPositionWithoutAMoveAnnouncesNothing() {
    // After its only move, this board has no pair left.
    SetUpBoard({{3, kRedDragon}, {15, kRedDragon}, {27, kGreenDragon}, {40, kEastWind}});
    RemovePair(3, 15);
    AvailableMoves = 1;  // as counted before the move
    game_->view.journal.clear();

    RunReplay([&](ReplayDialog& dialog) {
      Back(dialog);
      QCOMPARE(dialog.numberBox()->text(), QStringLiteral("0"));
      Forward(dialog);
      QCOMPARE(dialog.numberBox()->text(), QStringLiteral("1"));
    });
    QCOMPARE(TilesOnBoard(), 2);
    QCOMPARE(game_->view.noMovesShown, 0);
    QCOMPARE(game_->view.wellDoneShown, 0);
    QVERIFY(game_->runtime.sounds.empty());
    QCOMPARE(AvailableMoves, 1);
    QCOMPARE(game_->view.journal, (std::vector<std::string>{"draw:0", "draw:0"}));
  }
};

QTEST_MAIN(ReplayTest)
#include "replay_test.moc"
