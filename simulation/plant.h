#pragma once

#include <cstdint>

namespace corvale {

// The controller's output is held within these, and so the plant's input.
inline constexpr double kOutputLow = 0;
inline constexpr double kOutputHigh = 255;

// The longest dead time a plant may have, in steps: enough for any lesson,
// and the outputs waiting it out stay a small fixed store.
inline constexpr std::int64_t kMaxDeadTime = 1000;

// The simulated plant: a gain, up to two first-order lags and a dead time, all
// in steps, on top of the loop's own one-step delay (the loop feeds it the
// previous step's output). Its defaults are the plant the program has always
// had: a gain of one half and nothing else.
struct PlantModel {
  double K = 0.5;
  double T1 = 0;
  double T2 = 0;
  std::int64_t deadTime = 0;

  friend bool operator==(const PlantModel&, const PlantModel&) = default;
};

// One first-order lag's new value from its value before and its input. A lag
// of 0 passes its input through untouched: the formula would give the same
// value but for the sign of a zero, and the default plant must stay the same
// to the bit.
constexpr double Lag(double lag, double before, double input) {
  return lag == 0 ? input : (lag * before + input) / (lag + 1);
}

// The highest PV the default plant reaches with its input within the
// output's limits.
inline constexpr double kHighestPv = PlantModel{}.K * kOutputHigh;

}  // namespace corvale
