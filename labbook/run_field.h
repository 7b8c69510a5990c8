#pragma once

namespace corvale {

// What one run may differ from another in, as its last command ran it: the
// plant, the gains, SP's changes, the controller's options and the
// disturbances, in the order a run's name lists them.
enum class RunField {
  kPlantGain,
  kLag1,
  kLag2,
  kDeadTime,
  kKp,
  kKi,
  kKd,
  kSetPoints,  // SP as the run's commands changed it, each change once
  kAntiWindup,
  kTrackingGain,
  kDerivativeOnPv,
  kLoad,
  kLoadStep,
  kNoise,
  kNoiseSeed,
  kCount
};

}  // namespace corvale
