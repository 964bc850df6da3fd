// Fuzz target: any bytes offered as a settings file. A file is accepted exactly when it
// starts with the header; its flags must survive writing and reading back.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "shell/formats/settings_format.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kestalon;
  const std::span<const std::uint8_t> bytes(data, size);
  const auto settings = DecodeSettings(bytes);
  const bool headerMatches = size >= kSettingsHeader.size() &&
                             std::equal(kSettingsHeader.begin(), kSettingsHeader.end(), data);
  FUZZ_CHECK(settings.has_value() == headerMatches);
  if (!settings) return 0;
  FUZZ_CHECK(settings->sound.has_value() == (size >= 11));
  FUZZ_CHECK(settings->largeTiles.has_value() == (size >= 13));
  // Only the first 13 bytes count.
  FUZZ_CHECK(DecodeSettings(bytes.first(std::min<std::size_t>(size, kSettingsFileSize))) ==
             settings);

  const bool sound = settings->sound.value_or(true);
  const bool large = settings->largeTiles.value_or(false);
  const auto written = EncodeSettings(sound, large);
  const auto reread = DecodeSettings(written);
  FUZZ_CHECK(reread.has_value());
  FUZZ_CHECK(reread->sound == sound && reread->largeTiles == large);
  return 0;
}
