// The 42 tile kinds of the set, how many copies each has, and the match rule.
#pragma once

#include <string>

#include "core/game.h"

namespace kestalon {

inline constexpr TileKind kFirstFlower = 1;  // Plum, Bamboo flower, Chrysanthemum, Orchid
inline constexpr TileKind kFirstSeason = 5;  // Spring, Summer, Autumn, Winter
inline constexpr TileKind kRedDragon = 9;
inline constexpr TileKind kWhiteDragon = 10;
inline constexpr TileKind kGreenDragon = 11;
inline constexpr TileKind kEastWind = 12;     // then West, North, South
inline constexpr TileKind kFirstCircle = 16;  // Circles 1..9 are 16..24
inline constexpr TileKind kFirstCrak = 25;    // Craks 1..9 are 25..33
inline constexpr TileKind kFirstBamboo = 34;  // Bamboo 1..9 are 34..42
inline constexpr TileKind kKindCount = 42;

inline constexpr bool IsValidKind(int kind) {
  return kind >= 1 && kind <= kKindCount;
}

// Flowers and seasons exist once, every other kind four times.
inline constexpr int CopiesInSet(TileKind kind) {
  return kind < kRedDragon ? 1 : 4;
}

inline constexpr bool IsSeason(TileKind kind) {
  return kind >= 5 && kind <= 8;
}

// Equal kinds match, and so do any two flowers or any two seasons. Written as the refusal
// test: different kinds, at least one of them not a flower, and at least one not a season.
inline constexpr bool TilesMatch(TileKind a, TileKind b) {
  const bool refused = a != b && (a >= 5 || b >= 5) && (!IsSeason(a) || !IsSeason(b));
  return !refused;
}

// The kind in words, as a player names it: "Plum", "Red dragon", "Circles 5"; "" for none.
std::string TileKindName(TileKind kind);

}  // namespace kestalon
