// Board painting checked on the drawn surface: faces, transparent surround, highlight,
// painter's order, and the tile-size switch.
#include <gtest/gtest.h>

#include <QImage>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

#include "assets/asset_paths.h"
#include "display/board_painter.h"
#include "display/board_widget.h"
#include "display/layout/board_layout.h"
#include "display/tile_image_list.h"
#include "display/tile_size.h"
#include "tests/support/fake_runtime.h"

namespace kestalon {
namespace {

const QRgb kGreen = qRgb(0, 128, 0);

class BoardPainting : public ::testing::Test {
 protected:
  void SetUp() override {
    window.setCentralWidget(board);
    window.menuBar()->addMenu(QStringLiteral("&Game"));
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    SetBoardWindow(board);
    UseRegularTiles();
  }
  void TearDown() override { SetBoardWindow(nullptr); }

  QImage Drawn() const { return board->Surface().toImage().convertToFormat(QImage::Format_RGB32); }
  // Puts one tile on an empty board and draws it.
  QImage DrawAlone(Position p, TileKind kind, Position highlight = 0) {
    Board.fill(0);
    Board[p] = kind;
    DrawBoard(highlight);
    return Drawn();
  }
  static QImage Picture(bool large, TileKind kind) {
    return QImage(TilePicturePath(large, kind)).convertToFormat(QImage::Format_RGB32);
  }

  testing::FakeGame game;
  QMainWindow window;
  BoardWidget* board = new BoardWidget;  // owned by the window
};

TEST_F(BoardPainting, EmptyBoardIsAllGreen) {
  Board.fill(0);
  DrawBoard(0);
  const QImage image = Drawn();
  ASSERT_EQ(image.size(), QSize(640, 360));
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) ASSERT_EQ(image.pixel(x, y), kGreen) << x << "," << y;
  }
}

TEST_F(BoardPainting, PictureLandsAtItsPositionWithTheSurroundShowingGreen) {
  for (bool large : {false, true}) {
    if (large) UseLargeTiles();
    const Position p = 144;
    const QImage image = DrawAlone(p, 16);
    const QImage picture = Picture(large, 16);
    const int left = TilePosXY[p].x - TileDepth, top = TilePosXY[p].y;
    EXPECT_EQ(left, large ? 425 : 289);
    EXPECT_EQ(top, large ? 198 : 136);
    int surround = 0;
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 0; x < picture.width(); ++x) {
        const QRgb source = picture.pixel(x, y);
        const QRgb expected = source == qRgb(255, 255, 255) ? kGreen : source;
        surround += source == qRgb(255, 255, 255);
        ASSERT_EQ(image.pixel(left + x, top + y), expected) << large << " " << x << "," << y;
      }
    }
    EXPECT_GT(surround, 0);
    // Just outside the picture the ground is untouched.
    EXPECT_EQ(image.pixel(left - 1, top + 10), kGreen);
    EXPECT_EQ(image.pixel(left + picture.width(), top + 10), kGreen);
  }
}

TEST_F(BoardPainting, HighlightedTileDiffersOnlyInsideItsPicture) {
  const QImage plain = DrawAlone(1, 20);
  const QImage lit = DrawAlone(1, 20, 1);
  const QRect picture(TilePosXY[1].x - TileDepth, TilePosXY[1].y, 48, 42);
  int changed = 0;
  for (int y = 0; y < plain.height(); ++y) {
    for (int x = 0; x < plain.width(); ++x) {
      if (plain.pixel(x, y) == lit.pixel(x, y)) continue;
      ++changed;
      ASSERT_TRUE(picture.contains(x, y)) << x << "," << y;
    }
  }
  EXPECT_GT(changed, picture.width() * picture.height() / 2);
  // The cut corners stay green when highlighted too.
  EXPECT_EQ(lit.pixel(picture.left(), picture.top()), kGreen);
  // A highlight on an empty position highlights nothing.
  EXPECT_EQ(DrawAlone(1, 20, 2), plain);
}

TEST_F(BoardPainting, LaterPositionsCoverTheDepthBandOfEarlierOnes) {
  // 2 stands left of 1 and is drawn after it: 2's face covers 1's left band.
  Board.fill(0);
  Board[1] = 20;
  DrawBoard(0);
  const QPoint band(TilePosXY[1].x - TileDepth / 2, TilePosXY[1].y + 20);
  const QRgb bandAlone = Drawn().pixel(band);
  Board[2] = 20;
  DrawBoard(0);
  const QImage both = Drawn();
  EXPECT_NE(both.pixel(band), bandAlone);
  const QImage picture = Picture(false, 20);
  const QPoint inPicture2 = band - QPoint(TilePosXY[2].x - TileDepth, TilePosXY[2].y);
  EXPECT_EQ(both.pixel(band), picture.pixel(inPicture2));
}

TEST_F(BoardPainting, TileSizeGivesExactClientSizesAndTogglingTwiceKeepsTheGeometry) {
  EXPECT_EQ(board->size(), QSize(640, 360));
  const QRect regular = window.geometry();
  UseLargeTiles();
  EXPECT_EQ(board->size(), QSize(960, 480));
  EXPECT_EQ(window.geometry().width() - regular.width(), 320);
  EXPECT_EQ(window.geometry().height() - regular.height(), 120);
  EXPECT_EQ(TileWidth, 63);
  EXPECT_EQ(CurrentTileList, &LargeTileList());
  UseRegularTiles();
  EXPECT_EQ(window.geometry(), regular);
  EXPECT_EQ(CurrentTileList, &RegularTileList());
}

TEST_F(BoardPainting, WindowIsCentredOnTheScreenByItsOuterSize) {
  const QRect screen = window.screen()->geometry();
  const QRect outer = window.frameGeometry();
  EXPECT_EQ(outer.left(), screen.left() + (screen.width() - outer.width()) / 2);
  EXPECT_EQ(outer.top(), screen.top() + (screen.height() - outer.height()) / 2);
}

}  // namespace
}  // namespace kestalon
