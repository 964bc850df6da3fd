// The dialogs, offscreen: what Show Moves, Replay and the result dialogs do to a game and ask
// of the board; where each dialog appears over the main window and which item opens it; and
// that every control has a spoken name, lies inside its dialog and overlaps no other.
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <map>

#include "core/rules.h"
#include "dialogs/dialogs.h"
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

class DialogsTest : public QObject {
  Q_OBJECT

 public:
  static void initMain() { PinQtTestEnvironment(); }

 private:
  KestalonForm form_;

 private slots:
  void initTestCase() {
    form_.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form_));
    form_.move(100, 10);
  }

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
    ShowMovesDialog dialog(game, [&](Position a, Position b) {
      shown = {a, b};
      ++draws;
    });
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
    Game& game = form_.game();
    game = BoardWith({{kA, R}, {kC, R}, {kE, G}, {kG, G}, {kH, E}});
    RemovePair(game, kA, kC);
    RemovePair(game, kE, kG);  // leaves no pair
    game.AvailableMoves = 1;   // as counted before the last move
    game.SelectedPos = kH;
    form_.DrawBoard();  // so that a step that fails to redraw leaves this board showing

    RunModal<ReplayDialog>(
        [&] { form_.action("Menus_Game_Replay")->trigger(); },
        [&](ReplayDialog& dialog) {
          QVERIFY(game.SelectedPos == 0 && dialog.numberBox()->text() == "2");
          for (auto [signs, to] :
               {std::pair{"-", 1}, {"-", 0}, {"-", 0}, {"+", 1}, {"+", 2}, {"+", 2}}) {
            Click(dialog.spinner(), signs);
            QCOMPARE(dialog.numberBox()->text(), QString::number(to));
            const TileGeometry& g = form_.board()->geometry();
            const QImage shown = form_.board()->Surface().toImage();
            const bool pairShown = shown.pixel(g.CentreX(kE), g.CentreY(kE)) != qRgb(0, 128, 0);
            QCOMPARE(pairShown, to < 2);  // the board is redrawn at every step
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
    form_.game() = PoolOrderGame();
    // As a replay leaves it: Status shows the count, it does not count.
    form_.game().AvailableMoves = 7;
    int newGamesWhileOpen = 0;
    const auto newGame = [&] { newGamesWhileOpen += QApplication::activeModalWidget() != nullptr; };
    RunModal<QDialog>(
        [&] {
          if (QAction* item = form_.action(opener.constData())) item->trigger();
          if (result)
            ShowResultDialog(&form_, opener == "won" ? GameEnd::Won : GameEnd::NoMoveLeft, newGame);
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
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
