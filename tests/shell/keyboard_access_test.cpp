// Playing without a mouse: board keys through the real window, and the board and the
// Status window as assistive technology reads them.
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTest>

#include "core/rules.h"
#include "dialogs/status_dialog.h"
#include "display/board_widget.h"
#include "shell/kestalon_form.h"
#include "tests/support/board_setup.h"
#include "tests/support/qt_test_environment.h"

using namespace kestalon;

class KeyboardAccessTest : public QObject {
  Q_OBJECT

 public:
  static void initMain() { testing::PinQtTestEnvironment(); }

 private:
  KestalonForm form;
  const Game& game = form.game();

  void Keys(Qt::Key key, int times = 1) {
    for (int i = 0; i < times; ++i) QTest::keyClick(form.windowHandle(), key);
  }
  void Type(const char* letters) { QTest::keyClicks(form.board(), letters); }
  QString Said() const { return form.board()->announcement(); }
  QAccessibleInterface* Board() { return QAccessible::queryAccessibleInterface(form.board()); }
  Position Cursor() const { return form.board()->cursor().pos(); }

 private slots:
  void initTestCase() {
    form.game() = testing::PoolOrderGame();  // free pairs: kinds 20 at 20 and 88, and nine more
    form.DrawBoard();
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
  }

  void boardReadsAsItsTiles() {
    QCOMPARE(Board()->text(QAccessible::Name), QStringLiteral("Board"));
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
    QCOMPARE(Board()->text(QAccessible::Description),
             QStringLiteral("144 tiles, 10 moves available"));
  }

  // Tab to a tile, pick it, type-ahead to its match, take the pair; a refused press; each
  // said through the board's announcement.
  void playsAPairFromTheKeyboard() {
    Keys(Qt::Key_Tab);  // shows the cursor on 1, and does nothing else
    QCOMPARE(Cursor(), 1);
    QCOMPARE(Board()->focusChild(), Board()->child(0));
    Type("ci5");  // free tiles in turn: 12 East wind, 13 West wind, 20 Circles 5
    QCOMPARE(Board()->focusChild()->text(QAccessible::Name), QStringLiteral("Circles 5"));
    Keys(Qt::Key_Space);
    QCOMPARE(game.SelectedPos, 20);
    QVERIFY(Board()->child(19)->state().selected);
    QCOMPARE(Said(), QStringLiteral("Circles 5 picked"));
    Type("ci5");  // a new search, from 21 (Circles 6) on: the other Circles 5, at 88
    QCOMPARE(Cursor(), 88);
    Keys(Qt::Key_Return);
    QCOMPARE(game.MoveHistory[1], (MoveRecord{20, 20, 88, 20}));
    QCOMPARE(Said(),
             QStringLiteral("Circles 5 and Circles 5 removed. 142 tiles, 11 moves available"));
    // The cursor moves on to 89, freed by the removal.
    QCOMPARE(Cursor(), 89);
    QCOMPARE(Board()->childCount(), 143);
    QCOMPARE(Board()->focusChild()->text(QAccessible::Name), QStringLiteral("Circles 6"));
    QVERIFY(Board()->focusChild()->state().focused);
    QCOMPARE(Board()->text(QAccessible::Description),
             QStringLiteral("142 tiles, 11 moves available"));
    Keys(Qt::Key_Left);   // onto 90, hemmed in by 89 and 91
    Keys(Qt::Key_Space);  // refused
    QCOMPARE(game.SelectedPos, 0);
    QCOMPARE(Said(), QStringLiteral("Circles 7 is blocked"));
    Type("q");
    QCOMPARE(Said(), QStringLiteral("No free tile q"));
    QCOMPARE(Cursor(), 90);
  }

  void escapeMenuKeyAndMouse() {
    Keys(Qt::Key_Right);  // back onto 89
    Keys(Qt::Key_Space);
    Keys(Qt::Key_Escape);  // drops the pick
    QCOMPARE(Said(), QStringLiteral("Pick dropped"));
    QCOMPARE(game.SelectedPos, 0);
    Keys(Qt::Key_Menu);
    QCOMPARE(QApplication::activePopupWidget(), form.gameMenu());
    QCOMPARE(form.gameMenu()->pos(), form.board()->mapToGlobal(QPoint(390, 53)));  // right of 89
    form.gameMenu()->close();
    Keys(Qt::Key_Tab);  // the board has the keyboard again
    QVERIFY(Cursor() != 89);
    QTest::mouseClick(form.board(), Qt::LeftButton, {}, QPoint(5, 350));
    QCOMPARE(Cursor(), 0);  // a mouse press hides the cursor
  }

  void statusNumbersReachTheReader() {
    StatusDialog status(&form);
    status.Load(game);
    auto* tiles = QAccessible::queryAccessibleInterface(status.tilesRemaining());
    QCOMPARE(tiles->text(QAccessible::Name), QStringLiteral("142"));
    QCOMPARE(tiles->relations(QAccessible::Label).value(0).first->text(QAccessible::Name),
             QStringLiteral("Tiles Remaining"));
    QCOMPARE(QAccessible::queryAccessibleInterface(status.moves())->text(QAccessible::Name),
             QStringLiteral("11"));
  }
};

QTEST_MAIN(KeyboardAccessTest)
#include "keyboard_access_test.moc"
