#include "simulation/loop_state.h"

namespace corvale {

void ResetState(LoopState& state) {
  state.Integral = 0;
  state.X = 0;
  state.Step = 0;
}

}  // namespace corvale
