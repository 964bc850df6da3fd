// The Show Moves dialog over the offscreen main window: numbering, the number-box rule,
// the highlight on the board, Play and closing.
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <memory>
#include <vector>

#include "core/rules.h"
#include "core/tile_kinds.h"
#include "dialogs/dialogs.h"
#include "dialogs/show_moves_dialog.h"
#include "dialogs/up_down_control.h"
#include "display/board_painter.h"
#include "display/board_widget.h"
#include "display/layout/board_layout.h"
#include "display/tile_size.h"
#include "shell/kestalon_form.h"
#include "tests/gui/gui_test_support.h"
#include "tests/support/fake_runtime.h"
#include "tests/support/qt_test_environment.h"

using namespace kestalon;
using namespace kestalon::testing;

namespace {

// Bottom-layer positions far enough apart that none touches another: each is free.
constexpr Position kA = 3, kB = 8, kC = 15, kD = 20, kE = 27, kF = 33, kG = 40, kH = 46;

// One action on the open dialog ("+" and "-" click the spinner once per sign, "=7" types
// into the box), then the listing it must leave.
struct Step {
  const char* action;
  const char* box;
  Position first, second;
};

struct Listing {
  const char* name;
  std::vector<TileKind> kinds;  // on kA, kB, ... in turn
  int moves;
  std::vector<Step> steps;
};

// clang-format off
const std::vector<Listing>& Listings() {
  static const std::vector<Listing> listings{
      // Lowest first position first, then the lowest second among those; stops at the count.
      {"lowest pair first",
       {kRedDragon, kGreenDragon, kRedDragon, kGreenDragon, kGreenDragon, kEastWind}, 4,
       {{"", "1", kA, kC}, {"+", "2", kB, kD}, {"+", "3", kB, kE}, {"+", "4", kD, kE},
        {"+", "4", kD, kE}}},
      // Above the count brings back the count, 0 brings back 1; the spinner follows the box.
      {"three white dragons",
       {kRedDragon, kWhiteDragon, kEastWind, kWhiteDragon, kFirstCircle, kWhiteDragon}, 3,
       {{"", "1", kB, kD}, {"+", "2", kB, kF}, {"+", "3", kD, kF}, {"---", "1", kB, kD},
        {"=7", "3", kD, kF}, {"-", "2", kB, kF}, {"=0", "1", kB, kD}}},
      // Two-digit numbers: 6 + 6 moves.
      {"twelve moves",
       {kRedDragon, kRedDragon, kRedDragon, kRedDragon,
        kGreenDragon, kGreenDragon, kGreenDragon, kGreenDragon}, 12,
       {{"+++++++++++", "12", kG, kH}, {"+", "12", kG, kH}}},
      // No move: the box settles on "0", a tile picked before is let go.
      {"no move", {kRedDragon, 0, kGreenDragon, 0, kEastWind}, 0,
       {{"", "0", 0, 0}, {"+", "0", 0, 0}, {"-", "0", 0, 0}}},
  };
  return listings;
}
// clang-format on

void Click(ShowMovesDialog& dialog, bool up) {
  QTest::mouseClick(up ? dialog.spinner()->increaseButton() : dialog.spinner()->decreaseButton(),
                    Qt::LeftButton);
}

}  // namespace

class ShowMovesTest : public QObject {
  Q_OBJECT

 public:
  static void initMain() { PinQtTestEnvironment(); }

 private:
  std::unique_ptr<KestalonForm> form_;
  std::unique_ptr<FakeGame> game_;

  void RunShowMoves(const std::function<void(ShowMovesDialog&)>& whileOpen) {
    RunModal<ShowMovesDialog>([&] { OpenShowMoves(form_.get()); }, whileOpen);
  }

 private slots:
  void init() {
    form_ = std::make_unique<KestalonForm>();
    UseRegularTiles();
    form_->show();
    // The fakes take over the game's runtime and view; the board widget still draws.
    game_ = std::make_unique<FakeGame>();
  }

  void cleanup() {
    game_.reset();
    form_.reset();
  }

  void listsAndNumbersTheMoves_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < static_cast<int>(Listings().size()); ++i)
      QTest::newRow(Listings()[i].name) << i;
  }

  void listsAndNumbersTheMoves() {
    QFETCH(int, index);
    const Listing& listing = Listings()[index];
    SetUpBoard({});
    const Position positions[] = {kA, kB, kC, kD, kE, kF, kG, kH};
    for (std::size_t i = 0; i < listing.kinds.size(); ++i) Board[positions[i]] = listing.kinds[i];
    CheckAvailableMoves();  // without a move, announces the loss to the fake view
    QCOMPARE(AvailableMoves, listing.moves);
    const int tiles = TilesOnBoard();
    SelectedPos = kC;  // a tile picked before opening
    game_->view.journal.clear();

    RunShowMoves([&](ShowMovesDialog& dialog) {
      QCOMPARE(dialog.playButton()->isEnabled(), listing.moves > 0);
      for (const Step& step : listing.steps) {
        const QString action = QLatin1String(step.action);
        if (action.startsWith('=')) {
          dialog.numberBox()->setText(action.mid(1));
        } else {
          for (QChar sign : action) Click(dialog, sign == '+');
        }
        const QString where = QStringLiteral("after \"%1\"").arg(action);
        QVERIFY2(dialog.numberBox()->text() == QLatin1String(step.box), qPrintable(where));
        QVERIFY2(SelectedPos == step.first, qPrintable(where));
        QVERIFY2(dialog.listedSecondPos() == step.second, qPrintable(where));
      }
      dialog.close();  // as by the title bar
    });
    // Closing without Play keeps the first tile of the listed move selected.
    QCOMPARE(SelectedPos, listing.steps.back().first);
    QCOMPARE(TilesOnBoard(), tiles);
    QCOMPARE(MoveIndex, 1);
    // Only drawing, no announcement; without a move, one drawing without the highlight.
    for (const std::string& event : game_->view.journal) QVERIFY(event.starts_with("draw:"));
    if (listing.moves == 0) QCOMPARE(game_->view.journal, std::vector<std::string>{"draw:0"});
  }

  void bothTilesOfTheListedMoveAreHighlightedOnTheMainBoard() {
    SetUpBoard({{kA, kRedDragon}, {kC, kGreenDragon}, {kE, kRedDragon}, {kG, kGreenDragon}});
    CheckAvailableMoves();
    QCOMPARE(AvailableMoves, 2);
    kestalon::DrawBoard(0);
    const QImage plain = form_->board()->Surface().toImage();

    QImage listed;
    RunShowMoves([&](ShowMovesDialog& dialog) {
      Click(dialog, true);
      listed = form_->board()->Surface().toImage();
    });
    QCOMPARE(listed.size(), plain.size());

    // Move 2 is (C, G): exactly their pictures differ from the plain board.
    QSet<Position> changed;
    for (int y = 0; y < plain.height(); ++y) {
      for (int x = 0; x < plain.width(); ++x) {
        if (plain.pixel(x, y) == listed.pixel(x, y)) continue;
        bool inside = false;
        for (Position p : {kC, kG}) {
          if (QRect(TilePosXY[p].x - TileDepth, TilePosXY[p].y, 48, 42).contains(x, y)) {
            changed.insert(p);
            inside = true;
          }
        }
        QVERIFY2(inside, qPrintable(QStringLiteral("pixel %1,%2 changed").arg(x).arg(y)));
      }
    }
    QCOMPARE(changed, (QSet<Position>{kC, kG}));
  }

  void playMakesTheListedMoveAndDisablesRedo() {
    SetUpBoard({{kA, kRedDragon},
                {kB, kGreenDragon},
                {kC, kRedDragon},
                {kD, kGreenDragon},
                {kE, kEastWind},
                {kF, kEastWind}});
    // One move made and taken back, so that Redo is on offer before Play.
    RemovePair(kE, kF);
    QVERIFY(TakeBackMove());
    CheckAvailableMoves();
    QCOMPARE(AvailableMoves, 3);
    QVERIFY(CurrentGameMenuState().redo);
    game_->view.journal.clear();

    RunShowMoves([&](ShowMovesDialog& dialog) {
      Click(dialog, true);
      QCOMPARE(SelectedPos, kB);
      QVERIFY(dialog.playButton()->isEnabled());
      QTest::mouseClick(dialog.playButton(), Qt::LeftButton);
      QVERIFY(!dialog.isVisible());
    });
    QVERIFY(Board[kB] == 0 && Board[kD] == 0);
    QCOMPARE(TilesOnBoard(), 4);
    QCOMPARE(MoveIndex, 2);
    QCOMPARE(RedoLimit, 2);
    QCOMPARE(MoveHistory[1], (MoveRecord{kB, kGreenDragon, kD, kGreenDragon}));
    QVERIFY(!CurrentGameMenuState().redo);
    QCOMPARE(SelectedPos, 0);
    QCOMPARE(game_->view.journal.back(), std::string("draw:0"));
    QCOMPARE(AvailableMoves, 2);
  }

  void playingTheLastPairDrawsThenAnnouncesTheWin() {
    SetUpBoard({{kC, kFirstSeason}, {kG, kFirstSeason + 3}});
    MoveIndex = RedoLimit = 72;
    CheckAvailableMoves();
    game_->view.journal.clear();

    RunShowMoves(
        [&](ShowMovesDialog& dialog) { QTest::mouseClick(dialog.playButton(), Qt::LeftButton); });
    QCOMPARE(TilesOnBoard(), 0);
    QCOMPARE(MoveIndex, kWonMoveIndex);
    const std::vector<std::string> expected{"draw:0", "sound:/game/welldone.wav", "welldone"};
    QCOMPARE(game_->view.journal, expected);
  }

  void playAfterAStaleListingChangesNothing() {
    SetUpBoard({{kA, kRedDragon}, {kC, kRedDragon}, {kE, kEastWind}});
    CheckAvailableMoves();
    AvailableMoves = 3;  // as a replay leaves it: counted before the board changed
    game_->view.journal.clear();

    RunShowMoves([&](ShowMovesDialog& dialog) {
      QCOMPARE(SelectedPos, kA);
      Click(dialog, true);
      QCOMPARE(dialog.numberBox()->text(), QStringLiteral("2"));
      QCOMPARE(SelectedPos, 0);
      QCOMPARE(dialog.listedSecondPos(), 0);
      QTest::mouseClick(dialog.playButton(), Qt::LeftButton);
      QVERIFY(!dialog.isVisible());
    });
    QCOMPARE(TilesOnBoard(), 3);
    QCOMPARE(MoveIndex, 1);
    QCOMPARE(AvailableMoves, 3);
    QVERIFY(game_->view.journal.empty());
  }
};

QTEST_MAIN(ShowMovesTest)
#include "show_moves_test.moc"
