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

TEST(SettingsFormat, ReadsAnyNonzeroFlagAsOnAndACutOffFlagAsAbsent) {
  const struct {
    std::vector<std::uint8_t> file;
    StoredSettings read;
  } cases[] = {
      {File("Kesta Opt", {0x00, 0x00, 0xFF, 0xFF}), {false, true}},
      {File("Kesta Opt", {0xFF, 0xFF, 0x00, 0x00}), {true, false}},
      {File("Kesta Opt", {0x01, 0x00, 0x00, 0x00}), {true, false}},
      {File("Kesta Opt", {0x00, 0x01, 0x00, 0x80}), {true, true}},
      {File("Kesta Opt", {0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0x41}), {false, false}},
      {File("Kesta Opt", {0x00, 0x00, 0xFF}), {false, {}}},
      {File("Kesta Opt", {0x00}), {}},
      {File("Kesta Opt", {}), {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DecodeSettings(c.file), c.read) << c.file.size() << " bytes";
  }
}

TEST(SettingsFormat, HeaderMustMatchExactly) {
  for (const char* header :
       {"kesta opt", "KESTA OPT", "Kesta opt", "Kesta Op", "", "Kesta_Opt", "PC Kestalon"}) {
    EXPECT_FALSE(DecodeSettings(File(header, {0x00, 0x00, 0xFF, 0xFF})).has_value()) << header;
  }
}

}  // namespace
}  // namespace kestalon
