#pragma once

#include <cstdint>
#include <string>

namespace corvale {

// Everything that carries the simulation from one step to the next and from
// one run to the next. A freshly made state behaves like the window's state at
// start-up: every number 0, every text empty.
struct LoopState {
  double Integral = 0;
  std::string Ki;  // gains and set point are kept as the texts the user typed
  std::string Kd;
  std::string Kp;
  double PV = 0;
  double X = 0;
  double Output = 0;
  std::string SP;
  std::int64_t Step = 0;

  friend bool operator==(const LoopState&, const LoopState&) = default;
};

// Starts a fresh simulation. The gain and set-point texts stay as they are.
void ResetState(LoopState& state);

}  // namespace corvale
