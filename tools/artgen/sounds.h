// The game's three sounds, synthesised and written as 16-bit mono PCM WAV files.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace kestalon::artgen {

inline constexpr int kSampleRate = 22050;

std::vector<std::int16_t> AlertSound();     // a short soft tock for a refused press
std::vector<std::int16_t> WellDoneSound();  // a rising, happy arpeggio
std::vector<std::int16_t> GameOverSound();  // a falling phrase

// A RIFF/WAVE file: PCM, one channel, 16 bits, kSampleRate samples a second.
QByteArray WavFile(const std::vector<std::int16_t>& samples);

}  // namespace kestalon::artgen
