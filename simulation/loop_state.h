#pragma once

#include <array>
#include <cstdint>

#include "simulation/plant.h"

namespace corvale {

// Everything that carries the simulation from one step to the next and from
// one run to the next. A freshly made state behaves like the window's state at
// start-up: every number 0. The gains, the set point and the options are read
// afresh at every run, and so are not carried.
struct LoopState {
  double Integral = 0;
  double X = 0;
  std::int64_t Step = 0;
  // The plant's: its first lag's value and its output, the true PV.
  double lag = 0;
  double pv = 0;
  // The PV the controller read at the step before, for D on the measurement.
  double measured = 0;
  // The noise generator's state, and the seed it was started from.
  std::uint64_t noise = 0;
  std::uint64_t noiseSeed = 0;
  // The plant inputs X of the latest steps, step n's at n modulo the size,
  // for a dead time to take the one of so many steps before; 0 before the
  // first step.
  std::array<double, kMaxDeadTime + 1> pastX{};

  double XBefore(std::int64_t step, std::int64_t steps) const {
    const std::int64_t from = step - steps;
    return from < 1 ? 0 : pastX[static_cast<std::size_t>(from % std::ssize(pastX))];
  }

  friend bool operator==(const LoopState&, const LoopState&) = default;
};

// Starts a fresh simulation, its noise drawn from `noiseSeed`.
void ResetState(LoopState& state, std::uint64_t noiseSeed = 0);

// Starts the noise afresh from `seed` where it was drawn from another.
void SeedNoise(LoopState& state, std::uint64_t seed);

}  // namespace corvale
