// The tile kinds in words.
#include <array>
#include <string_view>

#include "core/tile_kinds.h"

namespace kestalon {

std::string TileKindName(TileKind kind) {
  static constexpr std::array<std::string_view, kFirstCircle> kHonours{
      "",          "Plum",      "Bamboo flower", "Chrysanthemum", "Orchid",       "Spring",
      "Summer",    "Autumn",    "Winter",        "Red dragon",    "White dragon", "Green dragon",
      "East wind", "West wind", "North wind",    "South wind"};
  if (!IsValidKind(kind)) return {};
  if (kind < kFirstCircle) return std::string(kHonours[kind]);
  const TileKind first = kind < kFirstCrak     ? kFirstCircle
                         : kind < kFirstBamboo ? kFirstCrak
                                               : kFirstBamboo;
  const std::string_view suit = first == kFirstCircle ? "Circles "
                                : first == kFirstCrak ? "Craks "
                                                      : "Bamboo ";
  return std::string(suit) + std::to_string(kind - first + 1);
}

}  // namespace kestalon
