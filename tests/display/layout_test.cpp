// The layout at both tile sizes: reference positions on every layer and at the board's edges,
// and the hit test on the faces.
#include <gtest/gtest.h>

#include <tuple>

#include "display/layout/board_layout.h"
#include "tests/support/board_setup.h"

namespace kestalon {
namespace {

// Position, then its face's top-left corner with large and with regular tiles: the row ends
// at the board's four edges, and every layer, each sitting up and to the right of the one below.
const std::tuple<Position, TilePoint, TilePoint> kReferences[] = {
    {1, {767, 20}, {512, 20}},     {12, {74, 20}, {50, 20}},      {13, {641, 75}, {428, 57}},
    {31, {893, 212}, {596, 150}},  {32, {830, 212}, {554, 150}},  {33, {767, 185}, {512, 131}},
    {57, {11, 212}, {8, 150}},     {87, {74, 405}, {50, 279}},    {88, {582, 71}, {390, 53}},
    {124, {523, 122}, {352, 86}},  {140, {464, 173}, {314, 119}}, {143, {401, 228}, {272, 156}},
    {144, {434, 198}, {295, 136}},  // 434.5 and 198.5 large: halves round to even
};

TEST(BuildLayout, ReferencePositions) {
  for (bool large : {true, false})
    for (const auto& [pos, lg, rg] : kReferences)
      EXPECT_EQ(BuildLayout(large).TilePosXY[pos], large ? lg : rg) << pos;
}

// Faces: regular 1 at (512, 20) 42 x 37, 12 at (50, 20), 23 at (386, 94) under 94 at (390, 90);
// large 1 at (767, 20) 63 x 55, 12 at (74, 20), 23 at (578, 130) under 94 at (582, 126).
// Each size: the four edges of 1 strictly, 12's depth band, the overlap, 23 alone.
const std::tuple<bool, int, int, Position> kHitCases[] = {
    {false, 512, 38, 0},  {false, 513, 38, 1},   {false, 553, 38, 1},   {false, 554, 38, 0},
    {false, 533, 20, 0},  {false, 533, 21, 1},   {false, 533, 56, 1},   {false, 533, 57, 0},
    {false, 47, 38, 0},   {false, 391, 126, 94}, {false, 388, 129, 23}, {true, 767, 47, 0},
    {true, 768, 47, 1},   {true, 829, 47, 1},    {true, 830, 47, 0},    {true, 798, 20, 0},
    {true, 798, 21, 1},   {true, 798, 74, 1},    {true, 798, 75, 0},    {true, 70, 47, 0},
    {true, 583, 180, 94}, {true, 580, 183, 23},
};

TEST(HitTest, StrictFaceEdgesNoDepthBandUpperTileWins) {
  const Game game = testing::BoardWith({{1, 20}, {12, 21}, {23, 22}, {94, 23}});
  for (const auto& [large, x, y, hit] : kHitCases) {
    EXPECT_EQ(HitTest(BuildLayout(large), game.Board, x, y), hit)
        << (large ? "large " : "regular ") << x << "," << y;
  }
}

}  // namespace
}  // namespace kestalon
