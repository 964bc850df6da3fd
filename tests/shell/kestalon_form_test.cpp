// The main window offscreen: the board's keys and the board as assistive technology reads it
// (what the real screen reader in e2e.screen_reader does not check), presses on the board,
// tile size there and back, New Game, the dialogs, the order in which an operation's drawing
// and result dialog come, and drawing and hit-testing at device pixel ratio 2.
#include <QAccessible>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <map>

#include "assets/asset_paths.h"
#include "core/rules.h"
#include "dialogs/dialogs.h"
#include "dialogs/number_box.h"
#include "dialogs/replay_dialog.h"
#include "dialogs/show_moves_dialog.h"
#include "dialogs/status_dialog.h"
#include "dialogs/up_down_control.h"
#include "display/board_widget.h"
#include "shell/kestalon_form.h"
#include "tests/support/board_setup.h"
#include "tests/support/qt_test_environment.h"

using namespace kestalon;
using namespace kestalon::testing;

namespace {

// Bottom-layer positions far enough apart that none touches another: each is free.
constexpr Position kA = 3, kB = 8, kC = 15, kD = 20, kE = 27, kF = 33, kG = 40, kH = 46;
constexpr Position kSpots[] = {kA, kB, kC, kD, kE, kF, kG, kH};
constexpr TileKind R = kRedDragon, G = kGreenDragon, E = kEastWind;

// Runs open(), which shows a modal dialog, and whileOpen on it once its event loop runs; then
// closes it (as by its title bar) if still open. Fails the test unless a Dialog opened.
template <typename Dialog>
void RunModal(const std::function<void()>& open, const std::function<void(Dialog&)>& whileOpen) {
  bool found = false;
  QObject scope;  // cancels the call below should open() return without a dialog
  QTimer::singleShot(0, &scope, [&] {
    auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    auto* dialog = qobject_cast<Dialog*>(modal);
    found = dialog != nullptr;
    if (found) whileOpen(*dialog);
    if (modal && modal->isVisible()) modal->reject();
  });
  open();
  QVERIFY2(found, "no such modal dialog opened");
}

// Each sign clicks the spinner once: "+" its increase arrow, "-" its decrease arrow.
void Click(UpDownControl* spinner, QString signs) {
  for (QChar sign : signs)
    QTest::mouseClick(sign == '+' ? spinner->increaseButton() : spinner->decreaseButton(),
                      Qt::LeftButton);
}

// Tiles on kA, kB, ... in turn; AvailableMoves as last counted; actions on the Show Moves
// dialog (spinner clicks, "=7" types into the number box, "p" clicks Play), each with the
// box's text it leaves and the move then listed (its first tile picked, its second listed)
// and drawn highlighted.
struct Listing {
  std::vector<TileKind> kinds;
  int moves;
  std::vector<std::tuple<const char*, const char*, Position, Position>> steps;
};

// clang-format off
const std::map<QString, Listing> kListings{
    // Pairs in counting order, lowest first tile then lowest second; the number box is kept
    // within 1 and the count, the spinner follows it and reaches every move.
    {"counting order and clamping", {{R, R, R, R, G, G, G, G}, 12,
     {{"", "1", kA, kB}, {"+", "2", kA, kC}, {"++", "4", kB, kC}, {"+++", "7", kE, kF},
      {"+++++", "12", kG, kH}, {"+", "12", kG, kH}, {"=99", "12", kG, kH}, {"=0", "1", kA, kB},
      {"-", "1", kA, kB}}}},
    // No move: the box settles on "0", a tile picked before is let go.
    {"no move", {{R, 0, G, 0, E}, 0, {{"", "0", 0, 0}, {"+", "0", 0, 0}, {"-", "0", 0, 0}}}},
    // A count made before the board changed lists a move that is not there: Play only closes.
    {"stale count", {{R, 0, R, 0, E}, 3, {{"+", "2", 0, 0}, {"p", "2", 0, 0}}}},
    // Play closes on the listed move: its first tile picked, its second the press to make.
    {"play", {{R, 0, R, 0, R, 0, G}, 3, {{"++", "3", kC, kE}, {"p", "3", kC, kE}}}},
};
// clang-format on

}  // namespace

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
  QAccessibleInterface* Board() { return QAccessible::queryAccessibleInterface(form.board()); }
  Position Cursor() const { return form.board()->cursor().pos(); }
  QPoint Centre(Position p) const {
    return {form.board()->geometry().CentreX(p), form.board()->geometry().CentreY(p)};
  }
  // What the board's surface holds at the centre of a position: green where no tile is drawn.
  bool DrawnAt(Position p) const {
    return form.board()->Surface().toImage().pixel(Centre(p)) != qRgb(0, 128, 0);
  }
  bool Enabled(const char* item) const { return form.action(item)->isEnabled(); }
  void Press(Position p, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(form.board(), button, {}, Centre(p));
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
    form.move(100, 10);  // where the dialogs below are placed from
  }

  // The dialogs: what Show Moves and Replay do to a game and ask of the board; where each
  // dialog appears over the main window and which item opens it; and that every control has a
  // spoken name, lies inside its dialog and overlaps no other.
  void showMovesListsAndHighlightsMoveN_data() {
    QTest::addColumn<QString>("listing");
    for (const auto& [name, listing] : kListings) QTest::newRow(qPrintable(name)) << name;
  }

  void showMovesListsAndHighlightsMoveN() {
    QFETCH(QString, listing);
    const Listing& row = kListings.at(listing);
    Game game;
    for (std::size_t i = 0; i < row.kinds.size(); ++i) game.Board[kSpots[i]] = row.kinds[i];
    game.AvailableMoves = static_cast<std::int16_t>(row.moves);
    game.SelectedPos = kC;  // a tile picked before opening
    const auto board = game.Board;
    MovePair shown{kC, 0};  // what the board shows: highlights drawn last
    int draws = 0;
    ShowMovesDialog dialog(game, {[&](Position a, Position b) {
                                    shown = {a, b};
                                    ++draws;
                                  },
                                  [](const QString&) {}});
    dialog.Load();
    dialog.show();
    QCOMPARE(dialog.playButton()->isEnabled(), row.moves > 0);
    for (const auto& [action, box, first, second] : row.steps) {
      const int drawsBefore = draws;
      if (action[0] == '=')
        dialog.numberBox()->setText(action + 1);
      else if (action[0] == 'p')
        QTest::mouseClick(dialog.playButton(), Qt::LeftButton);
      else
        Click(dialog.spinner(), action);
      const QByteArray where = QByteArray("after \"") + action + '"';
      QVERIFY2(dialog.numberBox()->text() == box, where);
      QVERIFY2(game.SelectedPos == first && dialog.listedSecondPos() == second, where);
      // The board shows the listed move; a move not found redraws nothing.
      QVERIFY2(first != 0 ? shown == (MovePair{first, second}) : draws == drawsBefore, where);
    }
    // Without any move the pick was let go on loading and the board drawn so, once.
    if (row.moves == 0) QVERIFY(shown == MovePair{} && draws == 1);
    const auto& [last, lastBox, lastFirst, lastSecond] = row.steps.back();
    QCOMPARE(dialog.isVisible(), last[0] != 'p');
    QCOMPARE(dialog.moveToPlay(), last[0] == 'p' ? lastSecond : Position{0});
    QVERIFY(game.Board == board);
  }

  // Each step takes a move back or makes it again (the boards they leave are checked with the
  // core) and redraws; a step beyond either end does nothing; stepping onto a position without
  // a move announces nothing.
  void replayStepsThroughTheRecordAndAnnouncesNothing() {
    Game& game = form.game();
    game = BoardWith({{kA, R}, {kC, R}, {kE, G}, {kG, G}, {kH, E}});
    RemovePair(game, kA, kC);
    RemovePair(game, kE, kG);  // leaves no pair
    game.AvailableMoves = 1;   // as counted before the last move
    game.SelectedPos = kH;
    form.DrawBoard();  // so that a step that fails to redraw leaves this board showing

    RunModal<ReplayDialog>(
        [&] { form.action("Menus_Game_Replay")->trigger(); },
        [&](ReplayDialog& dialog) {
          QVERIFY(game.SelectedPos == 0 && dialog.numberBox()->text() == "2");
          for (auto [signs, to] :
               {std::pair{"-", 1}, {"-", 0}, {"-", 0}, {"+", 1}, {"+", 2}, {"+", 2}}) {
            Click(dialog.spinner(), signs);
            QCOMPARE(dialog.numberBox()->text(), QString::number(to));
            QCOMPARE(DrawnAt(kE), to < 2);  // the board is redrawn at every step
          }
          QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
          QVERIFY(!dialog.isVisible());
        });
    QCOMPARE(game.AvailableMoves, 1);
  }

  // Centred over the main window by outer sizes (the offscreen platform gives every window a
  // 2-pixel frame): half the difference, rounded down, and not kept on the screen. The main
  // window is 644 x 386 outside from 100, 10. Status, 246 x 103 outside, goes to
  // 100 + 398 / 2 = 299 and 10 + 283 / 2 = 151; Rules, 457 x 419, to 100 + 187 / 2 = 193 and
  // 10 - 33 / 2 = -7 (rounded down, above the screen). Qt itself places Replay and the result
  // dialogs over their owner.
  void eachDialogOpensInPlaceWithUsableControls_data() {
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QPoint>("corner");
    // Rows are named by a Game or Help menu item, or by the result announced.
    QTest::newRow("Menus_Game_Status") << QString("Kestalon_Status") << QPoint(299, 151);
    QTest::newRow("Menus_Game_Show") << QString("Kestalon_Show_Moves") << QPoint(333, 152);
    QTest::newRow("Menus_Game_Replay") << QString("Kestalon_Replay") << QPoint(333, 153);
    QTest::newRow("Menus_Help_Rules") << QString("About_Rules") << QPoint(193, -7);
    QTest::newRow("Menus_Help_About") << QString("About_Kestalon") << QPoint(210, 110);
    QTest::newRow("won") << QString("Well_done") << QPoint(296, 154);
    QTest::newRow("lost") << QString("No_available_move") << QPoint(298, 154);
  }

  void eachDialogOpensInPlaceWithUsableControls() {
    QFETCH(QString, dialog);
    QFETCH(QPoint, corner);
    const QByteArray opener = QTest::currentDataTag();
    const bool result = opener == "won" || opener == "lost";
    form.game() = PoolOrderGame();
    // As a replay leaves it: Status shows the count, it does not count.
    form.game().AvailableMoves = 7;
    int newGamesWhileOpen = 0;
    const auto newGame = [&] { newGamesWhileOpen += QApplication::activeModalWidget() != nullptr; };
    RunModal<QDialog>(
        [&] {
          if (QAction* item = form.action(opener.constData())) item->trigger();
          if (result)
            ShowResultDialog(&form, opener == "won" ? GameEnd::Won : GameEnd::NoMoveLeft, newGame);
        },
        [&](QDialog& open) {
          QCOMPARE(open.objectName(), dialog);
          QCOMPARE(open.frameGeometry().topLeft(), corner);
          // What a player reads or uses; the parts Qt builds inside a text box do not count.
          QList<QWidget*> controls = open.findChildren<QWidget*>();
          controls.removeIf([](QWidget* w) {
            return !w->inherits("QAbstractButton") && !w->inherits("QLabel") &&
                   !w->inherits("QLineEdit") && !w->inherits("QPlainTextEdit") &&
                   !w->inherits("QGroupBox");
          });
          const auto place = [&](QWidget* w) {
            return QRect(w->mapTo(&open, QPoint()), w->size());
          };
          for (QWidget* control : controls) {
            const QByteArray where = (dialog + '/' + control->objectName()).toLatin1();
            const QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(control);
            QVERIFY2(spoken && !spoken->text(QAccessible::Name).isEmpty(), where);
            QVERIFY2(open.rect().contains(place(control)), where);
            for (QWidget* other : controls) {
              const QRect both = place(control).intersected(place(other));
              // A spinner sits under its number box, tucked under the box's lower border
              // (checked from the box's side).
              const bool tucked = other->inherits("QLineEdit") ||
                                  (control->inherits("QLineEdit") && both.height() <= 3);
              QVERIFY2(both.isEmpty() || tucked || other == control ||
                           other->isAncestorOf(control) || control->isAncestorOf(other),
                       where + " overlaps " + other->objectName().toLatin1());
            }
          }
          if (auto* status = qobject_cast<StatusDialog*>(&open)) {
            QVERIFY(status->tilesRemaining()->text() == "144" && status->moves()->text() == "7");
            for (QWidget* number : {status->tilesRemaining(), status->moves()}) {  // and its label
              const auto* spoken = QAccessible::queryAccessibleInterface(number);
              QVERIFY(!spoken->relations(QAccessible::Label).isEmpty());
            }
          }
          // A result dialog's New Game deals a new game while the dialog is open, then closes it.
          if (!result) return;
          QTest::mouseClick(open.findChild<QPushButton*>(), Qt::LeftButton);
          QVERIFY(!open.isVisible());
        });
    QCOMPARE(newGamesWhileOpen, result ? 1 : 0);
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
    QCOMPARE(form.board()->announcement(), QStringLiteral("Bamboo flower is blocked"));
    QTest::keyClicks(form.board(), "ci5q");  // in quick succession: "ci5" reaches 20
    QCOMPARE(form.board()->announcement(), QStringLiteral("No free tile q"));
    QCOMPARE(Cursor(), 20);
    form.action("Menus_Game_Undo")->setEnabled(true);  // out of date: the popup updates the menu
    Keys(Qt::Key_Menu);
    QVERIFY(QApplication::activePopupWidget() == form.gameMenu() && !Enabled("Menus_Game_Undo"));
    QCOMPARE(form.gameMenu()->pos(), form.board()->mapToGlobal(QPoint(176, 57)));  // right of 20
    form.gameMenu()->close();
    QTest::mouseClick(form.board(), Qt::LeftButton, {}, QPoint(5, 350));
    QCOMPARE(Cursor(), 0);  // a mouse press hides the cursor
  }

  // Large Tiles there and back keeps the game and the window. (e2e.options switches to Large
  // Tiles; e2e.mouse clicks a pair away, and undoes it from the right button's popup.)
  void largeTilesThereAndBack() {
    const QSize regular = form.size();
    const auto board = form.game().Board;
    form.action("optlargetiles")->trigger();
    form.action("optlargetiles")->trigger();
    QVERIFY(form.size() == regular && form.game().Board == board);
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
    const QPoint centre = form.board()->mapTo(&form, Centre(12));
    QTest::mousePress(form.windowHandle(), Qt::LeftButton, {}, centre);
    QCOMPARE(form.game().SelectedPos, 12);
  }
};

QTEST_MAIN(KestalonFormTest)
#include "kestalon_form_test.moc"
