// The settings file: "Kesta Opt" and the Sound and Large Tiles flags, 13 bytes; with Winnable
// Deals checked, its flag follows them, 15 bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace kestalon {

inline constexpr std::string_view kSettingsHeader = "Kesta Opt";
inline constexpr std::string_view kSettingsFileName = "knopts.cfg";
inline constexpr std::size_t kSettingsSoundOffset = 9;
inline constexpr std::size_t kSettingsLargeTilesOffset = 11;
inline constexpr std::size_t kSettingsFileSize = 13;
inline constexpr std::size_t kSettingsWinnableDealsOffset = 13;
inline constexpr std::size_t kSettingsLongestFileSize = 15;

// The flags a settings file holds; a flag cut off by the end of a short file is absent.
struct StoredSettings {
  std::optional<bool> sound;
  std::optional<bool> largeTiles;
  std::optional<bool> winnableDeals;
  friend bool operator==(const StoredSettings&, const StoredSettings&) = default;
};

// Each flag as a 16-bit value: -1 (FF FF) when on, 0 when off. The Winnable Deals flag is
// written only when on, so that the file stays what it always was while it is off.
std::vector<std::uint8_t> EncodeSettings(bool sound, bool largeTiles, bool winnableDeals = false);

// Empty when the first 9 bytes are not "Kesta Opt" exactly. Any nonzero flag reads as on;
// bytes after the first 15 are ignored.
std::optional<StoredSettings> DecodeSettings(std::span<const std::uint8_t> bytes);

}  // namespace kestalon
