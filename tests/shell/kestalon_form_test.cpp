// The main window offscreen: the board's keys and the board as assistive technology reads it
// (what the real screen reader in e2e.screen_reader does not check), presses on the board,
// tile size there and back, New Game,
// the order in which an operation's drawing and result dialog come, and
// drawing and hit-testing at device pixel ratio 2.
#include <QAccessible>
#include <QDialog>
#include <QMenu>
#include <QPushButton>
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

  void Keys(Qt::Key key) { QTest::keyClick(form.windowHandle(), key); }
  QString Said() const { return form.board()->announcement(); }
  QAccessibleInterface* Board() { return QAccessible::queryAccessibleInterface(form.board()); }
  Position Cursor() const { return form.board()->cursor().pos(); }
  int CentreX(Position p) const { return form.board()->geometry().CentreX(p); }
  int CentreY(Position p) const { return form.board()->geometry().CentreY(p); }
  // What the board's surface holds at the centre of a position: green where no tile is drawn.
  bool DrawnAt(Position p) const {
    return form.board()->Surface().toImage().pixel(CentreX(p), CentreY(p)) != qRgb(0, 128, 0);
  }
  bool Enabled(const char* item) const { return form.action(item)->isEnabled(); }
  void Press(Position p, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(form.board(), button, {}, {CentreX(p), CentreY(p)});
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
    form.DrawBoard();
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
  }

  // The tiles as assistive technology reads them: a name for every kind, free or blocked, the
  // tile's place. Orca (e2e.screen_reader) hears the board's name, counts and announcements.
  void boardReadsAsItsTiles() {
    QCOMPARE(Board()->childCount(), 145);  // the tiles and the announcement
    const std::pair<int, const char*> names[] = {
        {1, "Plum"},     {2, "Bamboo flower"}, {15, "South wind"}, {16, "Circles 1"},
        {33, "Craks 9"}, {34, "Bamboo 1"},     {144, "Bamboo 9"}};
    for (const auto& [pos, name] : names) {
      QCOMPARE(Board()->child(pos - 1)->text(QAccessible::Name), QLatin1String(name));
    }
    QCOMPARE(Board()->child(0)->text(QAccessible::Description), QStringLiteral("free"));
    QCOMPARE(Board()->child(1)->text(QAccessible::Description), QStringLiteral("blocked"));
    QCOMPARE(Board()->child(0)->rect(),
             QRect(form.board()->mapToGlobal(QPoint(512, 20)), QSize(42, 37)));
  }

  // What the Orca scenario does not reach: the focused and selected states, an arrow onto a
  // blocked tile and its refusal, letters typed in quick succession and a name that answers
  // nothing, the Menu key's popup
  // beside the cursor's tile, and a mouse press hiding the cursor.
  void keysTheReaderDoesNotCheck() {
    Keys(Qt::Key_Tab);  // shows the cursor on 1, and does nothing else
    QCOMPARE(Cursor(), 1);
    QVERIFY(Board()->focusChild()->state().focused);
    Keys(Qt::Key_Space);
    QVERIFY(Board()->child(0)->state().selected);
    Keys(Qt::Key_Left);   // onto 2, hemmed in by 1 and 3
    Keys(Qt::Key_Space);  // refused
    QCOMPARE(Said(), QStringLiteral("Bamboo flower is blocked"));
    QTest::keyClicks(form.board(), "ci5q");  // in quick succession: "ci5" reaches 20
    QCOMPARE(Said(), QStringLiteral("No free tile q"));
    QCOMPARE(Cursor(), 20);
    Keys(Qt::Key_Menu);
    QCOMPARE(QApplication::activePopupWidget(), form.gameMenu());
    QCOMPARE(form.gameMenu()->pos(), form.board()->mapToGlobal(QPoint(176, 57)));  // right of 20
    form.gameMenu()->close();
    QTest::mouseClick(form.board(), Qt::LeftButton, {}, QPoint(5, 350));
    QCOMPARE(Cursor(), 0);  // a mouse press hides the cursor
  }

  // Large Tiles there and back keeps the game and the window. (e2e.options switches to Large
  // Tiles; e2e.mouse clicks a pair away, and undoes it from the right button's popup.)
  void largeTilesThereAndBack() {
    const QRect regular = form.geometry();
    const auto board = form.game().Board;
    form.action("optlargetiles")->trigger();
    form.action("optlargetiles")->trigger();
    QVERIFY(form.geometry() == regular && form.game().Board == board);
  }

  // A press (the middle button presses too) shows its board first, then the result dialog;
  // Undo only draws; Redo of the last pair shows the win before the empty board.
  void aWinIsShownAfterThePressAndBeforeTheRedo() {
    Game& game = form.game();
    game = BoardWith({{1, kRedDragon}, {12, kRedDragon}});
    game.MoveIndex = game.RedoLimit = 72;
    Results results{.toAnswer = 2, .newGames = 0};
    AnswerResults(results, 1);
    Press(1);
    Press(12, Qt::MiddleButton);
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
