// Writing and reading the bytes of the settings file.
#include "shell/formats/settings_format.h"

#include <algorithm>

namespace kestalon {
namespace {

std::optional<bool> FlagAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
  if (bytes.size() < offset + 2) return std::nullopt;
  return bytes[offset] != 0 || bytes[offset + 1] != 0;
}

}  // namespace

std::vector<std::uint8_t> EncodeSettings(bool sound, bool largeTiles, bool winnableDeals) {
  std::vector<std::uint8_t> bytes(winnableDeals ? kSettingsLongestFileSize : kSettingsFileSize);
  std::copy(kSettingsHeader.begin(), kSettingsHeader.end(), bytes.begin());
  const std::uint8_t soundByte = sound ? 0xFF : 0x00;
  const std::uint8_t largeByte = largeTiles ? 0xFF : 0x00;
  bytes[kSettingsSoundOffset] = bytes[kSettingsSoundOffset + 1] = soundByte;
  bytes[kSettingsLargeTilesOffset] = bytes[kSettingsLargeTilesOffset + 1] = largeByte;
  if (winnableDeals)
    bytes[kSettingsWinnableDealsOffset] = bytes[kSettingsWinnableDealsOffset + 1] = 0xFF;
  return bytes;
}

std::optional<StoredSettings> DecodeSettings(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kSettingsHeader.size() ||
      !std::equal(kSettingsHeader.begin(), kSettingsHeader.end(), bytes.begin())) {
    return std::nullopt;
  }
  return StoredSettings{FlagAt(bytes, kSettingsSoundOffset),
                        FlagAt(bytes, kSettingsLargeTilesOffset),
                        FlagAt(bytes, kSettingsWinnableDealsOffset)};
}

}  // namespace kestalon
