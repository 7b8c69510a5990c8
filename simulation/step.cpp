#include "simulation/step.h"

#include "simulation/noise.h"
#include "simulation/plant.h"

namespace corvale {

Terms ControlTerms(const TermInputs& in, const Gains& gains, bool derivativeOnPv) {
  Terms t;
  t.P = gains.Kp * in.error;
  t.D = derivativeOnPv ? -gains.Kd * (in.pv - in.pvBefore) : gains.Kd * (in.error - in.lastError);
  t.I = gains.Ki * in.integral;
  t.Output = (t.P + t.D) + t.I;
  return t;
}

double Limited(double output) {
  if (output > kOutputHigh) output = kOutputHigh;
  if (output < kOutputLow) output = kOutputLow;
  return output;
}

namespace {

// The plant's input this step: the output of so many steps before the usual
// one, and the load from its step on.
double PlantInput(const LoopState& state, std::int64_t step, const LoopOptions& options) {
  const std::int64_t dead = options.plant.deadTime;
  double u = dead == 0 ? state.X : state.XBefore(step, dead);
  if (options.LoadAt(step)) u = u + options.loadSize;
  return u;
}

// Whether this step's error would push the output further past a limit.
bool PushesPastLimit(double output, double kiError) {
  return (output > kOutputHigh && kiError > 0) || (output < kOutputLow && kiError < 0);
}

}  // namespace

StepRecord StepOnce(const LoopState& state, double lastError, const Gains& gains,
                    const LoopOptions& options) {
  StepRecord r;
  r.Step = state.Step + 1;
  r.X = state.X;
  const PlantModel& plant = options.plant;
  r.lag = Lag(plant.T1, state.lag, plant.K * PlantInput(state, r.Step, options));
  r.truePv = Lag(plant.T2, state.pv, r.lag);
  r.noise = state.noise;
  const std::uint64_t draw = NextDraw(r.noise);
  r.PV = options.noise == 0 ? r.truePv : r.truePv + NoiseOf(draw, options.noise);
  r.Error = gains.SP - r.PV;
  r.Integral = state.Integral + r.Error;
  const bool onPv = options.derivativeOnPv;
  TermInputs in{r.Error, r.Integral, lastError, r.PV, state.measured};
  Terms terms = ControlTerms(in, gains, onPv);
  if (options.antiWindup == AntiWindup::Conditional &&
      PushesPastLimit(terms.Output, gains.Ki * r.Error)) {
    in.integral = r.Integral = state.Integral;
    terms = ControlTerms(in, gains, onPv);
  }
  r.P = terms.P;
  r.D = terms.D;
  r.I = terms.I;
  r.Output = Limited(terms.Output);
  r.nextIntegral = r.Integral;
  if (options.antiWindup == AntiWindup::BackCalculation) {
    r.nextIntegral = r.Integral + options.trackingGain * (r.Output - terms.Output);
  }
  return r;
}

void CommitStep(LoopState& state, const StepRecord& record) {
  state.Step = record.Step;
  state.Integral = record.nextIntegral;
  state.X = record.Output;
  state.lag = record.lag;
  state.pv = record.truePv;
  state.measured = record.PV;
  state.noise = record.noise;
  state.pastX[static_cast<std::size_t>(record.Step % std::ssize(state.pastX))] = record.X;
}

}  // namespace corvale
