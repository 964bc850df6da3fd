// Centring dialogs over the main window by the outer sizes of both windows.
#include <QAction>
#include <QDialog>
#include <QTest>
#include <QWidget>
#include <cmath>

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

// Where the dialog's outer top-left corner belongs: half the difference of the outer sizes,
// rounded down.
QPoint CentredCorner(const QWidget& dialog, const QWidget& mainWindow) {
  const QRect main = mainWindow.frameGeometry();
  const QSize gap = main.size() - dialog.frameGeometry().size();
  return main.topLeft() + QPoint(static_cast<int>(std::floor(gap.width() / 2.0)),
                                 static_cast<int>(std::floor(gap.height() / 2.0)));
}

bool ShowAt(QWidget& window, const QRect& geometry) {
  window.setGeometry(geometry);
  window.show();
  return QTest::qWaitForWindowExposed(&window);
}

}  // namespace

class DialogPlacementTest : public QObject {
  Q_OBJECT

 public:
  static void initMain() { PinQtTestEnvironment(); }

 private slots:
  void centresByOuterSizes_data() {
    QTest::addColumn<QRect>("mainWindow");
    QTest::addColumn<QSize>("dialog");
    QTest::addColumn<QSize>("loadedSize");  // set by the load step, before the placing
    QTest::newRow("smaller dialog") << QRect(100, 80, 640, 382) << QSize(174, 97) << QSize();
    QTest::newRow("odd difference") << QRect(100, 80, 640, 382) << QSize(173, 96) << QSize();
    QTest::newRow("same height") << QRect(100, 80, 640, 382) << QSize(300, 382) << QSize();
    QTest::newRow("larger, off the screen")
        << QRect(10, 10, 200, 150) << QSize(500, 400) << QSize();
    QTest::newRow("grown by its load step")
        << QRect(100, 80, 640, 382) << QSize(100, 50) << QSize(400, 300);
  }

  void centresByOuterSizes() {
    QFETCH(QRect, mainWindow);
    QFETCH(QSize, dialog);
    QFETCH(QSize, loadedSize);
    QWidget main;
    QVERIFY(ShowAt(main, mainWindow));
    QDialog shown(&main);
    shown.setFixedSize(dialog);

    QRect frame;
    QPoint expected;
    const auto found = WhenModalOpens([&](QDialog& open) {
      QVERIFY(open.isVisible());
      frame = open.frameGeometry();
      expected = CentredCorner(open, main);
    });
    bool loadedWhileHidden = false;
    if (loadedSize.isValid()) {
      ShowCentredModal(shown, &main, [&] {
        loadedWhileHidden = !shown.isVisible();
        shown.setFixedSize(loadedSize);
      });
      QVERIFY(loadedWhileHidden);
    } else {
      ShowCentredModal(shown, &main);
    }
    QVERIFY(*found);
    const QSize client = loadedSize.isValid() ? loadedSize : dialog;
    QCOMPARE(frame.size() - client, main.frameGeometry().size() - main.geometry().size());
    QCOMPARE(frame.topLeft(), expected);
    if (client.height() == mainWindow.height()) QCOMPARE(frame.top(), main.frameGeometry().top());
    if (client.width() > mainWindow.width()) {
      // Not kept on the screen: left of and above the main window's corner.
      QVERIFY(frame.left() < 0);
      QVERIFY(frame.top() < main.frameGeometry().top());
    }
  }

  void everyDialogOpensCentredOverTheMainWindow_data() {
    QTest::addColumn<QString>("item");  // a menu item, or how the game opens the dialog
    QTest::addColumn<QString>("dialog");
    QTest::newRow("status") << "Menus_Game_Status"
                            << "Kestalon_Status";
    QTest::newRow("show moves") << "Menus_Game_Show"
                                << "Kestalon_Show_Moves";
    QTest::newRow("about") << "Menus_Help_About"
                           << "About_Kestalon";
    QTest::newRow("rules") << "Menus_Help_Rules"
                           << "About_Rules";
    QTest::newRow("replay") << "replay"
                            << "Kestalon_Replay";
    QTest::newRow("well done") << "well done"
                               << "Well_done";
    QTest::newRow("no available move") << "no move"
                                       << "No_available_move";
  }

  void everyDialogOpensCentredOverTheMainWindow() {
    QFETCH(QString, item);
    QFETCH(QString, dialog);
    KestalonForm form;
    UseRegularTiles();
    QVERIFY(ShowAt(form, QRect(100, 80, 640, 382)));
    FakeGame game(RandomSequenceForPoolOrder());
    DealNewGame();

    QString opened;
    QRect frame;
    QPoint expected;
    const auto found = WhenModalOpens([&](QDialog& open) {
      opened = open.objectName();
      frame = open.frameGeometry();
      expected = CentredCorner(open, form);
    });
    const bool fromMenu = item.startsWith("Menus_");
    if (fromMenu) {
      QAction* action = form.action(item.toLatin1().constData());
      QVERIFY(action);
      action->trigger();
    } else if (item == "replay") {
      OpenReplay(&form);
    } else if (item == "well done") {
      ShowWellDoneDialog(&form);
    } else {
      ShowNoAvailableMoveDialog(&form);
    }
    QVERIFY(*found);
    QCOMPARE(opened, dialog);
    if (fromMenu) {
      QCOMPARE(frame.topLeft(), expected);
    } else {
      // The toolkit centres these on their owner; allow it a frame's width of guesswork.
      const QPoint offset = frame.center() - form.frameGeometry().center();
      QVERIFY2(offset.manhattanLength() <= 4,
               qPrintable(QStringLiteral("off by %1,%2").arg(offset.x()).arg(offset.y())));
    }
  }
};

QTEST_MAIN(DialogPlacementTest)
#include "dialog_placement_test.moc"
