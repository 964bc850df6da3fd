// The result dialogs: New Game deals, draws and only then closes; any other way out starts
// no new game.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <memory>

#include "core/rules.h"
#include "core/tile_kinds.h"
#include "dialogs/dialogs.h"
#include "dialogs/result_dialogs.h"
#include "tests/gui/gui_test_support.h"
#include "tests/support/fake_runtime.h"
#include "tests/support/qt_test_environment.h"

using namespace kestalon;
using namespace kestalon::testing;

namespace {

// Notes, at each drawing of the board, which modal dialog was open at that moment.
class WatchingView : public FakeView {
 public:
  void DrawBoard(Position highlightPos) override {
    FakeView::DrawBoard(highlightPos);
    QWidget* modal = QApplication::activeModalWidget();
    openAtDraw.push_back(modal && modal->isVisible() ? modal->objectName() : QString());
  }
  QStringList openAtDraw;
};

}  // namespace

class ResultDialogsTest : public QObject {
  Q_OBJECT

 public:
  static void initMain() { PinQtTestEnvironment(); }

 private:
  std::unique_ptr<QWidget> mainWindow_;
  std::unique_ptr<FakeGame> game_;
  std::unique_ptr<WatchingView> view_;

  using Show = void (*)(QWidget*);

  // Shows a result dialog and presses its New Game button, or closes it without.
  void ShowAndAnswer(Show show, const char* name, const char* button, bool newGame) {
    const auto found = WhenModalOpens([&](QDialog& dialog) {
      QCOMPARE(dialog.objectName(), QLatin1String(name));
      auto* newGameButton = dialog.findChild<QPushButton*>(QLatin1String(button));
      QVERIFY(newGameButton);
      QCOMPARE(newGameButton->text(), QStringLiteral("New Game"));
      if (newGame) {
        QTest::mouseClick(newGameButton, Qt::LeftButton);
      } else {
        dialog.close();
      }
      QVERIFY(!dialog.isVisible());
    });
    show(mainWindow_.get());
    QVERIFY(*found);
  }

  static void SetUpWonGame() {
    SetUpBoard({});
    MoveIndex = kWonMoveIndex;
    RedoLimit = kWonMoveIndex;
  }

  static void SetUpLostGame() {
    SetUpBoard({{3, kRedDragon}, {15, kGreenDragon}});
    MoveIndex = 72;
    RedoLimit = 72;
  }

 private slots:
  void init() {
    mainWindow_ = std::make_unique<QWidget>();
    mainWindow_->resize(640, 382);
    mainWindow_->show();
    game_ = std::make_unique<FakeGame>(RandomSequenceForPoolOrder());
    view_ = std::make_unique<WatchingView>();
    InstallView(view_.get());
  }

  void cleanup() {
    game_.reset();
    view_.reset();
    mainWindow_.reset();
  }

  void wellDoneNewGameDealsDrawsThenCloses() {
    SetUpWonGame();
    ShowAndAnswer(ShowWellDoneDialog, "Well_done", "Command1", true);
    QCOMPARE(MoveIndex, 1);
    QCOMPARE(RedoLimit, 1);
    QCOMPARE(TilesOnBoard(), 144);
    QCOMPARE(game_->runtime.randomizeCalls, 1);
    QCOMPARE(view_->draws, std::vector<Position>{0});
    QCOMPARE(view_->openAtDraw, QStringList{QStringLiteral("Well_done")});
  }

  void wellDoneClosedOtherwiseStartsNoGame() {
    SetUpWonGame();
    ShowAndAnswer(ShowWellDoneDialog, "Well_done", "Command1", false);
    QCOMPARE(MoveIndex, kWonMoveIndex);
    QCOMPARE(TilesOnBoard(), 0);
    QCOMPARE(game_->runtime.randomizeCalls, 0);
    QVERIFY(view_->draws.empty());
  }

  void noAvailableMoveNewGameDealsDrawsThenCloses() {
    SetUpLostGame();
    ShowAndAnswer(ShowNoAvailableMoveDialog, "No_available_move", "NAM_New_Game", true);
    QCOMPARE(MoveIndex, 1);
    QCOMPARE(TilesOnBoard(), 144);
    QCOMPARE(view_->draws, std::vector<Position>{0});
    QCOMPARE(view_->openAtDraw, QStringList{QStringLiteral("No_available_move")});
  }

  void noAvailableMoveClosedOtherwiseLeavesTheBoard() {
    SetUpLostGame();
    const auto before = Board;
    ShowAndAnswer(ShowNoAvailableMoveDialog, "No_available_move", "NAM_New_Game", false);
    QVERIFY(Board == before);
    QCOMPARE(MoveIndex, 72);
    QVERIFY(view_->draws.empty());
    QVERIFY(CurrentGameMenuState().undo);
  }

  void texts() {
    WellDoneDialog wellDone;
    QCOMPARE(wellDone.windowTitle(), QStringLiteral("Congratulations"));
    auto* label = wellDone.findChild<QLabel*>(QStringLiteral("Label1"));
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("Well Done!!"));
    QCOMPARE(label->font().pointSizeF(), 24.0);
    QVERIFY(!label->font().bold());

    NoAvailableMoveDialog noMove;
    QCOMPARE(noMove.windowTitle(), QStringLiteral("No Available Moves"));
    label = noMove.findChild<QLabel*>(QStringLiteral("Label1"));
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("There are no more legal moves"));
    QCOMPARE(label->alignment(), Qt::AlignCenter);
    // The whole sentence fits its label.
    QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width());
  }
};

QTEST_MAIN(ResultDialogsTest)
#include "result_dialogs_test.moc"
