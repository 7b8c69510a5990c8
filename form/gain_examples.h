#pragma once

#include <cstdint>
#include <optional>

namespace corvale {

// What the gains' tooltips say of this loop in numbers, so that the window
// cites what the tests find the loop to do.

// P alone settles short of SP for any Kp below this, and never from it on:
// PV swings back by Kp / 2 of each swing.
inline constexpr double kPAloneLimit = 2;

// Where PV zigzags around SP, up one step and down the next, the error
// changes sign each step: its change is this many times the error, and D adds
// this many times Kd to Kp.
inline constexpr double kZigzagChange = 2;

// Kd on the window's first Kp and Ki: the step from which PV settles, none
// for a loop that never does, and its overshoot.
inline constexpr double kKdExampleKp = 0.5;
inline constexpr double kKdExampleKi = 0.5;
struct KdExample {
  double kd;
  std::optional<std::int64_t> settledFrom;
  double overshootPercent;
};
inline constexpr KdExample kKdExamples[] = {{0, 18, 0}, {0.5, 28, 4.8}, {1, std::nullopt, 0}};

}  // namespace corvale
