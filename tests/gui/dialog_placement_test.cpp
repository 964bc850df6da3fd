// Centring dialogs over the main window by the outer sizes of both windows.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QWidget>
#include <memory>

#include "core/rules.h"
#include "dialogs/dialogs.h"
#include "display/tile_size.h"
#include "shell/dialog_placement.h"
#include "shell/kestalon_form.h"
#include "tests/gui/gui_test_support.h"
#include "tests/support/fake_runtime.h"
#include "tests/support/qt_test_environment.h"

using namespace kestalon;
using namespace kestalon::testing;

namespace {

int FloorHalf(int value) {
  return value >= 0 ? value / 2 : -((1 - value) / 2);
}

// Where the dialog's outer top-left corner belongs, from both windows' outer rectangles.
QPoint CentredCorner(const QWidget& dialog, const QWidget& mainWindow) {
  const QRect main = mainWindow.frameGeometry();
  const QRect outer = dialog.frameGeometry();
  return {main.left() + FloorHalf(main.width() - outer.width()),
          main.top() + FloorHalf(main.height() - outer.height())};
}

struct Placed {
  QRect frame;
  QPoint expected;
  bool visible = false;
};

}  // namespace

class DialogPlacementTest : public QObject {
  Q_OBJECT

 public:
  static void initMain() { PinQtTestEnvironment(); }

 private:
  // Shows a dialog of the given client size with ShowCentredModal over a main window.
  Placed ShowOver(QWidget& mainWindow, QSize dialogSize) {
    QDialog dialog(&mainWindow);
    dialog.setFixedSize(dialogSize);
    Placed placed;
    const auto found = WhenModalOpens([&](QDialog& open) {
      placed = {open.frameGeometry(), CentredCorner(open, mainWindow), open.isVisible()};
    });
    ShowCentredModal(dialog, &mainWindow);
    if (!*found) QTest::qFail("no dialog shown", __FILE__, __LINE__);
    return placed;
  }

 private slots:
  void centresByOuterSizes_data() {
    QTest::addColumn<QRect>("mainWindow");
    QTest::addColumn<QSize>("dialog");
    QTest::newRow("smaller dialog") << QRect(100, 80, 640, 382) << QSize(174, 97);
    QTest::newRow("odd difference") << QRect(100, 80, 640, 382) << QSize(173, 96);
    QTest::newRow("same height") << QRect(100, 80, 640, 382) << QSize(300, 382);
    QTest::newRow("larger, off the screen") << QRect(10, 10, 200, 150) << QSize(500, 400);
  }

  void centresByOuterSizes() {
    QFETCH(QRect, mainWindow);
    QFETCH(QSize, dialog);
    QWidget main;
    main.setGeometry(mainWindow);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));

    const Placed placed = ShowOver(main, dialog);
    QVERIFY(placed.visible);
    QCOMPARE(placed.frame.topLeft(), placed.expected);
    if (dialog.height() == mainWindow.height()) {
      QCOMPARE(placed.frame.top(), main.frameGeometry().top());
    }
    if (dialog.width() > mainWindow.width()) {
      // Not kept on the screen: left of and above the main window's corner.
      QVERIFY(placed.frame.left() < 0);
      QVERIFY(placed.frame.top() < main.frameGeometry().top());
    }
  }

  void theLoadStepRunsBeforeThePlacing() {
    QWidget main;
    main.setGeometry(100, 80, 640, 382);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QDialog dialog(&main);
    dialog.setFixedSize(100, 50);

    bool loadedWhileHidden = false;
    Placed placed;
    const auto found = WhenModalOpens([&](QDialog& open) {
      placed = {open.frameGeometry(), CentredCorner(open, main), open.isVisible()};
    });
    // The load step makes the dialog larger: the placing must use the size it leaves.
    ShowCentredModal(dialog, &main, [&] {
      loadedWhileHidden = !dialog.isVisible();
      dialog.setFixedSize(400, 300);
    });
    QVERIFY(*found);
    QVERIFY(loadedWhileHidden);
    QCOMPARE(placed.frame.size() - QSize(400, 300),
             main.frameGeometry().size() - main.geometry().size());
    QCOMPARE(placed.frame.topLeft(), placed.expected);
  }

  void theFourMenuDialogsOpenCentredOverTheMainWindow_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("status") << "Menus_Game_Status"
                            << "Kestalon_Status";
    QTest::newRow("show moves") << "Menus_Game_Show"
                                << "Kestalon_Show_Moves";
    QTest::newRow("about") << "Menus_Help_About"
                           << "About_Kestalon";
    QTest::newRow("rules") << "Menus_Help_Rules"
                           << "About_Rules";
  }

  void theFourMenuDialogsOpenCentredOverTheMainWindow() {
    QFETCH(QString, item);
    QFETCH(QString, dialog);
    KestalonForm form;
    UseRegularTiles();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    FakeGame game(RandomSequenceForPoolOrder());
    DealNewGame();

    QString opened;
    Placed placed;
    const auto found = WhenModalOpens([&](QDialog& open) {
      opened = open.objectName();
      placed = {open.frameGeometry(), CentredCorner(open, form), open.isVisible()};
    });
    QAction* action = form.action(item.toLatin1().constData());
    QVERIFY(action);
    action->trigger();
    QVERIFY(*found);
    QCOMPARE(opened, dialog);
    QCOMPARE(placed.frame.topLeft(), placed.expected);
  }

  void replayAndResultDialogsOpenOverTheirOwner_data() {
    QTest::addColumn<int>("which");
    QTest::newRow("replay") << 0;
    QTest::newRow("well done") << 1;
    QTest::newRow("no available move") << 2;
  }

  void replayAndResultDialogsOpenOverTheirOwner() {
    QFETCH(int, which);
    QWidget main;
    main.setGeometry(100, 80, 640, 382);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    FakeGame game;

    QRect frame;
    const auto found = WhenModalOpens([&](QDialog& open) { frame = open.frameGeometry(); });
    if (which == 0) OpenReplay(&main);
    if (which == 1) ShowWellDoneDialog(&main);
    if (which == 2) ShowNoAvailableMoveDialog(&main);
    QVERIFY(*found);
    // The toolkit centres a dialog on its owner; allow it a frame's width of guesswork.
    const QPoint offset = frame.center() - main.frameGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 4,
             qPrintable(QStringLiteral("off by %1,%2").arg(offset.x()).arg(offset.y())));
  }
};

QTEST_MAIN(DialogPlacementTest)
#include "dialog_placement_test.moc"
