// Expected board pictures and the pixel comparison with a screenshot.
#include "tests/e2e/board_picture.h"

#include <cstdlib>
#include <map>

#include <QPainter>
#include <QRect>
#include <QRegion>

#include "display/layout/board_layout.h"

namespace kestalon::e2e {
namespace {

// Screens of depth 16 round colours; at depth 24 the comparison is exact.
constexpr int kChannelTolerance = 8;
constexpr QRgb kMark = 0xFFFF00FF;

QSize BoardSize(bool large) {
  return large ? QSize(kLargeBoardWidth, kLargeBoardHeight)
               : QSize(kRegularBoardWidth, kRegularBoardHeight);
}

// Where position p's picture lies: its face plus the depth band at the left and bottom.
QRect PictureRect(int p, bool large) {
  const QSize picture = large ? QSize(72, 63) : QSize(48, 42);
  return {TilePosXY[p].x - TileDepth, TilePosXY[p].y, picture.width(), picture.height()};
}

QRect FaceRect(int p) {
  return {TilePosXY[p].x, TilePosXY[p].y, TileWidth, TileHeight};
}

bool Close(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) <= kChannelTolerance &&
         std::abs(qGreen(a) - qGreen(b)) <= kChannelTolerance &&
         std::abs(qBlue(a) - qBlue(b)) <= kChannelTolerance;
}

// The tile whose picture shows at a board pixel: the highest-numbered one covering it.
int TileAt(const TestGame& game, int x, int y, bool large) {
  for (int p = kPositions; p >= 1; --p) {
    if (game.board[p] > 0 && PictureRect(p, large).contains(x, y)) return p;
  }
  return 0;
}

// The window is the board with the menu bar over it, and the menu bar's last row holds none
// of the board's green: the board starts exactly top pixels down.
bool WindowFits(const QImage& window, int top, QSize board, Comparison& result) {
  result.marked = window;
  if (top <= 0 || window.width() != board.width() || window.height() != board.height() + top) {
    result.summary = QStringLiteral("the window is %1 x %2, not %3 x (%4 + menu bar %5)")
                         .arg(window.width())
                         .arg(window.height())
                         .arg(board.width())
                         .arg(board.height())
                         .arg(top);
    return false;
  }
  for (int x = 0; x < window.width(); ++x) {
    if (window.pixel(x, top - 1) == kGround) {
      result.summary =
          QStringLiteral("the board's green reaches above row %1 of the window").arg(top);
      return false;
    }
  }
  return true;
}

}  // namespace

QImage ExpectedBoard(const TestGame& game, bool large, const QString& tileDir, QString* error) {
  BuildLayout(large);
  QImage board(BoardSize(large), QImage::Format_RGB32);
  board.fill(kGround);
  QPainter painter(&board);
  for (int p = 1; p <= kPositions; ++p) {
    const int kind = game.board[p];
    if (kind <= 0) continue;
    const QString path =
        QStringLiteral("%1/%2/tile%3.png")
            .arg(tileDir, large ? QStringLiteral("large") : QStringLiteral("regular"))
            .arg(kind, 2, 10, QLatin1Char('0'));
    QImage picture(path);
    if (picture.isNull()) {
      if (error) *error = path + QStringLiteral(": cannot read the tile picture");
      return {};
    }
    picture = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
      for (int x = 0; x < picture.width(); ++x) {
        if ((line[x] & 0x00FFFFFFu) == 0x00FFFFFFu) line[x] = 0;  // white is the surround
      }
    }
    painter.drawImage(PictureRect(p, large).topLeft(), picture);
  }
  return board;
}

Comparison CompareBoard(const QImage& window, int top, const QImage& expected, const TestGame& game,
                        bool large) {
  Comparison result;
  if (!WindowFits(window, top, expected.size(), result)) return result;
  BuildLayout(large);
  result.marked = window.convertToFormat(QImage::Format_RGB32);
  std::map<int, int> differing;  // position (0 = ground) -> pixels
  for (int y = 0; y < expected.height(); ++y) {
    for (int x = 0; x < expected.width(); ++x) {
      if (Close(window.pixel(x, y + top), expected.pixel(x, y))) continue;
      ++differing[TileAt(game, x, y, large)];
      result.marked.setPixel(x, y + top, kMark);
    }
  }
  result.same = differing.empty();
  if (result.same) {
    result.summary =
        QStringLiteral("the board shows exactly the %1 tiles expected").arg(Occupied(game).size());
    return result;
  }
  QStringList parts;
  for (const auto& [p, pixels] : differing) {
    parts << (p == 0 ? QStringLiteral("ground: %1 pixels").arg(pixels)
                     : QStringLiteral("tile at %1 (kind %2): %3 pixels")
                           .arg(p)
                           .arg(game.board[p])
                           .arg(pixels));
  }
  result.summary = QStringLiteral("the board differs from the expected one; ") +
                   parts.join(QStringLiteral(", "));
  return result;
}

Comparison CheckFullDeal(const QImage& window, int top, bool large) {
  Comparison result;
  const QSize board = BoardSize(large);
  if (!WindowFits(window, top, board, result)) return result;
  BuildLayout(large);
  result.marked = window.convertToFormat(QImage::Format_RGB32);
  QRegion pictures;
  for (int p = 1; p <= kPositions; ++p) pictures += PictureRect(p, large);

  int wrongGround = 0;
  for (int y = 0; y < board.height(); ++y) {
    for (int x = 0; x < board.width(); ++x) {
      if (pictures.contains(QPoint(x, y)) || window.pixel(x, y + top) == kGround) continue;
      ++wrongGround;
      result.marked.setPixel(x, y + top, kMark);
    }
  }
  // A face with a tile on it (its own or one lying over it) is almost free of the ground's
  // green; a missing tile leaves a green hole. Rounded corners are left out.
  QStringList bareFaces;
  for (int p = 1; p <= kPositions; ++p) {
    const QRect face = FaceRect(p).adjusted(3, 3, -3, -3);
    int green = 0;
    for (int y = face.top(); y <= face.bottom(); ++y) {
      for (int x = face.left(); x <= face.right(); ++x) {
        if (window.pixel(x, y + top) == kGround) ++green;
      }
    }
    if (green * 10 > face.width() * face.height()) {
      bareFaces << QString::number(p);
      QPainter(&result.marked).fillRect(face.translated(0, top), QColor::fromRgb(kMark));
    }
  }
  result.same = wrongGround == 0 && bareFaces.isEmpty();
  result.summary = result.same ? QStringLiteral("all 144 positions show a tile on the green ground")
                               : QStringLiteral(
                                     "%1 pixels outside the tiles are not green; faces showing "
                                     "the ground: %2")
                                     .arg(wrongGround)
                                     .arg(bareFaces.isEmpty() ? QStringLiteral("none")
                                                              : bareFaces.join(QLatin1Char(' ')));
  return result;
}

}  // namespace kestalon::e2e
