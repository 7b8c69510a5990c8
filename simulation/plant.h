#pragma once

namespace corvale {

// The simulated plant: a gain of one half. Its one-step delay comes from the
// loop feeding it the previous step's output.
constexpr double Plant(double x) { return x / 2; }

}  // namespace corvale
