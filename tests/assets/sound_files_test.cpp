// The committed sound files: RIFF/WAVE, PCM, one channel, 16 bits, 22050 Hz, short and clean.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QtEndian>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <vector>

#include "tests/assets/asset_files.h"

namespace kestalon::testing {
namespace {

struct Wave {
  std::uint16_t format = 0, channels = 0, bitsPerSample = 0, blockAlign = 0;
  std::uint32_t sampleRate = 0, byteRate = 0;
  std::vector<std::int16_t> samples;
};

// Walks the chunks of a RIFF/WAVE file; nullopt when the structure is broken.
std::optional<Wave> ParseWave(const QByteArray& bytes) {
  const auto at = [&](qsizetype offset) { return bytes.constData() + offset; };
  const auto read16 = [&](qsizetype offset) { return qFromLittleEndian<quint16>(at(offset)); };
  const auto read32 = [&](qsizetype offset) { return qFromLittleEndian<quint32>(at(offset)); };
  if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") return {};
  if (read32(4) != static_cast<std::uint32_t>(bytes.size() - 8)) return {};
  Wave wave;
  bool haveFormat = false, haveData = false;
  for (qsizetype chunk = 12; chunk + 8 <= bytes.size();) {
    const QByteArray id = bytes.mid(chunk, 4);
    const std::uint32_t size = read32(chunk + 4);
    const qsizetype body = chunk + 8;
    if (size > static_cast<std::uint32_t>(bytes.size() - body)) return {};
    if (id == "fmt ") {
      if (size < 16) return {};
      wave.format = read16(body);
      wave.channels = read16(body + 2);
      wave.sampleRate = read32(body + 4);
      wave.byteRate = read32(body + 8);
      wave.blockAlign = read16(body + 12);
      wave.bitsPerSample = read16(body + 14);
      haveFormat = true;
    } else if (id == "data") {
      if (size % 2 != 0) return {};
      for (qsizetype i = body; i < body + size; i += 2)
        wave.samples.push_back(static_cast<std::int16_t>(read16(i)));
      haveData = true;
    }
    chunk = body + size + (size & 1);
  }
  if (!haveFormat || !haveData) return {};
  return wave;
}

class SoundFileTest : public ::testing::TestWithParam<const char*> {};

TEST_P(SoundFileTest, IsShortAudibleUnclippedMono16BitPcmAt22050Hz) {
  const QByteArray bytes = LoadBytes(QStringLiteral("sounds/%1").arg(QLatin1String(GetParam())));
  ASSERT_FALSE(bytes.isEmpty());
  const std::optional<Wave> wave = ParseWave(bytes);
  ASSERT_TRUE(wave.has_value()) << "not a well-formed RIFF/WAVE file";
  EXPECT_EQ(wave->format, 1) << "PCM";
  EXPECT_EQ(wave->channels, 1);
  EXPECT_EQ(wave->sampleRate, 22050u);
  EXPECT_EQ(wave->bitsPerSample, 16);
  EXPECT_EQ(wave->blockAlign, 2);
  EXPECT_EQ(wave->byteRate, 44100u);
  const double seconds = double(wave->samples.size()) / 22050;
  EXPECT_GE(seconds, 0.1);
  EXPECT_LE(seconds, 1.0);
  ASSERT_FALSE(wave->samples.empty());
  int peak = 0;
  for (std::int16_t s : wave->samples) peak = std::max(peak, std::abs(int(s)));
  EXPECT_GT(peak, 8000) << "too quiet to hear";
  EXPECT_LT(peak, 32000) << "clipped";
  EXPECT_LT(std::abs(int(wave->samples.front())), 500) << "click at the start";
  EXPECT_LT(std::abs(int(wave->samples.back())), 500) << "click at the end";
}

INSTANTIATE_TEST_SUITE_P(GameSounds, SoundFileTest,
                         ::testing::Values("alert.wav", "welldone.wav", "gameover.wav"),
                         [](const auto& info) {
                           std::string name = info.param;
                           return name.substr(0, name.find('.'));
                         });

}  // namespace
}  // namespace kestalon::testing
