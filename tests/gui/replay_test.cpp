// The Replay dialog: stepping back and forth through the recorded moves, its guarded ends,
// and that a replay never announces anything.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QWidget>
#include <memory>
#include <tuple>
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

bool OnBoard(const MoveRecord& move) {
  return Board[move.FirstPos] == move.FirstKind && Board[move.SecondPos] == move.SecondKind;
}

bool Gone(const MoveRecord& move) {
  return Board[move.FirstPos] == 0 && Board[move.SecondPos] == 0;
}

void Step(ReplayDialog& dialog, bool forward) {
  QTest::mouseClick(
      forward ? dialog.spinner()->increaseButton() : dialog.spinner()->decreaseButton(),
      Qt::LeftButton);
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
    RunModal<ReplayDialog>([&] { OpenReplay(mainWindow_.get()); }, whileOpen);
  }

 private slots:
  void init() {
    mainWindow_ = std::make_unique<QWidget>();
    mainWindow_->resize(640, 382);
    mainWindow_->show();
    // A fixed deal, then five moves, each the first one on offer.
    game_ = std::make_unique<FakeGame>(RandomSequenceForPoolOrder());
    DealNewGame();
    QVERIFY(MakeFirstMoves(5));
  }

  void cleanup() {
    game_.reset();
    mainWindow_.reset();
  }

  void stepsBackThreeAndForwardTwo() {
    const auto moves = MoveHistory;
    const std::int16_t countedBefore = AvailableMoves;
    Position second = 0;
    QVERIFY(FindAvailableMove(1, SelectedPos, second));  // a tile picked before opening
    game_->view.journal.clear();

    RunReplay([&](ReplayDialog& dialog) {
      QCOMPARE(dialog.numberBox()->text(), QStringLiteral("5"));
      QCOMPARE(SelectedPos, 0);
      QVERIFY(game_->view.draws.empty());

      // Each step back puts back the latest move in force, 5 then 4 then 3.
      for (int m = 5; m >= 3; --m) {
        Step(dialog, false);
        QCOMPARE(dialog.numberBox()->text(), QString::number(m - 1));
        QVERIFY(OnBoard(moves[m]));
        QVERIFY(Gone(moves[m - 1]));
      }
      for (int m = 3; m <= 4; ++m) {
        Step(dialog, true);
        QVERIFY(Gone(moves[m]));
        QVERIFY(OnBoard(moves[m + 1]));
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
    QVERIFY(TakeBackMove());  // one move to redo: the record ends at 5
    RunReplay([&](ReplayDialog& dialog) {
      QCOMPARE(dialog.numberBox()->text(), QStringLiteral("4"));
      Step(dialog, true);
      // Past the last move, then before the first: box, board and drawing stay as they are.
      for (auto [forward, box, moveIndex, tiles] :
           {std::tuple{true, "5", 6, 134}, std::tuple{false, "0", 1, 144}}) {
        if (!forward) {
          for (int i = 0; i < 5; ++i) Step(dialog, false);
        }
        QCOMPARE(dialog.numberBox()->text(), QLatin1String(box));
        const auto board = Board;
        const std::size_t draws = game_->view.draws.size();
        Step(dialog, forward);
        QCOMPARE(dialog.numberBox()->text(), QLatin1String(box));
        QCOMPARE(MoveIndex, moveIndex);
        QCOMPARE(TilesOnBoard(), tiles);
        QVERIFY(Board == board);
        QCOMPARE(game_->view.draws.size(), draws);
      }
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
      Step(dialog, false);
      QCOMPARE(dialog.numberBox()->text(), QStringLiteral("0"));
      Step(dialog, true);
      QCOMPARE(dialog.numberBox()->text(), QStringLiteral("1"));
    });
    QCOMPARE(TilesOnBoard(), 2);
    QCOMPARE(game_->view.journal, (std::vector<std::string>{"draw:0", "draw:0"}));
    QVERIFY(game_->runtime.sounds.empty());
    QCOMPARE(AvailableMoves, 1);
  }
};

QTEST_MAIN(ReplayTest)
#include "replay_test.moc"
