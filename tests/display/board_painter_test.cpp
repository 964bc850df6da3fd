// Board painting, checked on the drawn surface: each picture drawn the depth band left of its
// face, its white surround showing the green, later positions over earlier ones, highlights.
// Large tiles are compared pixel by pixel in the real window (e2e.options).
#include <gtest/gtest.h>

#include "assets/asset_paths.h"
#include "display/board_widget.h"
#include "tests/support/board_setup.h"

namespace kestalon {

using Pictures = std::initializer_list<std::pair<TileKind, QPoint>>;
constexpr auto kRgb = QImage::Format_RGB32;

// The image with each picture copied over it in turn at its top-left corner, all but the
// white surround; as silhouettes, those pixels are painted black instead.
QImage Over(QImage image, bool large, Pictures pictures, bool silhouettes = false) {
  for (const auto& [kind, at] : pictures) {
    const QImage picture = QImage(TilePicturePath(large, kind)).convertToFormat(kRgb);
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x)
        if (picture.pixel(x, y) != qRgb(255, 255, 255))
          image.setPixel(at.x() + x, at.y() + y, silhouettes ? qRgb(0, 0, 0) : picture.pixel(x, y));
  }
  return image;
}

TEST(DrawBoard, PicturesInPositionOrderOnGreenAndHighlightsOnlyOnTheirFaces) {
  // 2 stands left of 1, over its depth band.
  const Game game = testing::BoardWith({{1, 20}, {2, 30}, {87, 22}});
  BoardWidget board(game);
  const auto drawn = [&] { return board.Surface().toImage().convertToFormat(kRgb); };
  QImage green(640, 360, kRgb);
  green.fill(qRgb(0, 128, 0));
  board.DrawBoard(0);
  const QImage plain = drawn();
  EXPECT_EQ(plain, Over(green, false, {{20, {506, 20}}, {30, {464, 20}}, {22, {44, 279}}}));
  // Highlighting 1, then 87 as well, changes only the pixels of their faces.
  const Pictures face1{{20, {506, 20}}}, face87{{22, {44, 279}}};
  board.DrawBoard(1);
  const QImage one = drawn();
  board.DrawBoard(1, 87);
  const QImage two = drawn();
  EXPECT_NE(one, plain);
  EXPECT_EQ(Over(one, false, face1, true), Over(plain, false, face1, true));
  EXPECT_NE(two, one);
  EXPECT_EQ(Over(two, false, face87, true), Over(one, false, face87, true));
}

}  // namespace kestalon
