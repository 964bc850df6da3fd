// Fuzz target: any bytes offered as a settings file. They are accepted exactly when they start
// with "Kesta Opt"; a flag is read when its two bytes are there and only the first 15 bytes
// count; the flags read survive writing and reading back.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "shell/formats/settings_format.h"
#include "tests/fuzz/fuzz_check.h"

using namespace kestalon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto settings = DecodeSettings({data, size});
  FUZZ_CHECK(settings.has_value() == (size >= 9 && std::equal(data, data + 9, "Kesta Opt")));
  if (!settings) return 0;
  FUZZ_CHECK(settings->sound.has_value() == (size >= 11));
  FUZZ_CHECK(settings->largeTiles.has_value() == (size >= 13));
  FUZZ_CHECK(settings->winnableDeals.has_value() == (size >= 15));
  FUZZ_CHECK(DecodeSettings({data, std::min<std::size_t>(size, 15)}) == settings);
  const bool sound = settings->sound.value_or(true), large = settings->largeTiles.value_or(false);
  const bool winnable = settings->winnableDeals.value_or(false);
  // Off, the flag is not written at all.
  const StoredSettings back{sound, large, winnable ? std::optional(true) : std::nullopt};
  FUZZ_CHECK(DecodeSettings(EncodeSettings(sound, large, winnable)) == back);
  return 0;
}
