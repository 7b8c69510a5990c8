#pragma once

#include <cstdint>

#include "simulation/plant.h"

namespace corvale {

// What keeps the integral from winding up while the output is held at a
// limit.
enum class AntiWindup {
  None,             // the sum runs on
  Conditional,      // a step that would push further past a limit does not add its error
  BackCalculation,  // the sum is pulled back by the tracking gain times what the limit cut
};

// Everything of a run besides its gains and set point: the plant and the
// controller's options, a load on the plant and noise on the measurement.
// The defaults are the loop the program has always simulated.
struct LoopOptions {
  PlantModel plant;
  AntiWindup antiWindup = AntiWindup::None;
  double trackingGain = 0;      // Kb, for back-calculation
  bool derivativeOnPv = false;  // D acts on PV's change, not the error's: no kick when SP steps
  double loadSize = 0;          // added to the plant's input ...
  std::int64_t loadStep = 1;    // ... from this step on
  double noise = 0;             // PV is read with a uniform noise in [-noise, noise] ...
  std::uint64_t noiseSeed = 0;  // ... drawn from this seed

  bool LoadAt(std::int64_t step) const { return loadSize != 0 && step >= loadStep; }
  // The load on the plant's input at `step`: 0 where there is none.
  double LoadOn(std::int64_t step) const { return LoadAt(step) ? loadSize : 0; }

  friend bool operator==(const LoopOptions&, const LoopOptions&) = default;
};

}  // namespace corvale
