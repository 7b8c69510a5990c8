#pragma once

#include <cmath>
#include <cstdint>
#include <optional>

#include "labbook/response_trace.h"
#include "simulation/plant.h"

namespace corvale {

// Steps whose X sat at one of the output's limits: how many, the first and
// the last.
struct LimitSpan {
  std::int64_t steps = 0;
  std::int64_t first = 0;
  std::int64_t last = 0;

  bool Consecutive() const { return steps == last - first + 1; }
};

// How PV answered the last change of the set point, as MATLAB's and GNU
// Octave's stepinfo measure sampled data, with their default final value,
// the last sample: rise (or fall) from 10 % to 90 % of the change toward the
// final value, peak and overshoot relative to it, settling within ±2 % of the
// change around it. Step numbers are the transcript's.
struct StepFigures {
  std::int64_t firstStep = 0;  // the steps measured: since SP last changed
  std::int64_t lastStep = 0;
  double start = 0;             // PV of the row before the first step measured; 0 at step 1
  double previousSetPoint = 0;  // SP before the step; 0 before step 1, the loop at rest
  double setPoint = 0;
  double finalValue = 0;  // PV at the last step

  // Whether SP changed from previousSetPoint by at least kSmallestStep: a
  // change smaller than the transcript shows is no step. Where PV stood does
  // not matter: SP stepping to just where P alone left PV is a step still.
  bool isStep = false;
  // PV moved and stayed within the band for at least the last tenth of the
  // steps, and at least the last ten (or all there are). A response still
  // moving, or one that ends where it started, has no final value to measure
  // against: no rise, peak, overshoot, settling or steady-state error, but
  // PV's range over those last steps.
  bool settled = false;
  std::optional<std::int64_t> riseFrom;  // the first step at 10 % of the change
  std::optional<std::int64_t> riseTo;    // the first step at 90 %
  double peak = 0;                       // the PV farthest in the change's direction
  std::int64_t peakStep = 0;
  double overshootPercent = 0;              // how far the peak went past the final value
  std::optional<std::int64_t> settledFrom;  // the first step after the last outside ±2 %
  std::int64_t tailFrom = 0;                // the last tenth's first step
  ValueRange tail;                          // PV's range over it
  ValueRange range;                         // PV's range over every step measured

  LimitSpan atZero, atFull;  // steps whose X sat at 0 or at 255

  // The PVs the plant can settle at with X within its limits: K times X and
  // the load. The default plant's is 0..127.5 (kHighestPv); a set point
  // outside it cannot be reached.
  ValueRange settling{kOutputLow, kHighestPv};
  bool defaultPlant = true;  // the plant of gain one half, with no load
  bool Reachable() const { return setPoint >= settling.low && setPoint <= settling.high; }
  bool Falling() const { return finalValue < start; }
  double SteadyStateError() const { return setPoint - finalValue; }
  std::optional<std::int64_t> RiseSteps() const {
    if (!riseFrom || !riseTo) return std::nullopt;
    return *riseTo - *riseFrom;
  }
};

// The smallest change of SP that counts as a step: the transcript's last digit.
inline constexpr double kSmallestStep = 5e-5;

// SP stepped, yet PV is at rest where it started: there is nothing to
// measure, whether PV never moved or moved and came back.
inline bool NothingToMeasure(const StepFigures& f) {
  return f.isStep && !f.settled && f.tail.high - f.tail.low < kSmallestStep &&
         std::abs(f.finalValue - f.start) < kSmallestStep;
}

// PV stayed where it was over every step measured.
inline bool NeverMoved(const StepFigures& f) { return f.range.high - f.range.low < kSmallestStep; }

// The figures of the trace's last step (ResponseTrace::StepStart() on); none
// for an empty trace.
std::optional<StepFigures> MeasureStep(const ResponseTrace& trace);

}  // namespace corvale
