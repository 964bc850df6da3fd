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
    QCOMPARE(Board()->childCount(), 144);
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

  void playsAPairFromTheKeyboard() {
    Keys(Qt::Key_Tab);  // shows the cursor on 1, and does nothing else
    QCOMPARE(Cursor(), 1);
    QCOMPARE(game.SelectedPos, 0);
    QCOMPARE(Board()->focusChild(), Board()->child(0));
    Keys(Qt::Key_Tab, 3);  // 12, 13, 20
    Keys(Qt::Key_Space);   // picks 20
    Keys(Qt::Key_Left);    // onto 11, hemmed in by 10 and 12
    Keys(Qt::Key_Space);   // refused
    QCOMPARE(game.SelectedPos, 20);
    QVERIFY(Board()->child(19)->state().selected);
    Keys(Qt::Key_Tab, 14);  // 12, 13, 20, 21, 30, 31, 57, 58, 67, 68, 75, 76, 87, 88
    QCOMPARE(Board()->focusChild()->text(QAccessible::Name), QStringLiteral("Circles 5"));
    Keys(Qt::Key_Return);
    QCOMPARE(game.MoveHistory[1], (MoveRecord{20, 20, 88, 20}));
    // The cursor moves on to 89, freed by the removal.
    QCOMPARE(Cursor(), 89);
    QCOMPARE(Board()->childCount(), 142);
    QCOMPARE(Board()->focusChild()->text(QAccessible::Name), QStringLiteral("Circles 6"));
    QVERIFY(Board()->focusChild()->state().focused);
    QCOMPARE(Board()->text(QAccessible::Description),
             QStringLiteral("142 tiles, 11 moves available"));
  }

  void escapeMenuKeyAndMouse() {
    Keys(Qt::Key_Space);
    Keys(Qt::Key_Escape);  // drops the pick
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
