#include "simulation/loop_state.h"

namespace corvale {

void ResetState(LoopState& state, std::uint64_t noiseSeed) {
  state = LoopState{};
  state.noise = state.noiseSeed = noiseSeed;
}

void SeedNoise(LoopState& state, std::uint64_t seed) {
  if (seed != state.noiseSeed) state.noise = state.noiseSeed = seed;
}

}  // namespace corvale
