#include "step.h"

#include "plant.h"

namespace corvale {

StepRecord StepOnce(const LoopState& state, double lastError, const Gains& gains) {
  StepRecord r;
  r.Step = state.Step + 1;
  r.X = state.X;
  r.PV = Plant(state.X);
  r.Error = gains.SP - r.PV;
  r.Integral = state.Integral + r.Error;
  r.P = gains.Kp * r.Error;
  r.D = gains.Kd * (r.Error - lastError);
  r.I = gains.Ki * r.Integral;
  r.Output = (r.P + r.D) + r.I;
  if (r.Output > 255) r.Output = 255;
  if (r.Output < 0) r.Output = 0;
  return r;
}

void CommitStep(LoopState& state, const StepRecord& record) {
  state.Step = record.Step;
  state.PV = record.PV;
  state.Integral = record.Integral;
  state.Output = record.Output;
  state.X = record.Output;
}

}  // namespace corvale
