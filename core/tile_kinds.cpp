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
  // Three suits of nine values each follow the honours.
  static constexpr std::array<std::string_view, 3> kSuits{"Circles ", "Craks ", "Bamboo "};
  const int offset = kind - kFirstCircle;
  return std::string(kSuits[offset / 9]) + std::to_string(offset % 9 + 1);
}

}  // namespace kestalon
