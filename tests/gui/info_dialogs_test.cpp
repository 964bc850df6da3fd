// The Status, About and Rules dialogs: what they show, to the byte.
#include <QFontInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QWidget>
#include <memory>

#include "core/rules.h"
#include "core/tile_kinds.h"
#include "dialogs/about_dialog.h"
#include "dialogs/dialogs.h"
#include "dialogs/replay_dialog.h"
#include "dialogs/rules_dialog.h"
#include "dialogs/rules_text.h"
#include "dialogs/status_dialog.h"
#include "tests/gui/gui_test_support.h"
#include "tests/support/fake_runtime.h"
#include "tests/support/qt_test_environment.h"

using namespace kestalon;
using namespace kestalon::testing;

namespace {

// The 23 lines of the rules as the player reads them.
const char* const kExpectedRuleLines[] = {
    "PC Kestalon is a simple Patience style game played with the 144 Mah Jong",
    "tiles. The idea is simple, you have to match all the tiles thus removing them from the",
    "playing board to win the game. However you can ONLY take the tiles from the ends",
    "of each row.",
    "",
    "The tiles are...",
    "",
    "The flowers:- MUM, PLUM, ORC, BAM x1 each. Any one of these will match up",
    "with any other flower. The seasons:- SPR, SUM, AUT, WIN x1 each. These, like the",
    "flowers, will match with any other season.",
    "The dragons:- RED, GREEN, WHITE x4 each. One of these will only remove a",
    "dragon of the same type. The winds  :- NORTH, SOUTH, EAST, WEST x4 each. ",
    "Each wind will match with it's own direction only.",
    "",
    "All other tiles will match only to the same \"suit\" and value.",
    "",
    "These are...",
    "",
    "The Craks  :- Tiles 1 through 9. (Two pairs of each value.)",
    "The Circles:- Tiles 1 through 9. (Two pairs of each value.)",
    "The Bamboo :- Tiles 1 through 9. (Two pairs of each value.)",
    "",
    "Good Luck!!",
};

}  // namespace

class InfoDialogsTest : public QObject {
  Q_OBJECT

 public:
  static void initMain() { PinQtTestEnvironment(); }

 private:
  std::unique_ptr<QWidget> mainWindow_;
  std::unique_ptr<FakeGame> game_;

  // Opens Status and checks the tiles and moves it shows.
  void CheckStatus(const QString& tiles, const QString& moves) {
    RunModal<StatusDialog>([&] { OpenStatus(mainWindow_.get()); },
                           [&](StatusDialog& status) {
                             QCOMPARE(status.tilesRemaining()->text(), tiles);
                             QCOMPARE(status.moves()->text(), moves);
                           });
  }

 private slots:
  void init() {
    mainWindow_ = std::make_unique<QWidget>();
    mainWindow_->resize(640, 382);
    mainWindow_->show();
    game_ = std::make_unique<FakeGame>(RandomSequenceForPoolOrder());
  }

  void cleanup() {
    game_.reset();
    mainWindow_.reset();
  }

  void statusAfterADealAndAfterThreeMoves() {
    DealNewGame();
    CheckStatus(QStringLiteral("144"), QString::number(CountAvailableMoves()));
    QVERIFY(MakeFirstMoves(3));
    CheckStatus(QStringLiteral("138"), QString::number(CountAvailableMoves()));
  }

  void statusAfterTheLastPair() {
    SetUpBoard({{3, kRedDragon}, {15, kRedDragon}});
    MoveIndex = RedoLimit = 72;
    RemovePair(3, 15);
    CheckAvailableMoves();
    CheckStatus(QStringLiteral("0"), QStringLiteral("0"));
  }

  // After a replay: the tiles of the replayed position, the moves counted before it.
  void statusAfterAReplayShowsTheOldCount() {
    SetUpBoard({{3, kRedDragon}, {15, kRedDragon}, {27, kGreenDragon}, {40, kGreenDragon}});
    RemovePair(3, 15);
    CheckAvailableMoves();
    QCOMPARE(AvailableMoves, 1);
    ReplayDialog replay;
    replay.Load();
    replay.StepBack();
    CheckStatus(QStringLiteral("144"), QStringLiteral("1"));
  }

  void aboutShowsVersionBuildAndMakerExactly() {
    QMap<QString, QString> texts;
    RunModal<AboutDialog>([&] { OpenAbout(mainWindow_.get()); },
                          [&](AboutDialog& dialog) {
                            for (QLabel* label : dialog.findChildren<QLabel*>())
                              texts[label->objectName()] = label->text();
                          });
    QCOMPARE(texts.value("Kesta_Title").toUtf8(), QByteArray("PC Kestalon v 1. 63"));
    QCOMPARE(texts.value("Kesta_Build").toUtf8(), QByteArray("Build  1624 (25-04-01)"));
    QCOMPARE(texts.value("Kesta_Maker").toUtf8(), QByteArray("Morvane Software"));
    QVERIFY(texts.value("Kesta_Tiles").contains(QStringLiteral("artwork")));
  }

  void rulesTextIsTheTwentyThreeLinesWithCrLf() {
    QByteArray expected;
    for (const char* line : kExpectedRuleLines) expected += QByteArray(line) + "\r\n";
    QCOMPARE(std::size(kExpectedRuleLines), 23u);
    QCOMPARE(QByteArray(kRulesText.data(), static_cast<qsizetype>(kRulesText.size())), expected);
  }

  void rulesBoxShowsEachLineReadOnlyAndScrolls() {
    RulesDialog dialog(mainWindow_.get());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QPlainTextEdit* box = dialog.rulesBox();
    QCOMPARE(box->parentWidget()->objectName(), QStringLiteral("Frame1"));

    // 23 lines, and the empty one after the last line end.
    QTextDocument* document = box->document();
    QCOMPARE(document->blockCount(), 24);
    const bool ourFace = QFontInfo(box->font()).family() == QLatin1String("Noto Sans");
    for (int i = 0; i < 23; ++i) {
      const QTextBlock block = document->findBlockByNumber(i);
      QCOMPARE(block.text(), QString::fromLatin1(kExpectedRuleLines[i]));
      // With our sans-serif face every line fits the box as written.
      if (ourFace) QCOMPARE(block.layout()->lineCount(), 1);
    }
    QVERIFY(document->lastBlock().text().isEmpty());

    QVERIFY(box->isReadOnly());
    const QString before = box->toPlainText();
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("xyz"));
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Delete);
    QCOMPARE(box->toPlainText(), before);

    QScrollBar* scroll = box->verticalScrollBar();
    QVERIFY(scroll->isVisible());
    QCOMPARE(scroll->value(), 0);
    QTest::keyClick(box, Qt::Key_PageDown);
    QVERIFY(scroll->value() > 0);
  }
};

QTEST_MAIN(InfoDialogsTest)
#include "info_dialogs_test.moc"
