#pragma once

#include <cstdint>

#include "simulation/loop_options.h"
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
  double X = 0;   // the plant input as it stood before the step
  double PV = 0;  // as the controller read it: the true PV and the noise
  double Error = 0;
  double Integral = 0;  // the sum of the errors this step's I was made of
  double P = 0;
  double I = 0;
  double D = 0;
  double Output = 0;  // after limiting: the next step's X
  // What the step carries on besides: the plant's lag and true PV, the sum
  // the next step adds its error to, and the noise generator.
  double lag = 0;
  double truePv = 0;
  double nextIntegral = 0;
  std::uint64_t noise = 0;
};

// The controller's three terms of one step and its output before limiting.
struct Terms {
  double P = 0;
  double I = 0;
  double D = 0;
  double Output = 0;
};

// What the terms of one step are made of: its error, the sum of the errors
// through it and the error of the step before (0 at a command's first step),
// or, for D on the measurement, the PV read and the one read the step before.
struct TermInputs {
  double error = 0;
  double integral = 0;
  double lastError = 0;
  double pv = 0;
  double pvBefore = 0;
};

// The control law in its own order: P, then D, then I, and the output as
// (P + D) + I. The step and every row read back later go through it, so that
// a row's terms are the step's to the bit.
Terms ControlTerms(const TermInputs& in, const Gains& gains, bool derivativeOnPv);

// The output held within the plant's input limits.
double Limited(double output);

// Evaluates the control law for the step after `state`, touching nothing, so
// that a step whose result cannot be shown leaves no trace.
StepRecord StepOnce(const LoopState& state, double lastError, const Gains& gains,
                    const LoopOptions& options = {});

// Makes the step the latest one.
void CommitStep(LoopState& state, const StepRecord& record);

}  // namespace corvale
