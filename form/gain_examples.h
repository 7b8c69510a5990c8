#pragma once

#include <cstdint>

namespace corvale {

// What the README's first lesson says of this loop in numbers, so that it
// cites what the tests find the loop to do.

// P alone never settles from this Kp on: PV swings back by Kp / 2 of each
// swing. Below it PV settles, but a Kp near it rings for long: in a run of
// kPAloneLoops steps, PV settles up to kPAloneSettlesUpTo.
inline constexpr double kPAloneLimit = 2;
inline constexpr std::int64_t kPAloneLoops = 100;
inline constexpr double kPAloneSettlesUpTo = 1.9;

}  // namespace corvale
