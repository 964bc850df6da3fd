// Builds the position tables of the layout for one tile size.
#include "display/layout/board_layout.h"

#include <vector>

namespace kestalon {

std::int16_t TileWidth = 0;
std::int16_t TileHeight = 0;
std::int16_t TileDepth = 0;
std::array<TilePoint, kBoardEntries> TilePosXY{};
std::array<Neighbours, kBoardEntries> TileNeighbours{};

namespace {

// One run of consecutive position numbers: a row of a layer, numbered from its right end
// (highest column) to its left end. Columns and rows are in half cells.
struct Run {
  int layer;
  int halfRow;
  int firstHalfColumn;  // the right end, numbered first
  int count;
};

constexpr std::array<Run, 23> kRuns{{
    {1, 0, 24, 12},   // 1-12
    {1, 2, 20, 8},    // 13-20
    {1, 4, 22, 10},   // 21-30
    {1, 7, 28, 1},    // 31, outer right end
    {1, 7, 26, 1},    // 32, inner right end
    {1, 6, 24, 12},   // 33-44
    {1, 8, 24, 12},   // 45-56
    {1, 7, 0, 1},     // 57, left end
    {1, 10, 22, 10},  // 58-67
    {1, 12, 20, 8},   // 68-75
    {1, 14, 24, 12},  // 76-87
    {2, 2, 18, 6},    // 88-93
    {2, 4, 18, 6},    // 94-99
    {2, 6, 18, 6},    // 100-105
    {2, 8, 18, 6},    // 106-111
    {2, 10, 18, 6},   // 112-117
    {2, 12, 18, 6},   // 118-123
    {3, 4, 16, 4},    // 124-127
    {3, 6, 16, 4},    // 128-131
    {3, 8, 16, 4},    // 132-135
    {3, 10, 16, 4},   // 136-139
    {4, 6, 14, 2},    // 140-141
    {4, 8, 14, 2},    // 142-143
}};
constexpr GridPlace kTopTile{5, 13, 7};  // 144

// Pixel shift of each layer (index 1..5), so that upper layers sit up and to the right.
constexpr std::array<int, 6> kLayerShiftX{0, 2, 6, 10, 14, 16};
constexpr std::array<int, 6> kLayerShiftY{0, 20, 16, 12, 8, 6};

const std::array<GridPlace, kBoardEntries>& Places() {
  static const std::array<GridPlace, kBoardEntries> places = [] {
    std::array<GridPlace, kBoardEntries> result{};
    int p = 1;
    for (const Run& run : kRuns) {
      for (int i = 0; i < run.count; ++i) {
        result[p++] = {run.layer, run.firstHalfColumn - 2 * i, run.halfRow};
      }
    }
    result[p] = kTopTile;
    return result;
  }();
  return places;
}

Position FindPlace(int layer, int halfColumn, int halfRow) {
  const auto& places = Places();
  for (int p = 1; p <= kPositionCount; ++p) {
    const GridPlace& g = places[p];
    if (g.layer == layer && g.halfColumn == halfColumn && g.halfRow == halfRow) {
      return static_cast<Position>(p);
    }
  }
  return 0;
}

// Half of an integer, rounded to the nearest whole number with ties to the even one.
std::int16_t HalfRoundedToEven(int twice) {
  int half = twice / 2;  // twice is never negative here
  if (twice % 2 != 0 && half % 2 != 0) ++half;
  return static_cast<std::int16_t>(half);
}

const std::array<Neighbours, kBoardEntries>& NeighbourTable() {
  static const std::array<Neighbours, kBoardEntries> table = [] {
    std::array<Neighbours, kBoardEntries> result{};
    for (int p = 1; p <= kPositionCount; ++p) {
      const GridPlace& g = Places()[p];
      result[p] = {FindPlace(g.layer + 1, g.halfColumn, g.halfRow),
                   FindPlace(g.layer, g.halfColumn - 2, g.halfRow),
                   FindPlace(g.layer, g.halfColumn + 2, g.halfRow)};
    }
    // The end tiles stand half a row off: 31 and 57 stand free, 32 is held only by 31,
    // and the rows beside them lean on them.
    result[31] = {0, 0, 0};
    result[32] = {0, 31, 31};
    result[33].right = 32;
    result[45].right = 32;
    result[44].left = 57;
    result[56].left = 57;
    result[57] = {0, 0, 0};
    for (Position p : {140, 141, 142, 143}) result[p] = {144, 0, 0};
    result[144] = {0, 0, 0};
    return result;
  }();
  return table;
}

}  // namespace

GridPlace PlaceOf(Position p) {
  return p >= 1 && p <= kPositionCount ? Places()[p] : GridPlace{};
}

void BuildLayout(bool large) {
  TileWidth = large ? 63 : 42;
  TileHeight = large ? 55 : 37;
  TileDepth = large ? 9 : 6;
  for (int p = 1; p <= kPositionCount; ++p) {
    const GridPlace& g = Places()[p];
    const int twiceX = 2 * (kLayerShiftX[g.layer] + TileDepth) + g.halfColumn * TileWidth;
    const int twiceY = 2 * kLayerShiftY[g.layer] + g.halfRow * TileHeight;
    TilePosXY[p] = {HalfRoundedToEven(twiceX), HalfRoundedToEven(twiceY)};
    TileNeighbours[p] = NeighbourTable()[p];
  }
}

}  // namespace kestalon
