// The main window offscreen: the board's keys and the board and menus as assistive technology
// reads them (what the real screen reader in e2e.screen_reader does not check), presses on the
// board, tile size there and back, New Game, the dialogs, the order in which an operation's
// drawing, sound and result dialog come, and drawing and hit-testing at device pixel ratio 2.
#include <QAccessible>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <map>
#include <random>

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
#include "shell/sound_player.h"
#include "tests/support/board_setup.h"
#include "tests/support/qt_test_environment.h"

using namespace kestalon;
using namespace kestalon::testing;

namespace {

// Bottom-layer positions far enough apart that none touches another: each is free.
constexpr Position kA = 3, kB = 8, kC = 15, kD = 20, kE = 27, kF = 33, kG = 40, kH = 46;
constexpr Position kSpots[] = {kA, kB, kC, kD, kE, kF, kG, kH};
constexpr TileKind R = kRedDragon, G = kGreenDragon, E = kEastWind;
constexpr TileKind kPlum = kFirstFlower, kOrchid = kFirstFlower + 3;
constexpr TileKind kSpring = kFirstSeason, kWinter = kFirstSeason + 3;

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

// Each sign is one step of a Show Moves or Replay dialog: "+" and "-" click the spinner's
// arrows, "u" and "d" are Up and Down on the number box, "r" is Return on the focused "+".
template <typename Dialog>
void Steps(Dialog& dialog, QString signs) {
  for (QChar sign : signs) {
    QToolButton* arrow = dialog.spinner()->increaseButton();
    if (sign == '-') arrow = dialog.spinner()->decreaseButton();
    if (sign == 'r') arrow->setFocus();
    if (sign == 'u' || sign == 'd')
      QTest::keyClick(dialog.numberBox(), sign == 'u' ? Qt::Key_Up : Qt::Key_Down);
    else if (sign == 'r')
      QTest::keyClick(arrow, Qt::Key_Return);
    else
      QTest::mouseClick(arrow, Qt::LeftButton);
  }
}

// Tiles on kA, kB, ... in turn; AvailableMoves as last counted; actions on the Show Moves
// dialog (steps as Steps() takes them, "=7" types into the box, "p" clicks Play), each with the
// box's text it leaves and the move then listed (its first tile picked, its second listed) and
// drawn highlighted; what was said last.
struct Listing {
  std::vector<TileKind> kinds;
  int moves;
  std::vector<std::tuple<const char*, const char*, Position, Position>> steps;
  const char* said;
};

// clang-format off
const std::map<QString, Listing> kListings{
    // Pairs in counting order, lowest first tile then lowest second; the number box is kept
    // within 1 and the count, the spinner follows it and reaches every move.
    {"counting order and clamping", {{R, R, R, R, G, G, G, G}, 12,
     {{"", "1", kA, kB}, {"+", "2", kA, kC}, {"++", "4", kB, kC}, {"+++", "7", kE, kF},
      {"+++++", "12", kG, kH}, {"+", "12", kG, kH}, {"=99", "12", kG, kH}, {"=0", "1", kA, kB},
      {"-", "1", kA, kB}}, "Move 1 of 12: Red dragon and Red dragon"}},
    // The keys step as the arrows do; any flower matches a flower, any season a season.
    {"keys", {{kPlum, kSpring, kOrchid, kWinter}, 2,
     {{"u", "2", kB, kD}, {"u", "2", kB, kD}, {"d", "1", kA, kC}, {"u", "2", kB, kD}},
     "Move 2 of 2: Spring and Winter"}},
    // No move: the box settles on "0", a tile picked before is let go.
    {"no move", {{R, 0, G, 0, E}, 0, {{"", "0", 0, 0}, {"+", "0", 0, 0}, {"-", "0", 0, 0}},
     "No moves available"}},
    // A count made before the board changed lists a move that is not there: Play only closes.
    {"stale count", {{R, 0, R, 0, E}, 3, {{"+", "2", 0, 0}, {"p", "2", 0, 0}},
     "Move 2 of 3 not found"}},
    // Play closes on the listed move: its first tile picked, its second the press to make.
    {"play", {{R, 0, R, 0, R, 0, G}, 3, {{"++", "3", kC, kE}, {"p", "3", kC, kE}},
     "Move 3 of 3: Red dragon and Red dragon"}},
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
  // The program's folder holds the three sounds, as empty files: a sound that starts is heard.
  QTemporaryDir programDir;
  QStringList sounds;  // started since the last dialog opened; "*": while a dialog was open
  // Its deals lay out boards without a move, as many as come.
  KestalonForm form{std::make_unique<ScriptedRandom>(RandomSequenceDealing(BoardWithoutMoves())),
                    programDir.path()};

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

  // Answers the next dialogs that open, in turn: notes what each saw of the board (whether
  // position p was drawn: "+" or "-"), whether another was open under it and which sounds had
  // started since the one before; answers each as answers says: "n" clicks its push button
  // (New Game, or Show Moves' Play), "x" closes it by its title bar.
  struct Results {
    QString answers;
    QStringList opened = {};
  };
  void AnswerResults(Results& results, Position p) {
    sounds.clear();
    QTimer::singleShot(0, &form, [this, &results, p] {
      const auto dialogs = form.findChildren<QDialog*>();
      const auto open = std::ranges::count_if(dialogs, [](QDialog* d) { return d->isVisible(); });
      auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (modal)
        results.opened << modal->objectName() + (DrawnAt(p) ? "+" : "-") +
                              (open > 1 ? " over" : "") + (" " + sounds.join(','));
      // Armed again before answering, so that a dialog opened by the answer is seen too.
      const QChar answer = modal ? results.answers.at(results.opened.size() - 1) : QChar();
      if (!modal || results.opened.size() < results.answers.size()) AnswerResults(results, p);
      if (answer == 'n') QTest::mouseClick(modal->findChild<QPushButton*>(), Qt::LeftButton);
      if (answer == 'x') modal->reject();
    });
  }

 private slots:
  void initTestCase() {
    for (const char* sound : {"alert", "welldone", "gameover"}) {
      QFile(programDir.filePath(QString(sound) + ".wav")).open(QIODevice::WriteOnly);
    }
    connect(form.findChild<SoundPlayer*>(), &SoundPlayer::Started, this,
            [this](const QString& path) {
              sounds << QFileInfo(path).baseName() + (QApplication::activeModalWidget() ? "*" : "");
            });
    form.action("optsound")->setChecked(true);
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
    QString said;
    ShowMovesDialog dialog(game, {[&](Position a, Position b) {
                                    shown = {a, b};
                                    ++draws;
                                  },
                                  [&](const QString& message) { said = message; }});
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
        Steps(dialog, action);
      const QByteArray where = QByteArray("after \"") + action + '"';
      QVERIFY2(dialog.numberBox()->text() == box, where);
      QVERIFY2(game.SelectedPos == first && dialog.listedSecondPos() == second, where);
      // The board shows the listed move; a move not found redraws nothing.
      QVERIFY2(first != 0 ? shown == (MovePair{first, second}) : draws == drawsBefore, where);
    }
    // Without any move the pick was let go on loading and the board drawn so, once.
    if (row.moves == 0) QVERIFY(shown == MovePair{} && draws == 1);
    // Said at each step, and read with the number box whenever it gets the focus.
    QCOMPARE(said, QString(row.said));
    QCOMPARE(dialog.numberBox()->accessibleDescription(), said);
    const auto& [last, lastBox, lastFirst, lastSecond] = row.steps.back();
    QCOMPARE(dialog.isVisible(), last[0] != 'p');
    QCOMPARE(dialog.moveToPlay(), last[0] == 'p' ? lastSecond : Position{0});
    QVERIFY(game.Board == board);
  }

  // Each step takes a move back or makes it again (the boards they leave are checked with the
  // core), redraws and says what it did; a step beyond either end does nothing but say so;
  // stepping onto a position without a move announces no result; Return on the focused arrow
  // steps too.
  void replayStepsThroughTheRecordAndSaysEachStep() {
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
          for (auto [step, to, said] :
               {std::tuple{'d', 1,
                           "Step back: Green dragon and Green dragon put back, 1 move made"},
                {'-', 0, "Step back: Red dragon and Red dragon put back, 0 moves made"},
                {'d', 0, "Step back: no move to take back, 0 moves made"},
                {'u', 1, "Step forward: Red dragon and Red dragon removed, 1 move made"},
                {'r', 2, "Step forward: Green dragon and Green dragon removed, 2 moves made"},
                {'+', 2, "Step forward: no move to make again, 2 moves made"}}) {
            Steps(dialog, QString(step));
            QCOMPARE(dialog.numberBox()->text(), QString::number(to));
            QCOMPARE(DrawnAt(kE), to < 2);  // the board is redrawn at every step
            QCOMPARE(form.board()->announcement(), QString(said));
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
    RunModal<QDialog>(
        [&] {
          if (QAction* item = form.action(opener.constData())) item->trigger();
          if (result)
            ShowResultDialog(&form, opener == "won" ? GameEnd::Won : GameEnd::NoMoveLeft, [] {});
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
        });
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
    // The layer, and what blocks a blocked tile: the tile on it, the tiles on its two sides
    // (left first), the one tile that holds the inner right end.
    const std::pair<int, const char*> descriptions[] = {
        {1, "free, layer 1"},
        {2, "blocked: between Chrysanthemum and Plum, layer 1"},
        {32, "blocked: beside Craks 7, layer 1"},
        {95, "blocked: under Circles 7, between Craks 4 and Craks 2, layer 2"},
        {124, "free, layer 3"},
        {140, "blocked: under Bamboo 9, layer 4"},
        {144, "free, layer 5"}};
    for (const auto& [pos, description] : descriptions) {
      QCOMPARE(Board()->child(pos - 1)->text(QAccessible::Description), QLatin1String(description));
    }
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
    QCOMPARE(form.board()->announcement(),
             QStringLiteral("Bamboo flower is blocked: between Chrysanthemum and Plum"));
    // In quick succession: "ci9" reaches the Circles 9 on 58 ("ci" alone, the Circles 5 on 20).
    QTest::keyClicks(form.board(), "ci9q");
    QCOMPARE(form.board()->announcement(), QStringLiteral("No free tile q"));
    QCOMPARE(Cursor(), 58);
    // Capitals, typed with Shift, reach the Circles 7 on 124 ("7" alone, the Craks 7 on 99).
    QTest::keyClick(form.board(), 'C', Qt::ShiftModifier);
    QTest::keyClick(form.board(), 'I', Qt::ShiftModifier);
    QTest::keyClick(form.board(), '7');
    QCOMPARE(Cursor(), 124);
    form.action("Menus_Game_Undo")->setEnabled(true);  // out of date: the popup updates the menu
    Keys(Qt::Key_Menu);
    QVERIFY(QApplication::activePopupWidget() == form.gameMenu() && !Enabled("Menus_Game_Undo"));
    QCOMPARE(form.gameMenu()->pos(), form.board()->mapToGlobal(QPoint(394, 86)));  // right of 124
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
    QCOMPARE(form.board()->announcement(), QStringLiteral("Large tiles off"));
  }

  // A press (the middle button presses too) shows its board first, then sounds the win, then
  // opens its dialog; Undo only draws; Redo of the last pair shows the win before the empty
  // board; Show Moves' Play is the window's own press, dialog and all. The Well done dialog's
  // New Game deals (a board without a move) while it is open; the loss is shown after it.
  void aWinIsShownAfterThePressAndBeforeTheRedo() {
    Game& game = form.game();
    game = BoardWith({{1, kRedDragon}, {12, kRedDragon}});
    game.MoveIndex = game.RedoLimit = 72;
    Results results{"xxnnx"};
    AnswerResults(results, 1);
    Press(1);
    Press(12, Qt::MiddleButton);
    form.UpdateGameMenu();
    form.action("Menus_Game_Undo")->trigger();
    QVERIFY(DrawnAt(1));
    form.UpdateGameMenu();
    form.action("Menus_Game_Redo")->trigger();
    QVERIFY(!DrawnAt(1));
    form.action("Menus_Game_Undo")->trigger();
    form.action("Menus_Game_Show")->trigger();
    QCOMPARE(results.opened,
             (QStringList{"Well_done- welldone", "Well_done+ welldone", "Kestalon_Show_Moves+ ",
                          "Well_done- welldone", "No_available_move+ gameover*"}));
  }

  // New Game deals a board without a move, sounds and announces the loss, and draws the deal.
  // The loss dialog's New Game deals another, drawn while the dialog is open, whose loss is
  // sounded at once and shown once that dialog has closed, never over it.
  void aLossDealtFromTheLossDialogIsShownAfterIt() {
    const std::pair<QString, QStringList> runs[] = {
        {"x", {"No_available_move- gameover"}},
        {"nx", {"No_available_move- gameover", "No_available_move+ gameover*"}}};
    for (const auto& [answers, opened] : runs) {
      form.game() = BoardWith({});
      form.DrawBoard();
      Results results{answers};
      AnswerResults(results, 1);
      form.action("Menus_Game_New")->trigger();
      QCOMPARE(results.opened, opened);
      QVERIFY(DrawnAt(1));
    }
    form.UpdateGameMenu();
    QVERIFY(std::ranges::count(form.game().Board, 0) == 1 && !Enabled("Menus_Game_Redo"));
  }

  // Two Green dragons free, and four Red dragons: two free, two in one pile under a Green
  // dragon. Taking the two free Red dragons first loses; the Green dragons keep it winnable.
  void SetUpTrap() {
    form.game() = BoardWith({{24, R}, {95, R}, {124, G}, {1, R}, {13, R}, {76, G}});
    form.game().AvailableMoves = CountAvailableMoves(form.game());
    form.DrawBoard();
  }

  // The hint's move is highlighted as Show Moves highlights its move, its first tile picked
  // and the cursor on its second, and said.
  void hintShowsAMoveThatKeepsTheGameWinnable() {
    SetUpTrap();
    const QImage plain = form.board()->Surface().toImage();
    form.game().SelectedPos = 1;  // a pick made before is let go
    QTest::keyClick(form.board(), '?');
    const Position first = form.game().SelectedPos, second = Cursor();
    QVERIFY((first == 76 && second == 124) || (first == 124 && second == 76));
    const QImage shown = form.board()->Surface().toImage();
    QVERIFY(shown.pixel(Centre(second)) != plain.pixel(Centre(second)));  // highlighted
    QVERIFY(shown.pixel(Centre(1)) == plain.pixel(Centre(1)));
    QCOMPARE(form.board()->announcement(),
             QStringLiteral("Hint: Green dragon and Green dragon. The game can still be won."));
  }

  // Once the losing pair and another are gone, the hint counts the two Undo steps back to the
  // last winnable position and its button takes them; for a lost deal it offers New Game.
  void hintOnALostGameOffersTheUndoStepsBack() {
    SetUpTrap();
    RemovePair(form.game(), 1, 13);
    RemovePair(form.game(), 76, 124);
    RunModal<QMessageBox>([&] { form.action("Menus_Game_Hint")->trigger(); },
                          [](QMessageBox& box) {
                            QCOMPARE(box.windowTitle(), QStringLiteral("PC Kestalon - Hint"));
                            QVERIFY(box.text().contains("2 Undo steps lead back"));
                            QTest::mouseClick(box.buttons().first(), Qt::LeftButton);
                          });
    QCOMPARE(form.game().MoveIndex, 1);
    QCOMPARE(form.game().Board[13], R);
    form.game() = BoardWith({{24, R}, {95, R}});  // a deal that cannot be won
    RunModal<QMessageBox>([&] { form.action("Menus_Game_Hint")->trigger(); },
                          [](QMessageBox& box) {
                            QCOMPARE(box.buttons().first()->text(), QStringLiteral("&New Game"));
                          });
  }

  // With Winnable Deals checked, a lost deal is dealt again until one is proved winnable; the
  // settings file then holds the flag, and stays 13 bytes without it.
  void winnableDealsDealsAgainAndIsSaved() {
    std::mt19937 random(3);
    const BoardTiles winnable = DealBuiltBackwards(random);
    std::vector<float> values = RandomSequenceDealing(BoardWithoutMoves());
    for (float v : RandomSequenceDealing(winnable)) values.push_back(v);
    QTemporaryDir dir;
    for (bool checked : {false, true}) {
      KestalonForm window(std::make_unique<ScriptedRandom>(values), dir.path());
      window.action("optwinnabledeals")->setChecked(checked);
      Results results{"x"};
      if (!checked) AnswerResults(results, 1);  // the lost deal's dialog
      window.action("Menus_Game_New")->trigger();
      QCOMPARE(window.game().Board == winnable, checked);
      window.action("Menus_Options_Savesettings")->trigger();
      QFile saved(dir.filePath("knopts.cfg"));
      QVERIFY(saved.open(QIODevice::ReadOnly));
      QCOMPARE(saved.readAll().toHex(),
               checked ? "4b65737461204f707400000000ffff" : "4b65737461204f707400000000");
    }
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
