#pragma once

#include <cstdint>

namespace corvale {

// splitmix64: a generator whose whole state is one 64-bit number, so that a
// run's noise is reproduced from its seed in any language.
constexpr std::uint64_t NextDraw(std::uint64_t& state) {
  state += 0x9E3779B97F4A7C15u;
  std::uint64_t z = state;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
  return z ^ (z >> 31);
}

// A draw as a noise in [-size, size]: its top 53 bits as a fraction in [0, 1),
// then stretched.
constexpr double NoiseOf(std::uint64_t draw, double size) {
  const double u = static_cast<double>(draw >> 11) * 0x1p-53;
  return size * (2 * u - 1);
}

}  // namespace corvale
