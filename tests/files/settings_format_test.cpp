// The settings bytes: the exact 13 written, and how flags, short files and headers read.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/formats/settings_format.h"

namespace kestalon {
namespace {

std::vector<std::uint8_t> File(const std::string& header, std::initializer_list<int> rest) {
  std::vector<std::uint8_t> out(header.begin(), header.end());
  for (int v : rest) out.push_back(static_cast<std::uint8_t>(v));
  return out;
}

TEST(SettingsFormat, WritesHeaderThenTwoFlagsAsMinusOneOrZero) {
  const auto on = EncodeSettings(true, false);
  EXPECT_EQ(std::vector<std::uint8_t>(on.begin(), on.end()),
            File("Kesta Opt", {0xFF, 0xFF, 0x00, 0x00}));
  const auto off = EncodeSettings(false, true);
  EXPECT_EQ(std::vector<std::uint8_t>(off.begin(), off.end()),
            File("Kesta Opt", {0x00, 0x00, 0xFF, 0xFF}));
}

TEST(SettingsFormat, AnyNonzeroFlagReadsAsOn) {
  struct Case {
    std::initializer_list<int> flags;
    bool sound, large;
  };
  for (const Case& c :
       {Case{{0x00, 0x00, 0xFF, 0xFF}, false, true}, Case{{0xFF, 0xFF, 0x00, 0x00}, true, false},
        Case{{0x01, 0x00, 0x00, 0x00}, true, false}, Case{{0x00, 0x01, 0x00, 0x80}, true, true},
        Case{{0x00, 0x00, 0x00, 0x00}, false, false}}) {
    const auto read = DecodeSettings(File("Kesta Opt", c.flags));
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->sound, c.sound);
    EXPECT_EQ(read->largeTiles, c.large);
  }
}

TEST(SettingsFormat, ShortFilesLeaveTheMissingFlagsAbsent) {
  EXPECT_EQ(DecodeSettings(File("Kesta Opt", {})), (StoredSettings{}));
  EXPECT_EQ(DecodeSettings(File("Kesta Opt", {0x00})), (StoredSettings{}));
  EXPECT_EQ(DecodeSettings(File("Kesta Opt", {0x00, 0x00})), (StoredSettings{false, {}}));
  EXPECT_EQ(DecodeSettings(File("Kesta Opt", {0x00, 0x00, 0xFF})), (StoredSettings{false, {}}));
  EXPECT_EQ(DecodeSettings(File("Kesta Opt", {0x00, 0x00, 0xFF, 0xFF})),
            (StoredSettings{false, true}));
}

TEST(SettingsFormat, BytesAfterTheThirteenthAreIgnored) {
  EXPECT_EQ(DecodeSettings(File("Kesta Opt", {0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0x41})),
            (StoredSettings{false, false}));
}

TEST(SettingsFormat, HeaderMustMatchExactly) {
  for (const char* header :
       {"kesta opt", "KESTA OPT", "Kesta opt", "Kesta Op", "", "Kesta_Opt", "Kesta Opu"}) {
    EXPECT_FALSE(DecodeSettings(File(header, {0x00, 0x00, 0xFF, 0xFF})).has_value()) << header;
  }
  EXPECT_FALSE(DecodeSettings(File("PC Kestalon", {})).has_value());
}

}  // namespace
}  // namespace kestalon
