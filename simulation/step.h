#pragma once

#include <cstdint>
#include "simulation/loop_state.h"

namespace corvale {

// The gains and the set point of one run, converted once at its start.
struct Gains {
  double Kp = 0;
  double Ki = 0;
  double Kd = 0;
  double SP = 0;
};

// What one step computed: the transcript's fields and the state it commits.
struct StepRecord {
  std::int64_t Step = 0;
  double X = 0;  // the plant input as it stood before the step
  double PV = 0;
  double Error = 0;
  double Integral = 0;
  double P = 0;
  double I = 0;
  double D = 0;
  double Output = 0;  // after limiting: the next step's X
};

// The controller's three terms of one step and its output before limiting.
struct Terms {
  double P = 0;
  double I = 0;
  double D = 0;
  double Output = 0;
};

// The control law on a step's error, the sum of the errors through it and
// the error of the step before (0 at a command's first step), in the law's
// own order: P, then D, then I, and the output as (P + D) + I. The step and
// every row read back later go through it, so that a row's terms are the
// step's to the bit.
Terms ControlTerms(double error, double integral, double lastError, const Gains& gains);

// The output held within the plant's input limits.
double Limited(double output);

// Evaluates the control law for the step after `state`, touching nothing, so
// that a step whose result cannot be shown leaves no trace.
StepRecord StepOnce(const LoopState& state, double lastError, const Gains& gains);

// Makes the step the latest one.
void CommitStep(LoopState& state, const StepRecord& record);

}  // namespace corvale
