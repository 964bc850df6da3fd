// The layout tables: reference positions, numbering, neighbours and their exceptions.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "display/layout/board_layout.h"

namespace kestalon {
namespace {

struct Reference {
  Position pos;
  TilePoint large;
  TilePoint regular;
};

const Reference kReferences[] = {
    {1, {767, 20}, {512, 20}},     {12, {74, 20}, {50, 20}},      {13, {641, 75}, {428, 57}},
    {31, {893, 212}, {596, 150}},  {32, {830, 212}, {554, 150}},  {33, {767, 185}, {512, 131}},
    {57, {11, 212}, {8, 150}},     {87, {74, 405}, {50, 279}},    {88, {582, 71}, {390, 53}},
    {124, {523, 122}, {352, 86}},  {140, {464, 173}, {314, 119}}, {143, {401, 228}, {272, 156}},
    {144, {434, 198}, {295, 136}},
};

TEST(BuildLayout, ReferencePositionsInBothSizes) {
  for (const Reference& r : kReferences) {
    BuildLayout(true);
    EXPECT_EQ(TilePosXY[r.pos], r.large) << "large " << r.pos;
    BuildLayout(false);
    EXPECT_EQ(TilePosXY[r.pos], r.regular) << "regular " << r.pos;
  }
}

TEST(BuildLayout, SizeVariables) {
  BuildLayout(true);
  EXPECT_EQ(TileWidth, 63);
  EXPECT_EQ(TileHeight, 55);
  EXPECT_EQ(TileDepth, 9);
  BuildLayout(false);
  EXPECT_EQ(TileWidth, 42);
  EXPECT_EQ(TileHeight, 37);
  EXPECT_EQ(TileDepth, 6);
}

TEST(BuildLayout, SwitchingBackGivesTheSameTablesAndEntryZeroStaysEmpty) {
  BuildLayout(false);
  const auto regular = TilePosXY;
  const auto neighbours = TileNeighbours;
  BuildLayout(true);
  EXPECT_EQ(TileNeighbours, neighbours);
  EXPECT_NE(TilePosXY, regular);
  BuildLayout(false);
  EXPECT_EQ(TilePosXY, regular);
  EXPECT_EQ(TilePosXY[0], TilePoint{});
  EXPECT_EQ(TileNeighbours[0], Neighbours{});
}

TEST(BuildLayout, PicturesFitTheBoardOfTheirSize) {
  for (bool large : {false, true}) {
    BuildLayout(large);
    int right = 0, bottom = 0, left = 1000, top = 1000;
    for (int p = 1; p <= kPositionCount; ++p) {
      left = std::min<int>(left, TilePosXY[p].x - TileDepth);
      top = std::min<int>(top, TilePosXY[p].y);
      right = std::max(right, TilePosXY[p].x + TileWidth - 1);
      bottom = std::max(bottom, TilePosXY[p].y + TileHeight + TileDepth - 2);
    }
    EXPECT_EQ(right, large ? 955 : 637);
    EXPECT_EQ(bottom, large ? 467 : 320);
    EXPECT_LT(right, large ? kLargeBoardWidth : kRegularBoardWidth);
    EXPECT_LT(bottom, large ? kLargeBoardHeight : kRegularBoardHeight);
    EXPECT_GE(left, 0);
    EXPECT_GE(top, 0);
  }
}

TEST(BuildLayout, NumberingRunsRightToLeftAndLayerByLayer) {
  BuildLayout(false);
  std::map<int, int> layerSizes;
  int previousLayer = 1;
  for (int p = 1; p <= kPositionCount; ++p) {
    const GridPlace g = PlaceOf(static_cast<Position>(p));
    ++layerSizes[g.layer];
    EXPECT_GE(g.layer, previousLayer) << p;
    previousLayer = g.layer;
  }
  EXPECT_EQ(layerSizes, (std::map<int, int>{{1, 87}, {2, 36}, {3, 16}, {4, 4}, {5, 1}}));
  // Within a row the next number stands one column to the left.
  for (int p = 1; p < 12; ++p) EXPECT_EQ(TilePosXY[p].x - TilePosXY[p + 1].x, TileWidth);
  for (int p = 88; p < 93; ++p) EXPECT_EQ(TilePosXY[p].x - TilePosXY[p + 1].x, TileWidth);
}

TEST(BuildLayout, NeighbourRuleAndItsExceptions) {
  BuildLayout(false);
  auto n = [](int p) { return TileNeighbours[p]; };
  EXPECT_EQ(n(1), (Neighbours{0, 2, 0}));
  EXPECT_EQ(n(12), (Neighbours{0, 0, 11}));
  EXPECT_EQ(n(31), (Neighbours{0, 0, 0}));
  EXPECT_EQ(n(32), (Neighbours{0, 31, 31}));
  EXPECT_EQ(n(33), (Neighbours{0, 34, 32}));
  EXPECT_EQ(n(45), (Neighbours{0, 46, 32}));
  EXPECT_EQ(n(44), (Neighbours{0, 57, 43}));
  EXPECT_EQ(n(56), (Neighbours{0, 57, 55}));
  EXPECT_EQ(n(57), (Neighbours{0, 0, 0}));
  for (int p : {140, 141, 142, 143}) EXPECT_EQ(n(p), (Neighbours{144, 0, 0})) << p;
  EXPECT_EQ(n(144), (Neighbours{0, 0, 0}));
  // Layer 1 row 1 column 9 lies under layer 2 row 1 column 9 (88), and so on upwards.
  EXPECT_EQ(n(14).above, 88);
  EXPECT_EQ(n(88).above, 0);
  EXPECT_EQ(n(95).above, 124);
  EXPECT_EQ(n(125).above, 0);
  EXPECT_EQ(n(129).above, 140);
  EXPECT_EQ(n(88), (Neighbours{0, 89, 0}));
  EXPECT_EQ(n(93), (Neighbours{0, 0, 92}));
}

TEST(BuildLayout, EveryTileAboveSitsFourPixelsUpAndRight) {
  BuildLayout(true);
  std::set<int> covered;
  for (int p = 1; p <= kPositionCount; ++p) {
    const Position a = TileNeighbours[p].above;
    if (a == 0 || a == 144) continue;
    covered.insert(p);
    EXPECT_EQ(TilePosXY[a].x - TilePosXY[p].x, 4) << p;
    EXPECT_EQ(TilePosXY[p].y - TilePosXY[a].y, 4) << p;
  }
  EXPECT_EQ(covered.size(), 36u + 16u + 4u);
}

}  // namespace
}  // namespace kestalon
