// The Show Moves dialog over the offscreen main window: numbering, the number-box rule,
// the highlight on the board, Play and closing.
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
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
#include "display/tile_image_list.h"
#include "display/tile_size.h"
#include "shell/kestalon_form.h"
#include "tests/gui/gui_test_support.h"
#include "tests/support/fake_runtime.h"
#include "tests/support/qt_test_environment.h"

using namespace kestalon;
using namespace kestalon::testing;

namespace {

constexpr TileKind kCircle1 = kFirstCircle;
constexpr TileKind kEast = kEastWind;

// Bottom-layer positions far enough apart that none touches another: each is free.
constexpr Position kA = 3, kB = 8, kC = 15, kD = 20, kE = 27, kF = 33, kG = 40, kH = 46;

struct Listed {
  QString box;
  Position first;
  Position second;
};

Listed Now(const ShowMovesDialog& dialog) {
  return {dialog.numberBox()->text(), SelectedPos, dialog.listedSecondPos()};
}

}  // namespace

class ShowMovesTest : public QObject {
  Q_OBJECT

 public:
  static void initMain() { PinQtTestEnvironment(); }

 private:
  std::unique_ptr<KestalonForm> form_;
  std::unique_ptr<FakeGame> game_;

  // Opens the dialog with the main window's own launcher and runs whileOpen on it.
  void RunShowMoves(const std::function<void(ShowMovesDialog&)>& whileOpen) {
    const auto found = WhenModalOpens([&](QDialog& dialog) {
      auto* showMoves = qobject_cast<ShowMovesDialog*>(&dialog);
      QVERIFY(showMoves);
      whileOpen(*showMoves);
    });
    OpenShowMoves(form_.get());
    QVERIFY(*found);
  }

  QImage BoardImage() const { return form_->board()->Surface().toImage(); }

  static void VerifyAllFree(std::initializer_list<Position> positions) {
    for (Position p : positions)
      QVERIFY2(Board[p] > 0 && IsFree(p), qPrintable(QString::number(p)));
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

  void opensWithTheLowestPairListedAndMovesInCountingOrder() {
    SetUpBoard({{kA, kRedDragon},
                {kB, kGreenDragon},
                {kC, kRedDragon},
                {kD, kGreenDragon},
                {kE, kGreenDragon},
                {kF, kEast}});
    VerifyAllFree({kA, kB, kC, kD, kE, kF});
    CheckAvailableMoves();
    QCOMPARE(AvailableMoves, 4);

    std::vector<Listed> seen;
    RunShowMoves([&](ShowMovesDialog& dialog) {
      QCOMPARE(dialog.objectName(), QStringLiteral("Kestalon_Show_Moves"));
      QCOMPARE(dialog.windowTitle(), QStringLiteral("PC Kestalon - Show Moves"));
      QVERIFY(dialog.playButton()->isEnabled());
      seen.push_back(Now(dialog));
      for (int i = 0; i < 4; ++i) {
        QTest::mouseClick(dialog.spinner()->increaseButton(), Qt::LeftButton);
        seen.push_back(Now(dialog));
      }
    });
    QCOMPARE(seen.size(), 5u);
    // Lowest first position first, then the lowest second position among those.
    QCOMPARE(seen[0].box, QStringLiteral("1"));
    QCOMPARE(seen[0].first, kA);
    QCOMPARE(seen[0].second, kC);
    QCOMPARE(seen[1].box, QStringLiteral("2"));
    QCOMPARE(seen[1].first, kB);
    QCOMPARE(seen[1].second, kD);
    QCOMPARE(seen[2].first, kB);
    QCOMPARE(seen[2].second, kE);
    QCOMPARE(seen[3].box, QStringLiteral("4"));
    QCOMPARE(seen[3].first, kD);
    QCOMPARE(seen[3].second, kE);
    // The spinner stops at the count.
    QCOMPARE(seen[4].box, QStringLiteral("4"));
    QCOMPARE(seen[4].second, kE);
  }

  void threeWhiteDragonsAreNumberedAbAcBc() {
    SetUpBoard({{kA, kRedDragon},
                {kB, kWhiteDragon},
                {kC, kEast},
                {kD, kWhiteDragon},
                {kE, kCircle1},
                {kF, kWhiteDragon}});
    VerifyAllFree({kA, kB, kC, kD, kE, kF});
    CheckAvailableMoves();
    QCOMPARE(AvailableMoves, 3);

    std::vector<Listed> seen;
    RunShowMoves([&](ShowMovesDialog& dialog) {
      seen.push_back(Now(dialog));
      QTest::mouseClick(dialog.spinner()->increaseButton(), Qt::LeftButton);
      seen.push_back(Now(dialog));
      QTest::mouseClick(dialog.spinner()->increaseButton(), Qt::LeftButton);
      seen.push_back(Now(dialog));
      // Down to 0 brings back "1" and move 1.
      for (int i = 0; i < 3; ++i) {
        QTest::mouseClick(dialog.spinner()->decreaseButton(), Qt::LeftButton);
      }
      seen.push_back(Now(dialog));
    });
    QCOMPARE(seen.size(), 4u);
    QCOMPARE(seen[0].box, QStringLiteral("1"));
    QCOMPARE(seen[0].first, kB);
    QCOMPARE(seen[0].second, kD);
    QCOMPARE(seen[1].box, QStringLiteral("2"));
    QCOMPARE(seen[1].first, kB);
    QCOMPARE(seen[1].second, kF);
    QCOMPARE(seen[2].box, QStringLiteral("3"));
    QCOMPARE(seen[2].first, kD);
    QCOMPARE(seen[2].second, kF);
    QCOMPARE(seen[3].box, QStringLiteral("1"));
    QCOMPARE(seen[3].first, kB);
    QCOMPARE(seen[3].second, kD);
  }

  void numbersOutsideTheRangeAreBroughtBackByANestedChange() {
    SetUpBoard({{kB, kWhiteDragon}, {kD, kWhiteDragon}, {kF, kWhiteDragon}});
    CheckAvailableMoves();
    QCOMPARE(AvailableMoves, 3);

    RunShowMoves([&](ShowMovesDialog& dialog) {
      QSignalSpy changes(dialog.numberBox(), &QLineEdit::textChanged);
      dialog.numberBox()->setText(QStringLiteral("7"));
      // The correction "3" is a change of its own, handled nested inside the change to "7"
      // (so a watcher connected after the rule hears "3" first).
      QCOMPARE(changes.size(), 2);
      QCOMPARE(changes.at(0).at(0).toString(), QStringLiteral("3"));
      QCOMPARE(changes.at(1).at(0).toString(), QStringLiteral("7"));
      QCOMPARE(dialog.numberBox()->text(), QStringLiteral("3"));
      QCOMPARE(SelectedPos, kD);
      QCOMPARE(dialog.listedSecondPos(), kF);
      // The spinner follows the corrected box: one step down lists move 2.
      QTest::mouseClick(dialog.spinner()->decreaseButton(), Qt::LeftButton);
      QCOMPARE(dialog.numberBox()->text(), QStringLiteral("2"));
      QCOMPARE(dialog.listedSecondPos(), kF);
      QCOMPARE(SelectedPos, kB);

      changes.clear();
      dialog.numberBox()->setText(QStringLiteral("0"));
      QCOMPARE(changes.size(), 2);
      QCOMPARE(changes.at(0).at(0).toString(), QStringLiteral("1"));
      QCOMPARE(dialog.numberBox()->text(), QStringLiteral("1"));
      QCOMPARE(SelectedPos, kB);
      QCOMPARE(dialog.listedSecondPos(), kD);
    });
  }

  void everyMoveAboveTheTenthCanBeReached() {
    // Four Red and four Green dragons, all free: 6 + 6 = 12 moves.
    SetUpBoard({{kA, kRedDragon},
                {kB, kRedDragon},
                {kC, kRedDragon},
                {kD, kRedDragon},
                {kE, kGreenDragon},
                {kF, kGreenDragon},
                {kG, kGreenDragon},
                {kH, kGreenDragon}});
    VerifyAllFree({kA, kB, kC, kD, kE, kF, kG, kH});
    CheckAvailableMoves();
    QCOMPARE(AvailableMoves, 12);

    RunShowMoves([&](ShowMovesDialog& dialog) {
      for (int i = 0; i < 11; ++i) {
        QTest::mouseClick(dialog.spinner()->increaseButton(), Qt::LeftButton);
      }
      QCOMPARE(dialog.numberBox()->text(), QStringLiteral("12"));
      QCOMPARE(SelectedPos, kG);
      QCOMPARE(dialog.listedSecondPos(), kH);
      QTest::mouseClick(dialog.spinner()->increaseButton(), Qt::LeftButton);
      QCOMPARE(dialog.numberBox()->text(), QStringLiteral("12"));
    });
  }

  void bothTilesOfTheListedMoveAreHighlightedOnTheMainBoard() {
    if (RegularTileList().Picture(kRedDragon, DrawStyle::Transparent).isNull()) {
      QSKIP("the tile pictures are not built in yet");
    }
    SetUpBoard({{kA, kRedDragon}, {kC, kGreenDragon}, {kE, kRedDragon}, {kG, kGreenDragon}});
    CheckAvailableMoves();
    QCOMPARE(AvailableMoves, 2);
    kestalon::DrawBoard(0);
    const QImage plain = BoardImage();

    QImage listed;
    RunShowMoves([&](ShowMovesDialog& dialog) {
      QTest::mouseClick(dialog.spinner()->increaseButton(), Qt::LeftButton);
      listed = BoardImage();
    });
    QCOMPARE(listed.size(), plain.size());

    // Move 2 is (C, G): exactly their pictures differ from the plain board.
    const auto pictureRect = [](Position p) {
      return QRect(TilePosXY[p].x - TileDepth, TilePosXY[p].y, 48, 42);
    };
    QSet<Position> changed;
    for (int y = 0; y < plain.height(); ++y) {
      for (int x = 0; x < plain.width(); ++x) {
        if (plain.pixel(x, y) == listed.pixel(x, y)) continue;
        bool inside = false;
        for (Position p : {kC, kG}) {
          if (pictureRect(p).contains(x, y)) {
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
                {kE, kEast},
                {kF, kEast}});
    // One move made and taken back, so that Redo is on offer before Play.
    RemovePair(kE, kF);
    QVERIFY(TakeBackMove());
    CheckAvailableMoves();
    QCOMPARE(AvailableMoves, 3);
    QVERIFY(CurrentGameMenuState().redo);
    game_->view.journal.clear();

    RunShowMoves([&](ShowMovesDialog& dialog) {
      QTest::mouseClick(dialog.spinner()->increaseButton(), Qt::LeftButton);
      QCOMPARE(SelectedPos, kB);
      QCOMPARE(dialog.listedSecondPos(), kD);
      QTest::mouseClick(dialog.playButton(), Qt::LeftButton);
      QVERIFY(!dialog.isVisible());
    });
    QCOMPARE(Board[kB], 0);
    QCOMPARE(Board[kD], 0);
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
    MoveIndex = 72;
    RedoLimit = 72;
    CheckAvailableMoves();
    QCOMPARE(AvailableMoves, 1);
    game_->view.journal.clear();

    RunShowMoves(
        [&](ShowMovesDialog& dialog) { QTest::mouseClick(dialog.playButton(), Qt::LeftButton); });
    QCOMPARE(TilesOnBoard(), 0);
    QCOMPARE(MoveIndex, kWonMoveIndex);
    const std::vector<std::string> expected{"draw:0", "sound:/game/welldone.wav", "welldone"};
    QCOMPARE(game_->view.journal, expected);
  }

  void closingOtherwiseKeepsTheFirstTileSelected() {
    SetUpBoard({{kA, kRedDragon}, {kB, kGreenDragon}, {kC, kRedDragon}, {kD, kGreenDragon}});
    CheckAvailableMoves();
    RunShowMoves([&](ShowMovesDialog& dialog) {
      QTest::mouseClick(dialog.spinner()->increaseButton(), Qt::LeftButton);
      dialog.close();
    });
    QCOMPARE(SelectedPos, kB);
    QCOMPARE(TilesOnBoard(), 4);
    QCOMPARE(MoveIndex, 1);
  }

  void withoutAnyMoveTheBoxSettlesOnZeroAndPlayIsOff() {
    SetUpBoard({{kA, kRedDragon}, {kC, kGreenDragon}, {kE, kEast}});
    CheckAvailableMoves();  // announces the loss to the fake view
    QCOMPARE(AvailableMoves, 0);
    SelectedPos = kC;  // a tile picked before opening
    game_->view.journal.clear();

    RunShowMoves([&](ShowMovesDialog& dialog) {
      QCOMPARE(dialog.numberBox()->text(), QStringLiteral("0"));
      QVERIFY(!dialog.playButton()->isEnabled());
      QCOMPARE(SelectedPos, 0);
      QTest::mouseClick(dialog.spinner()->increaseButton(), Qt::LeftButton);
      QCOMPARE(dialog.numberBox()->text(), QStringLiteral("0"));
      QTest::mouseClick(dialog.spinner()->decreaseButton(), Qt::LeftButton);
      QCOMPARE(dialog.numberBox()->text(), QStringLiteral("0"));
    });
    // The picked tile is drawn without its highlight, once, and nothing is announced.
    QCOMPARE(game_->view.journal, std::vector<std::string>{"draw:0"});
    QCOMPARE(TilesOnBoard(), 3);
  }

  void playAfterAStaleListingChangesNothing() {
    SetUpBoard({{kA, kRedDragon}, {kC, kRedDragon}, {kE, kEast}});
    CheckAvailableMoves();
    QCOMPARE(AvailableMoves, 1);
    AvailableMoves = 3;  // as a replay leaves it: counted before the board changed
    game_->view.journal.clear();

    RunShowMoves([&](ShowMovesDialog& dialog) {
      QCOMPARE(SelectedPos, kA);
      QTest::mouseClick(dialog.spinner()->increaseButton(), Qt::LeftButton);
      QCOMPARE(dialog.numberBox()->text(), QStringLiteral("2"));
      QCOMPARE(SelectedPos, 0);
      QCOMPARE(dialog.listedSecondPos(), 0);
      QVERIFY(dialog.playButton()->isEnabled());
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
