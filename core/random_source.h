// Where a deal's random numbers come from: the clock-seeded generator in play, a scripted
// sequence in tests.
#pragma once

#include <chrono>
#include <cstdint>
#include <random>

namespace kestalon {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // Reseeds from the clock (a scripted source may ignore it).
  virtual void Randomize() = 0;
  // Next value, uniform in [0, 1).
  virtual float Rnd() = 0;
};

class ClockSeededRandom final : public RandomSource {
 public:
  ClockSeededRandom() { Randomize(); }

  void Randomize() override {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seed{static_cast<std::uint32_t>(now), static_cast<std::uint32_t>(now >> 32)};
    generator_.seed(seed);
  }

  // 24 random bits make a float in [0, 1) exactly, never 1.
  float Rnd() override { return static_cast<float>(generator_() >> 8) * (1.0f / 16777216.0f); }

 private:
  std::mt19937 generator_;
};

}  // namespace kestalon
