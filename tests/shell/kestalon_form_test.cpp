// The main window offscreen: presses on the board, the right-button menu, tile size, New Game,
// the Sound item, and drawing and hit-testing at device pixel ratio 2.
#include <QMenu>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "assets/asset_paths.h"
#include "core/rules.h"
#include "display/board_widget.h"
#include "shell/kestalon_form.h"
#include "shell/settings_location.h"
#include "shell/sound_player.h"
#include "tests/support/board_setup.h"
#include "tests/support/qt_test_environment.h"

using namespace kestalon;
using namespace kestalon::testing;

// Notes each sound player that gains a child, a sound effect: players are not in the main
// window's tree.
struct PlayerWatch : QObject {
  QList<SoundPlayer*> players;  // they live as long as the main window
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ChildAdded && qobject_cast<SoundPlayer*>(watched))
      players << qobject_cast<SoundPlayer*>(watched);
    return false;
  }
};

class KestalonFormTest : public QObject {
  Q_OBJECT

 public:
  static void initMain() {
    PinQtTestEnvironment();
    // The second run (see CMakeLists.txt) draws on a surface of twice the pixel density.
    qputenv("QT_SCALE_FACTOR", qgetenv("KESTALON_TEST_SCALE_FACTOR"));  // unset: empty, ignored
  }

 private:
  KestalonForm form;

  // What the screen shows at the centre of a position: what was painted, not merely drawn.
  QRgb ShownAt(Position p) {
    const QPoint at = form.board()->mapTo(&form, QPoint(CentreX(p), CentreY(p)));
    return form.screen()->grabWindow(form.winId()).toImage().pixel(at);
  }
  bool Enabled(const char* item) const { return form.action(item)->isEnabled(); }

 private slots:
  void initTestCase() {
    form.FormLoad({});
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
  }

  // Large Tiles there and back keeps the game and the window; presses remove a pair, and the
  // screen shows it gone; the right button pops up the Game menu with its history items as
  // the record allows; New Game leaves nothing to redo.
  void mouseTileSizeAndGameMenu() {
    // Two pairs of free tiles: the game goes on after the first.
    SetUpBoard({{1, kRedDragon}, {12, kRedDragon}, {13, kGreenDragon}, {20, kGreenDragon}});
    const auto board = Board;
    const QRect regular = form.geometry();
    form.action("optlargetiles")->trigger();
    QCOMPARE(form.board()->size(), QSize(960, 480));
    form.action("optlargetiles")->trigger();
    QVERIFY(form.geometry() == regular && Board == board);

    QTRY_COMPARE(ShownAt(144), qRgb(0, 128, 0));  // the screen has caught up with this board
    QTest::mousePress(form.board(), Qt::LeftButton, {}, {CentreX(1), CentreY(1)});
    QTest::mousePress(form.board(), Qt::MiddleButton, {}, {CentreX(12), CentreY(12)});
    QTRY_VERIFY(Board[1] == 0 && Board[12] == 0 && ShownAt(12) == qRgb(0, 128, 0));
    QTest::mousePress(form.board(), Qt::RightButton, {}, {CentreX(13), CentreY(13)});
    QVERIFY(form.gameMenu()->isVisible() && Enabled("Menus_Game_Undo") &&
            !Enabled("Menus_Game_Redo") && Enabled("Menus_Game_Replay"));
    form.action("Menus_Game_Undo")->trigger();
    QCOMPARE(Board[1], kRedDragon);
    form.action("Menus_Game_New")->trigger();
    form.UpdateGameMenu();
    QVERIFY(std::ranges::count(Board, 0) == 1 && !Enabled("Menus_Game_Redo"));
  }

  // At ratio 2 the board is drawn from the twice-size pictures, and a click through the
  // window still finds its tile.
  void drawsAndHitTestsAtRatioTwo() {
    if (form.devicePixelRatioF() != 2) QSKIP("runs as kestalon_form_ratio_two");
    SetUpBoard({{12, kFirstCircle}});
    form.DrawBoard(0);
    // Position 12's picture lies at 44, 20 (its face at 50, 20 behind a 6-pixel band); inside
    // the face, device pixel for device pixel, the board shows the twice-size picture.
    const QRect inside(24, 10, 60, 50);
    const QImage shown = form.board()->Surface().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage picture = QImage(TilePicturePath(false, kFirstCircle, true)).copy(inside);
    QCOMPARE(shown.copy(inside.translated(88, 40)), picture.convertToFormat(shown.format()));
    const QPoint centre = form.board()->mapTo(&form, QPoint(CentreX(12), CentreY(12)));
    QTest::mousePress(form.windowHandle(), Qt::LeftButton, {}, centre);
    QCOMPARE(SelectedPos, 12);
  }
};

QTEST_MAIN(KestalonFormTest)
#include "kestalon_form_test.moc"
