#pragma once

#include <cstdint>
#include <optional>

namespace corvale {

// Whether a row's plant input sits at one of the output's limits. The first
// step of a simulation shows the input it started from, not one the
// controller chose: it is at none.
enum class Limit { None, AtZero, AtFull };
Limit LimitOf(std::int64_t step, double x);

// Steps at one of the output's limits: how many, the first and the last.
struct LimitSpan {
  std::int64_t steps = 0;
  std::int64_t first = 0;
  std::int64_t last = 0;
};

// How the process value answered one run's step from its value at the run's
// start to the set point, as MATLAB's and GNU Octave's stepinfo measure
// sampled data: rise from 10 % to 90 % of the way, settling within 2 % of the
// step around the set point. Times are step numbers of the transcript.
struct StepFigures {
  double start = 0;     // PV as the run began
  double setPoint = 0;  // the run's SP
  std::int64_t steps = 0;
  std::optional<std::int64_t> riseFrom;  // the first step at 10 % of the way
  std::optional<std::int64_t> riseTo;    // the first step at 90 %
  double peak = 0;                       // the PV farthest along the step's direction
  std::int64_t peakStep = 0;
  double overshootPercent = 0;              // how far the peak went past SP, in percent of the step
  std::optional<std::int64_t> settledFrom;  // the first step after the last outside 2 %
  double finalError = 0;                    // SP - PV at the last step
  LimitSpan atZero, atFull;                 // steps whose X sat at 0 or at 255

  // With the plant's gain of one half and X within 0..255, PV stays within
  // 0..127.5: a set point outside that range cannot be reached.
  bool Reachable() const { return setPoint >= 0 && setPoint <= 127.5; }
  bool HasStep() const { return setPoint != start; }
  std::optional<std::int64_t> RiseSteps() const {
    if (!riseFrom || !riseTo) return std::nullopt;
    return *riseTo - *riseFrom;
  }
};

// Takes a run's rows one by one, in order, keeping only what the figures need.
class StepResponseMeter {
 public:
  StepResponseMeter(double start, double setPoint);

  // One row: its step, its plant input X and its process value.
  void Add(std::int64_t step, double x, double pv);
  const StepFigures& Figures() const { return figures_; }

 private:
  StepFigures figures_;
};

}  // namespace corvale
