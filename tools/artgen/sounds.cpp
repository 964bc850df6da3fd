// The game's three sounds, synthesised and written as 16-bit mono PCM WAV files.
#include "tools/artgen/sounds.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kestalon::artgen {
namespace {

// A note struck at a moment: a few harmonics under a quick attack and an exponential decay.
struct Note {
  double start;      // seconds
  double frequency;  // hertz
  double decay;      // seconds for the level to fall to 1/e
  double level;
};

struct Timbre {
  double second;  // level of the second harmonic
  double third;   // level of the third harmonic
};

std::vector<double> Render(double seconds, const std::vector<Note>& notes, Timbre timbre) {
  const auto count = static_cast<std::size_t>(seconds * kSampleRate);
  std::vector<double> mix(count, 0.0);
  constexpr double kAttack = 0.004;
  for (const Note& note : notes) {
    const auto first = static_cast<std::size_t>(note.start * kSampleRate);
    for (std::size_t i = first; i < count; ++i) {
      const double t = double(i - first) / kSampleRate;
      const double envelope = note.level * std::min(1.0, t / kAttack) * std::exp(-t / note.decay);
      const double phase = 2 * std::numbers::pi * note.frequency * t;
      // Higher harmonics fade faster, as on a struck bar.
      mix[i] +=
          envelope * (std::sin(phase) + timbre.second * std::exp(-t / 0.08) * std::sin(2 * phase) +
                      timbre.third * std::exp(-t / 0.05) * std::sin(3 * phase));
    }
  }
  return mix;
}

// Scales to a comfortable peak and fades the last few milliseconds to silence, so that the
// sound never ends on a click.
std::vector<std::int16_t> Finish(const std::vector<double>& mix, double peak) {
  double highest = 1e-9;
  for (double v : mix) highest = std::max(highest, std::abs(v));
  const std::size_t fade = std::min<std::size_t>(mix.size(), kSampleRate / 50);
  std::vector<std::int16_t> samples(mix.size());
  for (std::size_t i = 0; i < mix.size(); ++i) {
    double v = mix[i] / highest * peak;
    const std::size_t left = mix.size() - i;
    if (left <= fade) v *= double(left - 1) / double(fade);
    samples[i] = static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 32767));
  }
  return samples;
}

void PutLittleEndian(QByteArray& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

std::vector<std::int16_t> AlertSound() {
  return Finish(Render(0.14, {{0.0, 740.0, 0.035, 1.0}, {0.0, 1110.0, 0.025, 0.5}}, {0.2, 0.1}),
                0.55);
}

std::vector<std::int16_t> WellDoneSound() {
  // C major: C5 E5 G5 C6, then the top note again with its octave for a bright finish.
  const std::vector<Note> notes = {{0.00, 523.25, 0.20, 0.8},
                                   {0.10, 659.25, 0.20, 0.8},
                                   {0.20, 783.99, 0.20, 0.8},
                                   {0.30, 1046.50, 0.32, 0.9},
                                   {0.30, 2093.00, 0.15, 0.2}};
  return Finish(Render(0.85, notes, {0.25, 0.08}), 0.7);
}

std::vector<std::int16_t> GameOverSound() {
  // G4, E-flat 4, C4: a gentle minor fall, the last note held longest.
  const std::vector<Note> notes = {
      {0.00, 392.00, 0.16, 0.8}, {0.22, 311.13, 0.16, 0.8}, {0.44, 261.63, 0.30, 0.9}};
  return Finish(Render(0.95, notes, {0.3, 0.12}), 0.65);
}

QByteArray WavFile(const std::vector<std::int16_t>& samples) {
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  QByteArray out;
  out.append("RIFF");
  PutLittleEndian(out, 36 + dataBytes, 4);
  out.append("WAVE");
  out.append("fmt ");
  PutLittleEndian(out, 16, 4);               // size of the format chunk
  PutLittleEndian(out, 1, 2);                // PCM
  PutLittleEndian(out, 1, 2);                // one channel
  PutLittleEndian(out, kSampleRate, 4);      // samples a second
  PutLittleEndian(out, kSampleRate * 2, 4);  // bytes a second
  PutLittleEndian(out, 2, 2);                // bytes a sample frame
  PutLittleEndian(out, 16, 2);               // bits a sample
  out.append("data");
  PutLittleEndian(out, dataBytes, 4);
  for (std::int16_t s : samples) PutLittleEndian(out, static_cast<std::uint16_t>(s), 2);
  return out;
}

}  // namespace kestalon::artgen
