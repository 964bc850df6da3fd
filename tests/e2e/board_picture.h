// What the board must look like for a known game, and the comparison of a screenshot with it.
#pragma once

#include <QImage>
#include <QString>

#include "tests/e2e/test_games.h"

namespace kestalon::e2e {

inline constexpr QRgb kGround = 0xFF008000;  // the board's green, (0, 128, 0)

// The board drawn from our artwork: green ground, then each tile's picture in ascending
// position order, its white surround letting the ground show. tileDir holds regular/ and large/.
QImage ExpectedBoard(const TestGame& game, bool large, const QString& tileDir, QString* error);

struct Comparison {
  bool same = false;
  QString summary;  // which tiles and how many ground pixels differ
  QImage marked;    // the screenshot with every differing pixel in magenta
};

// Compares the board part of a window screenshot, which starts top pixels down (below the
// menu bar), with the expected board. The window must be exactly as wide as the board and
// exactly the board's height plus top.
Comparison CompareBoard(const QImage& window, int top, const QImage& expected, const TestGame& game,
                        bool large);

// For a game whose kinds are unknown (a new deal): every position holds a tile, and all of
// the board outside the tile pictures is green.
Comparison CheckFullDeal(const QImage& window, int top, bool large);

}  // namespace kestalon::e2e
