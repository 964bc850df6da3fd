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

 private slots:
  void newGameOrClose_data() {
    QTest::addColumn<bool>("won");
    QTest::addColumn<bool>("newGame");
    QTest::newRow("well done, New Game") << true << true;
    QTest::newRow("well done, closed") << true << false;
    QTest::newRow("no move, New Game") << false << true;
    QTest::newRow("no move, closed") << false << false;
  }

  void newGameOrClose() {
    QFETCH(bool, won);
    QFETCH(bool, newGame);
    QWidget mainWindow;
    mainWindow.resize(640, 382);
    mainWindow.show();
    WatchingView view;
    FakeGame game(RandomSequenceForPoolOrder());
    InstallView(&view);
    if (won) {
      SetUpBoard({});
      MoveIndex = RedoLimit = kWonMoveIndex;
    } else {
      SetUpBoard({{3, kRedDragon}, {15, kGreenDragon}});
      MoveIndex = RedoLimit = 72;
    }
    const auto before = Board;
    const QString name = won ? "Well_done" : "No_available_move";

    RunModal<QDialog>([&] { (won ? ShowWellDoneDialog : ShowNoAvailableMoveDialog)(&mainWindow); },
                      [&](QDialog& dialog) {
                        QCOMPARE(dialog.objectName(), name);
                        auto* button =
                            dialog.findChild<QPushButton*>(won ? "Command1" : "NAM_New_Game");
                        QVERIFY(button);
                        QCOMPARE(button->text(), QStringLiteral("New Game"));
                        if (newGame) {
                          QTest::mouseClick(button, Qt::LeftButton);
                        } else {
                          dialog.close();
                        }
                        QVERIFY(!dialog.isVisible());
                      });
    if (newGame) {
      // Dealt and drawn while the dialog was still open.
      QCOMPARE(MoveIndex, 1);
      QCOMPARE(RedoLimit, 1);
      QCOMPARE(TilesOnBoard(), 144);
      QCOMPARE(game.runtime.randomizeCalls, 1);
      QCOMPARE(view.draws, std::vector<Position>{0});
      QCOMPARE(view.openAtDraw, QStringList{name});
    } else {
      QVERIFY(Board == before);
      QCOMPARE(MoveIndex, won ? kWonMoveIndex : 72);
      QCOMPARE(game.runtime.randomizeCalls, 0);
      QVERIFY(view.draws.empty());
    }
  }

  void texts() {
    WellDoneDialog wellDone;
    auto* label = wellDone.findChild<QLabel*>(QStringLiteral("Label1"));
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("Well Done!!"));

    NoAvailableMoveDialog noMove;
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
