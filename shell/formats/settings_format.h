// The settings file: "Kesta Opt" and the Sound and Large Tiles flags, 13 bytes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace kestalon {

inline constexpr std::string_view kSettingsHeader = "Kesta Opt";
inline constexpr std::string_view kSettingsFileName = "knopts.cfg";
inline constexpr std::size_t kSettingsSoundOffset = 9;
inline constexpr std::size_t kSettingsLargeTilesOffset = 11;
inline constexpr std::size_t kSettingsFileSize = 13;

// The flags a settings file holds; a flag cut off by the end of a short file is absent.
struct StoredSettings {
  std::optional<bool> sound;
  std::optional<bool> largeTiles;
  friend bool operator==(const StoredSettings&, const StoredSettings&) = default;
};

// Each flag as a 16-bit value: -1 (FF FF) when on, 0 when off.
std::array<std::uint8_t, kSettingsFileSize> EncodeSettings(bool sound, bool largeTiles);

// Empty when the first 9 bytes are not "Kesta Opt" exactly. Any nonzero flag reads as on;
// bytes after the first 13 are ignored.
std::optional<StoredSettings> DecodeSettings(std::span<const std::uint8_t> bytes);

}  // namespace kestalon
