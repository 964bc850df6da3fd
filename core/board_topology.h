// The fixed five-layer layout as positions on a grid, and which positions lie on each one and
// beside it: immutable data, built by the compiler.
#pragma once

#include <array>

#include "core/game.h"

namespace kestalon {

// Where a position sits: layer 1 (bottom) to 5, column and row counted in half cells so that
// the three end tiles and the top tile are exact.
struct GridPlace {
  int layer = 0;
  int halfColumn = 0;  // 0..28
  int halfRow = 0;     // 0..14
  friend bool operator==(const GridPlace&, const GridPlace&) = default;
};

struct Neighbours {
  Position above = 0;  // the tile lying on this one
  Position left = 0;   // beside it on its left on screen
  Position right = 0;  // beside it on its right
  friend bool operator==(const Neighbours&, const Neighbours&) = default;
};

namespace topology {

// One run of consecutive position numbers: a row of a layer, numbered from its right end
// (highest column) to its left end.
struct Run {
  int layer;
  int halfRow;
  int firstHalfColumn;  // the right end, numbered first
  int count;
};

inline constexpr std::array<Run, 23> kRuns{{
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
inline constexpr GridPlace kTopTile{5, 13, 7};  // 144

constexpr std::array<GridPlace, kBoardEntries> BuildPlaces() {
  std::array<GridPlace, kBoardEntries> places{};
  int p = 1;
  for (const Run& run : kRuns) {
    for (int i = 0; i < run.count; ++i)
      places[p++] = {run.layer, run.firstHalfColumn - 2 * i, run.halfRow};
  }
  places[p] = kTopTile;
  return places;
}

constexpr Position FindPlace(const std::array<GridPlace, kBoardEntries>& places, GridPlace wanted) {
  for (int p = 1; p <= kPositionCount; ++p) {
    if (places[p] == wanted) return static_cast<Position>(p);
  }
  return 0;
}

constexpr std::array<Neighbours, kBoardEntries> BuildNeighbours() {
  const auto places = BuildPlaces();
  std::array<Neighbours, kBoardEntries> result{};
  for (int p = 1; p <= kPositionCount; ++p) {
    const GridPlace g = places[p];
    result[p] = {FindPlace(places, {g.layer + 1, g.halfColumn, g.halfRow}),
                 FindPlace(places, {g.layer, g.halfColumn - 2, g.halfRow}),
                 FindPlace(places, {g.layer, g.halfColumn + 2, g.halfRow})};
  }
  // The end tiles stand half a row off: 31 and 57 stand free, 32 is held only by 31, and the
  // rows beside them lean on them.
  result[31] = {0, 0, 0};
  result[32] = {0, 31, 31};
  result[33].right = 32;
  result[45].right = 32;
  result[44].left = 57;
  result[56].left = 57;
  result[57] = {0, 0, 0};
  for (int p = 140; p <= 143; ++p) result[p] = {144, 0, 0};
  result[144] = {0, 0, 0};
  return result;
}

}  // namespace topology

// Per position 0..144; entry 0 is all zero.
inline constexpr std::array<GridPlace, kBoardEntries> kGridPlaces = topology::BuildPlaces();
inline constexpr std::array<Neighbours, kBoardEntries> TileNeighbours = topology::BuildNeighbours();

}  // namespace kestalon
