#include <gtest/gtest.h>

#include <vector>

#include "labbook/response_trace.h"

namespace corvale {
namespace {

// A row read back from the trace is the step's own, whatever the options:
// D on PV reads the PV before it across a Continue, and an integral held or
// pulled back is the one the row's I was made of.
TEST(ResponseTraceOptions, ReadsEveryRowBackAsItsStepComputedIt) {
  const LoopOptions options[] = {
      {.plant = {.K = 1, .T1 = 3, .T2 = 2, .deadTime = 2},
       .derivativeOnPv = true,
       .noise = 0.5,
       .noiseSeed = 3},
      {.plant = {}, .antiWindup = AntiWindup::Conditional},
      {.plant = {}, .antiWindup = AntiWindup::BackCalculation, .trackingGain = 0.7},
  };
  for (const LoopOptions& o : options) {
    ResponseTrace trace;
    LoopState state;
    ResetState(state, o.noiseSeed);
    std::vector<StepRecord> steps;
    for (const double sp : {300.0, 5.0}) {
      const Gains gains{.Kp = 0.5, .Ki = 0.5, .Kd = 0.5, .SP = sp};
      std::vector<ResponseSample> samples;
      std::vector<double> truePv;
      double lastError = 0;
      for (int n = 0; n < 40; ++n) {
        steps.push_back(StepOnce(state, lastError, gains, o));
        CommitStep(state, steps.back());
        lastError = steps.back().Error;
        samples.push_back(ResponseSample::Of(steps.back()));
        truePv.push_back(steps.back().truePv);
      }
      // Only the noisy command gives the plant's own PV; the trace keeps it
      // for the rows of the other too, as the PV they read.
      if (o.noise == 0 || sp == 5) truePv.clear();
      trace.Append(std::move(samples), gains, o, truePv);
    }
    for (std::size_t row = 0; row < steps.size(); ++row) {
      const StepRecord read = trace.Record(row), step = steps[row];
      EXPECT_TRUE(read.P == step.P && read.I == step.I && read.D == step.D &&
                  read.Output == step.Output)
          << "row " << row;
      EXPECT_EQ(trace.TruePv(row), row < 40 ? step.truePv : step.PV) << "row " << row;
    }
    EXPECT_EQ(trace.Noisy(), o.noise != 0);
  }
}

}  // namespace
}  // namespace corvale
