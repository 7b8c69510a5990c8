#pragma once

namespace corvale {

// The controller's output is held within these, and so the plant's input.
inline constexpr double kOutputLow = 0;
inline constexpr double kOutputHigh = 255;

// The simulated plant: a gain of one half. Its one-step delay comes from the
// loop feeding it the previous step's output.
constexpr double Plant(double x) { return x / 2; }

// The highest PV the plant reaches with its input within the output's limits.
inline constexpr double kHighestPv = Plant(kOutputHigh);

}  // namespace corvale
