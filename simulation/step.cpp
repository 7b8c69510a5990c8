#include "simulation/step.h"

#include "simulation/plant.h"

namespace corvale {

Terms ControlTerms(double error, double integral, double lastError, const Gains& gains) {
  Terms t;
  t.P = gains.Kp * error;
  t.D = gains.Kd * (error - lastError);
  t.I = gains.Ki * integral;
  t.Output = (t.P + t.D) + t.I;
  return t;
}

double Limited(double output) {
  if (output > kOutputHigh) output = kOutputHigh;
  if (output < kOutputLow) output = kOutputLow;
  return output;
}

StepRecord StepOnce(const LoopState& state, double lastError, const Gains& gains) {
  StepRecord r;
  r.Step = state.Step + 1;
  r.X = state.X;
  r.PV = Plant(state.X);
  r.Error = gains.SP - r.PV;
  r.Integral = state.Integral + r.Error;
  const Terms terms = ControlTerms(r.Error, r.Integral, lastError, gains);
  r.P = terms.P;
  r.D = terms.D;
  r.I = terms.I;
  r.Output = Limited(terms.Output);
  return r;
}

void CommitStep(LoopState& state, const StepRecord& record) {
  state.Step = record.Step;
  state.Integral = record.Integral;
  state.X = record.Output;
}

}  // namespace corvale
