// The game's pseudo-random numbers: reseeded from the clock, uniform in [0, 1).
#pragma once

#include <chrono>
#include <cstdint>
#include <random>

namespace kestalon {

class ClockSeededRandom {
 public:
  ClockSeededRandom() { Randomize(); }

  void Randomize() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seed{static_cast<std::uint32_t>(now), static_cast<std::uint32_t>(now >> 32)};
    generator_.seed(seed);
  }

  // 24 random bits make a float in [0, 1) exactly, never 1.
  float Rnd() { return static_cast<float>(generator_() >> 8) * (1.0f / 16777216.0f); }

 private:
  std::mt19937 generator_;
};

}  // namespace kestalon
