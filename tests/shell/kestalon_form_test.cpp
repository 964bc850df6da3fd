// The main window offscreen: menus, start-up, presses on the board, tile size and New Game.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "core/rules.h"
#include "display/board_widget.h"
#include "display/layout/board_layout.h"
#include "shell/kestalon_form.h"
#include "tests/support/fake_runtime.h"
#include "tests/support/qt_test_environment.h"

using namespace kestalon;

namespace {

// A random sequence that deals a board without a legal move: the free tiles of a full
// board are all of different kinds (one flower, one season, one of each other kind).
std::vector<float> NoMoveDealSequence() {
  std::array<TileKind, kBoardEntries> wanted{};
  std::array<int, 43> left{};
  for (int k = 1; k <= 42; ++k) left[k] = k < 9 ? 1 : 4;
  Board.fill(1);
  Board[0] = 0;
  std::vector<Position> freePositions;
  for (int p = 1; p <= kPositionCount; ++p) {
    if (IsFree(static_cast<Position>(p))) freePositions.push_back(static_cast<Position>(p));
  }
  std::vector<TileKind> distinct{1, 5};
  for (TileKind k = 9; k <= 42; ++k) distinct.push_back(k);
  for (std::size_t i = 0; i < freePositions.size(); ++i) {
    wanted[freePositions[i]] = distinct[i];
    --left[distinct[i]];
  }
  int kind = 1;
  for (int p = 1; p <= kPositionCount; ++p) {
    if (wanted[p] != 0) continue;
    while (left[kind] == 0) ++kind;
    wanted[p] = static_cast<TileKind>(kind);
    --left[kind];
  }
  // The pool holds kinds 1..42, then 9..42 three times; take a matching entry for each spot.
  std::array<TileKind, kBoardEntries> pool{};
  for (int e = 1; e <= 42; ++e) pool[e] = static_cast<TileKind>(e);
  for (int e = 43; e <= 144; ++e) pool[e] = static_cast<TileKind>((e - 43) % 34 + 9);
  std::vector<float> values;
  for (int p = 1; p <= kPositionCount; ++p) {
    int e = 1;
    while (pool[e] != wanted[p]) ++e;
    pool[e] = 0;
    values.push_back((e - 0.5f) / kPositionCount);
  }
  return values;
}

}  // namespace

class KestalonFormTest : public QObject {
  Q_OBJECT

 public:
  static void initMain() { kestalon::testing::PinQtTestEnvironment(); }

 private:
  std::unique_ptr<KestalonForm> form;

  QImage BoardPicture() const {
    return form->board()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }
  static QPoint Centre(Position p) {
    return {TilePosXY[p].x + TileWidth / 2, TilePosXY[p].y + TileHeight / 2};
  }
  void Press(Position p, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(form->board(), button, {}, Centre(p));
  }
  // Lays out a known position: two free Red dragons at 1 and 12, a free Green at 13.
  void SetSmallBoard() {
    Board.fill(0);
    MoveHistory.fill(MoveRecord{});
    for (int p = 2; p <= 11; ++p) Board[p] = 20;  // a blocked row between them
    Board[1] = 9;
    Board[12] = 9;
    Board[13] = 11;
    MoveIndex = 1;
    RedoLimit = 1;
    SelectedPos = 0;
    AvailableMoves = CountAvailableMoves();
    form->DrawBoard(0);
  }

 private slots:
  void init() {
    form = std::make_unique<KestalonForm>();
    form->FormLoad({});
    form->action("optsound")->setChecked(false);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
  }
  void cleanup() { form.reset(); }

  void startsWithADealtBoardInTheRegularSize() {
    QCOMPARE(form->windowTitle(), QStringLiteral("PC Kestalon"));
    QCOMPARE(form->board()->size(), QSize(640, 360));
    QCOMPARE(MoveIndex, 1);
    QCOMPARE(TilesRemaining(), 144);
    int tiles = 0;
    for (int p = 1; p <= kPositionCount; ++p) tiles += Board[p] > 0;
    QCOMPARE(tiles, 144);
    QCOMPARE(AvailableMoves, CountAvailableMoves());
    QVERIFY(!form->action("optlargetiles")->isChecked());
  }

  void menuBarHasEveryItemInOrderWithItsCaption() {
    const QStringList expected{"Menus_Game|&Game",
                               "Menus_Game_New|&New Game",
                               "Menus_Separator0|",
                               "Menus_Game_Load|&Load Game",
                               "Menus_Game_Save|&Save Game",
                               "Menus_Separator1|",
                               "Menus_Game_Status|Status",
                               "Menus_Game_Show|Show  Available Moves",
                               "Menus_Seperator2|",
                               "Menus_Game_Replay|Replay Moves",
                               "Menus_Game_Redo|Redo Move",
                               "Menus_Game_Undo|&Undo (Last Move Only)",
                               "Menus_Separator3|",
                               "Menus_Game_Exit|E&xit",
                               "optmenu|&Options",
                               "optsound|Sound",
                               "optlargetiles|Large Tiles",
                               "Opts_Seperator|",
                               "Menus_Options_Savesettings|Save Settings",
                               "Menus_Help|&Help",
                               "Menus_Help_Rules|Rules of Kestalon",
                               "Menus_Separator2|",
                               "Menus_Help_About|About Kestalon"};
    QStringList actual;
    for (QAction* top : form->menuBar()->actions()) {
      QMenu* menu = top->menu();
      QVERIFY(menu);
      actual << menu->objectName() + "|" + menu->title();
      for (QAction* item : menu->actions()) {
        actual << item->objectName() + "|" + (item->isSeparator() ? QString() : item->text());
        QVERIFY(item->shortcut().isEmpty());
      }
    }
    QCOMPARE(actual, expected);
    QVERIFY(form->action("optsound")->isCheckable());
    QVERIFY(form->action("optlargetiles")->isCheckable());
  }

  void pressesSelectAndRemoveAPairAndTheBoardShowsItGone() {
    SetSmallBoard();
    const QImage before = BoardPicture();
    Press(1);
    QCOMPARE(SelectedPos, 1);
    const QImage selected = BoardPicture();
    QVERIFY(selected.pixel(Centre(1)) != before.pixel(Centre(1)));
    QCOMPARE(selected.pixel(Centre(12)), before.pixel(Centre(12)));
    Press(12, Qt::MiddleButton);
    QCOMPARE(Board[1], TileKind{0});
    QCOMPARE(Board[12], TileKind{0});
    QCOMPARE(MoveIndex, 2);
    const QImage after = BoardPicture();
    QCOMPARE(after.pixel(Centre(1)), qRgb(0, 128, 0));
    QCOMPARE(after.pixel(Centre(12)), qRgb(0, 128, 0));
    QCOMPARE(after.pixel(Centre(13)), before.pixel(Centre(13)));
  }

  void rightButtonPopsUpTheGameMenuWithItsItemsUpToDate() {
    SetSmallBoard();
    Press(1);
    Press(12);
    QSignalSpy shown(form->gameMenu(), &QMenu::aboutToShow);
    Press(13, Qt::RightButton);
    QCOMPARE(shown.count(), 1);
    QTRY_VERIFY(form->gameMenu()->isVisible());
    QVERIFY(form->action("Menus_Game_Undo")->isEnabled());
    QVERIFY(!form->action("Menus_Game_Redo")->isEnabled());
    QVERIFY(form->action("Menus_Game_Replay")->isEnabled());
    QCOMPARE(SelectedPos, 0);
    form->gameMenu()->hide();
  }

  void undoAndRedoFromTheMenuWalkTheRecord() {
    SetSmallBoard();
    Press(1);
    Press(12);
    form->action("Menus_Game_Undo")->trigger();
    QCOMPARE(Board[1], TileKind{9});
    QCOMPARE(MoveIndex, 1);
    form->UpdateGameMenu();
    QVERIFY(!form->action("Menus_Game_Undo")->isEnabled());
    QVERIFY(form->action("Menus_Game_Redo")->isEnabled());
    QVERIFY(form->action("Menus_Game_Replay")->isEnabled());
    form->action("Menus_Game_Redo")->trigger();
    QCOMPARE(Board[1], TileKind{0});
    QCOMPARE(BoardPicture().pixel(Centre(1)), qRgb(0, 128, 0));
  }

  void largeTilesKeepsTheGameClearsTheSelectionAndTogglesBackExactly() {
    SetSmallBoard();
    Press(1);
    const auto board = Board;
    const QRect regular = form->geometry();
    form->action("optlargetiles")->trigger();
    QVERIFY(form->action("optlargetiles")->isChecked());
    QCOMPARE(form->board()->size(), QSize(960, 480));
    QCOMPARE(TileWidth, std::int16_t{63});
    QCOMPARE(SelectedPos, 0);
    QVERIFY(Board == board);
    // The large board is drawn with the large pictures at the large positions.
    QVERIFY(BoardPicture().pixel(Centre(13)) != qRgb(0, 128, 0));
    form->action("optlargetiles")->trigger();
    QCOMPARE(form->board()->size(), QSize(640, 360));
    QCOMPARE(form->geometry(), regular);
  }

  void newGameDealsAgainAndLeavesNothingToRedo() {
    SetSmallBoard();
    Press(1);
    Press(12);
    form->action("Menus_Game_Undo")->trigger();
    Press(13);
    form->action("Menus_Game_New")->trigger();
    QCOMPARE(MoveIndex, 1);
    QCOMPARE(RedoLimit, 1);
    QCOMPARE(SelectedPos, 0);
    QCOMPARE(TilesRemaining(), 144);
    form->UpdateGameMenu();
    QVERIFY(!form->action("Menus_Game_Undo")->isEnabled());
    QVERIFY(!form->action("Menus_Game_Redo")->isEnabled());
    QVERIFY(!form->action("Menus_Game_Replay")->isEnabled());
  }

  // New Game in the loss dialog deals another board without a move: the player ends with
  // the new deal and one announcement, never two loss dialogs at once.
  void lossDialogsNewGameOnAnotherLostDealShowsOneDialogAtATime() {
    BuildLayout(false);
    testing::FakeRuntime runtime(NoMoveDealSequence(), false);
    InstallRuntime(&runtime);
    int seen = 0;
    int mostOpenAtOnce = 0;
    QTimer watcher;
    watcher.setInterval(5);
    connect(&watcher, &QTimer::timeout, [&] {
      int open = 0;
      for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QDialog*>(w);
        if (!dialog || !dialog->isVisible() || dialog->objectName() != "No_available_move")
          continue;
        ++open;
        // Each showing is a new dialog (perhaps at the old one's address): mark it.
        if (dialog->property("answered").toBool()) continue;
        dialog->setProperty("answered", true);
        if (++seen == 1) {
          // Queued, so that the watcher itself is not stuck inside the button's handler.
          QMetaObject::invokeMethod(
              dialog->findChild<QAbstractButton*>(QStringLiteral("NAM_New_Game")), "click",
              Qt::QueuedConnection);
        } else {
          dialog->reject();
        }
      }
      mostOpenAtOnce = std::max(mostOpenAtOnce, open);
    });
    watcher.start();
    form->action("Menus_Game_New")->trigger();
    watcher.stop();
    InstallRuntime(nullptr);
    QCOMPARE(seen, 2);
    QCOMPARE(mostOpenAtOnce, 1);
    QCOMPARE(runtime.randomizeCalls, 2);
    QCOMPARE(MoveIndex, 1);
    QCOMPARE(AvailableMoves, 0);
    QCOMPARE(CountAvailableMoves(), 0);
  }

  void pressOnEmptySpaceWithASelectionClearsIt() {
    SetSmallBoard();
    Press(1);
    QTest::mousePress(form->board(), Qt::LeftButton, {}, QPoint(630, 350));
    QCOMPARE(SelectedPos, 0);
    QCOMPARE(Board[1], TileKind{9});
  }
};

QTEST_MAIN(KestalonFormTest)
#include "kestalon_form_test.moc"
