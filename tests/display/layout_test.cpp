// The layout at both tile sizes: reference positions, the pictures inside the board, and each
// layer sitting up and to the right of the one below.
#include <gtest/gtest.h>

#include <tuple>

#include "display/layout/board_layout.h"

namespace kestalon {

// Position, then its face's top-left corner with large and with regular tiles.
const std::tuple<Position, TilePoint, TilePoint> kReferences[] = {
    {1, {767, 20}, {512, 20}},     {12, {74, 20}, {50, 20}},      {13, {641, 75}, {428, 57}},
    {31, {893, 212}, {596, 150}},  {32, {830, 212}, {554, 150}},  {33, {767, 185}, {512, 131}},
    {57, {11, 212}, {8, 150}},     {87, {74, 405}, {50, 279}},    {88, {582, 71}, {390, 53}},
    {124, {523, 122}, {352, 86}},  {140, {464, 173}, {314, 119}}, {143, {401, 228}, {272, 156}},
    {144, {434, 198}, {295, 136}},  // 434.5 and 198.5 large: halves round to even
};

TEST(BuildLayout, ReferencePositionsPicturesInsideTheBoardLayerOffsets) {
  for (bool large : {true, false}) {
    BuildLayout(large);
    for (const auto& [pos, lg, rg] : kReferences) EXPECT_EQ(TilePosXY[pos], large ? lg : rg) << pos;
    for (Position p = 1; p <= kPositionCount; ++p) {
      const TilePoint at = TilePosXY[p], above = TilePosXY[TileNeighbours[p].above];
      // The picture is the face with the depth band left of it and below it.
      EXPECT_TRUE(at.x >= TileDepth && at.x + TileWidth <= (large ? 960 : 640)) << p;
      EXPECT_LE(at.y + TileHeight + TileDepth - 1, large ? 480 : 360) << p;
      // Each tile above sits 4 px up and right.
      if (TileNeighbours[p].above == 0 || p >= 140) continue;
      EXPECT_EQ(above.x - at.x, 4) << p;
      EXPECT_EQ(at.y - above.y, 4) << p;
    }
    // The top tile sits 2 px up and right of the middle of layer 4 (in half pixels, give or
    // take the rounding).
    EXPECT_NEAR(2 * TilePosXY[144].x - TilePosXY[140].x - TilePosXY[141].x, 4, 1);
    EXPECT_NEAR(TilePosXY[140].y + TilePosXY[142].y - 2 * TilePosXY[144].y, 4, 1);
  }
}

}  // namespace kestalon
