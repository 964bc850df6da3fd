// The game's dealing from a fixed seed, for the figures: the same deals on every run.
#pragma once

#include <random>

#include "core/random_source.h"

namespace kestalon {

class SeededRandom final : public RandomSource {
 public:
  explicit SeededRandom(unsigned seed) : generator_(seed) {}
  void Randomize() override {}  // the seed stays
  // 24 random bits, as the game's own source makes them.
  float Rnd() override { return static_cast<float>(generator_() >> 8) * (1.0f / 16777216.0f); }

 private:
  std::mt19937 generator_;
};

}  // namespace kestalon
