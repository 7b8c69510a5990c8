#pragma once

#include <cstdint>

namespace corvale {

// Everything that carries the simulation from one step to the next and from
// one run to the next. A freshly made state behaves like the window's state at
// start-up: every number 0. The gains and the set point are read afresh at
// every run, and so are not carried.
struct LoopState {
  double Integral = 0;
  double X = 0;
  std::int64_t Step = 0;

  friend bool operator==(const LoopState&, const LoopState&) = default;
};

// Starts a fresh simulation.
void ResetState(LoopState& state);

}  // namespace corvale
