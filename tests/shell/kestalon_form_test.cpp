// The main window offscreen: presses on the board, the right-button menu, tile size, New Game,
// the order in which an operation's drawing and result dialog come, and
// drawing and hit-testing at device pixel ratio 2.
#include <QDialog>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "assets/asset_paths.h"
#include "core/rules.h"
#include "display/board_widget.h"
#include "shell/kestalon_form.h"
#include "tests/support/board_setup.h"
#include "tests/support/qt_test_environment.h"

using namespace kestalon;
using namespace kestalon::testing;


class KestalonFormTest : public QObject {
  Q_OBJECT

 public:
  static void initMain() {
    PinQtTestEnvironment();
    // The second run (see CMakeLists.txt) draws on a surface of twice the pixel density.
    qputenv("QT_SCALE_FACTOR", qgetenv("KESTALON_TEST_SCALE_FACTOR"));  // unset: empty, ignored
  }

 private:
  // Its deals lay out boards without a move, as many as come.
  KestalonForm form{std::make_unique<ScriptedRandom>(RandomSequenceDealing(BoardWithoutMoves()))};

  int CentreX(Position p) const { return form.board()->geometry().CentreX(p); }
  int CentreY(Position p) const { return form.board()->geometry().CentreY(p); }
  // What the screen shows at the centre of a position: what was painted, not merely drawn.
  QRgb ShownAt(Position p) {
    const QPoint at = form.board()->mapTo(&form, QPoint(CentreX(p), CentreY(p)));
    return form.screen()->grabWindow(form.winId()).toImage().pixel(at);
  }
  // What the board's surface holds at the centre of a position: green where no tile is drawn.
  bool DrawnAt(Position p) const {
    return form.board()->Surface().toImage().pixel(CentreX(p), CentreY(p)) != qRgb(0, 128, 0);
  }
  bool Enabled(const char* item) const { return form.action(item)->isEnabled(); }
  void Press(Position p) {
    QTest::mousePress(form.board(), Qt::LeftButton, {}, {CentreX(p), CentreY(p)});
  }

  // Answers the next result dialogs that open, in turn: notes what each saw of the board
  // (whether position p was drawn: "+" or "-") and whether another was open under it; closes
  // each by its New Game button while newGames last, then by its title bar.
  struct Results {
    int toAnswer;
    int newGames;
    QStringList opened = {};
  };
  void AnswerResults(Results& results, Position p) {
    QTimer::singleShot(0, &form, [this, &results, p] {
      const auto dialogs = form.findChildren<QDialog*>();
      const auto open = std::ranges::count_if(dialogs, [](QDialog* d) { return d->isVisible(); });
      auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (modal)
        results.opened << modal->objectName() + (DrawnAt(p) ? "+" : "-") +
                              (open > 1 ? " over" : "");
      // Armed again before answering, so that a dialog opened by the answer is seen too.
      if (!modal || --results.toAnswer > 0) AnswerResults(results, p);
      if (!modal) return;
      if (results.newGames-- > 0)
        QTest::mouseClick(modal->findChild<QPushButton*>(), Qt::LeftButton);
      else
        modal->reject();
    });
  }

 private slots:
  void initTestCase() {
    form.game() = PoolOrderGame();  // no deal: the scripted deals have no move
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
  }

  // Large Tiles there and back keeps the game and the window; presses remove a pair, and the
  // screen shows it gone; the right button pops up the Game menu with its history items as
  // the record allows; New Game leaves nothing to redo.
  void mouseTileSizeAndGameMenu() {
    // Two pairs of free tiles: the game goes on after the first.
    Game& game = form.game();
    game = BoardWith({{1, kRedDragon}, {12, kRedDragon}, {13, kGreenDragon}, {20, kGreenDragon}});
    const auto board = game.Board;
    const QRect regular = form.geometry();
    form.action("optlargetiles")->trigger();
    QCOMPARE(form.board()->size(), QSize(960, 480));
    form.action("optlargetiles")->trigger();
    QVERIFY(form.geometry() == regular && game.Board == board);

    QTRY_COMPARE(ShownAt(144), qRgb(0, 128, 0));  // the screen has caught up with this board
    QTest::mousePress(form.board(), Qt::LeftButton, {}, {CentreX(1), CentreY(1)});
    QTest::mousePress(form.board(), Qt::MiddleButton, {}, {CentreX(12), CentreY(12)});
    QTRY_VERIFY(game.Board[1] == 0 && game.Board[12] == 0 && ShownAt(12) == qRgb(0, 128, 0));
    QTest::mousePress(form.board(), Qt::RightButton, {}, {CentreX(13), CentreY(13)});
    QVERIFY(form.gameMenu()->isVisible() && Enabled("Menus_Game_Undo") &&
            !Enabled("Menus_Game_Redo") && Enabled("Menus_Game_Replay"));
    form.action("Menus_Game_Undo")->trigger();
    QCOMPARE(game.Board[1], kRedDragon);
  }

  // A press shows its board first, then the result dialog; Undo only draws; Redo of the last
  // pair shows the win before the empty board.
  void aWinIsShownAfterThePressAndBeforeTheRedo() {
    Game& game = form.game();
    game = BoardWith({{1, kRedDragon}, {12, kRedDragon}});
    game.MoveIndex = game.RedoLimit = 72;
    Results results{.toAnswer = 2, .newGames = 0};
    AnswerResults(results, 1);
    Press(1);
    Press(12);
    form.UpdateGameMenu();
    form.action("Menus_Game_Undo")->trigger();
    QVERIFY(DrawnAt(1));
    form.UpdateGameMenu();
    form.action("Menus_Game_Redo")->trigger();
    QVERIFY(!DrawnAt(1));
    QCOMPARE(results.opened, (QStringList{"Well_done-", "Well_done+"}));
  }

  // New Game deals a board without a move: its loss dialog's New Game deals another, drawn
  // while the dialog is open, whose loss is shown once that dialog has closed, never over it.
  void aLossDealtFromTheLossDialogIsShownAfterIt() {
    form.game() = BoardWith({});
    Results results{.toAnswer = 2, .newGames = 1};
    AnswerResults(results, 1);
    form.action("Menus_Game_New")->trigger();
    QCOMPARE(results.opened, (QStringList{"No_available_move-", "No_available_move+"}));
    form.UpdateGameMenu();
    QVERIFY(std::ranges::count(form.game().Board, 0) == 1 && !Enabled("Menus_Game_Redo"));
  }

  // At ratio 2 the board is drawn from the twice-size pictures, and a click through the
  // window still finds its tile.
  void drawsAndHitTestsAtRatioTwo() {
    if (form.devicePixelRatioF() != 2) QSKIP("runs as kestalon_form_ratio_two");
    form.game() = BoardWith({{12, kFirstCircle}});
    form.DrawBoard();
    // Position 12's picture lies at 44, 20 (its face at 50, 20 behind a 6-pixel band); inside
    // the face, device pixel for device pixel, the board shows the twice-size picture.
    const QRect inside(24, 10, 60, 50);
    const QImage shown = form.board()->Surface().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage picture = QImage(TilePicturePath(false, kFirstCircle, true)).copy(inside);
    QCOMPARE(shown.copy(inside.translated(88, 40)), picture.convertToFormat(shown.format()));
    const QPoint centre = form.board()->mapTo(&form, QPoint(CentreX(12), CentreY(12)));
    QTest::mousePress(form.windowHandle(), Qt::LeftButton, {}, centre);
    QCOMPARE(form.game().SelectedPos, 12);
  }
};

QTEST_MAIN(KestalonFormTest)
#include "kestalon_form_test.moc"
