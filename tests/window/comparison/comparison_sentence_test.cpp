#include "window/comparison/comparison_sentence.h"

#include <gtest/gtest.h>

#include "labbook/step_info.h"

namespace corvale {
namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

StepFigures Unmoved() {  // SP stepped with gains of 0: PV stays at 0
  StepFigures f;
  f.isStep = true;
  f.setPoint = 5;
  return f;
}

StepFigures Settled(double overshoot, std::int64_t from, double error = 0, std::int64_t rise = 4) {
  StepFigures f = Unmoved();
  f.settled = true;
  f.overshootPercent = overshoot;
  f.settledFrom = from;
  f.finalValue = 5 - error;
  f.riseFrom = 2;
  f.riseTo = 2 + rise;
  return f;
}

StepFigures Ringing() {
  StepFigures f;
  f.isStep = true;
  f.tail = f.range = {0, 6.25};
  return f;
}

// What changed in the tuning first, then each figure that reads otherwise.
TEST(RunComparison, ASentenceSetsTheRunAgainstTheRunBefore) {
  const Gains p{1, 0, 0, 5}, pi{.5, .5, 0, 5}, pid{.5, .5, .5, 5}, ringing{2.5, 0, 0, 5};
  const struct {
    StepFigures now, before;
    const char* said;
    Gains nowGains, beforeGains;
  } cases[] = {
      // clang-format off
      {Settled(4.8, 28), Settled(0, 18, 0, 9), "Kd 0.5 instead of 0; rise time 4 steps instead "
       "of 9 steps; overshoot 4.8\u00a0% instead of 0.0\u00a0%; settled from step 28 instead of "
       "step 18.", pid, pi},
      {Settled(4.8, 28, 0, 1), Settled(50, 6, 10.0 / 3, 0), "Kp 0.5 instead of 1; Ki 0.5 instead "
       "of 0; Kd 0.5 instead of 0; rise time 1 step instead of under 1 step; overshoot 4.8\u00a0% "
       "instead of 50.0\u00a0%; settled from step 28 instead of step 6; steady-state error 0 "
       "instead of 3.3333.", pid, p},
      {Settled(4.8, 28), Settled(4.8, 28), "the same gains and SP; the same figures.", pid, pid},
      {Settled(4.8, 28), Settled(4.8, 28), "SP 10 instead of 5; the same figures.",
       {.5, .5, .5, 10}, pid},
      {Ringing(), Settled(50, 6), "Kp 2.5 instead of 1; not settled, where before it settled "
       "from step 6.", ringing, p},
      {Settled(50, 6), Ringing(), "Kp 1 instead of 2.5; settled from step 6, where before it did "
       "not settle.", p, ringing},
      {Ringing(), Ringing(), "the same gains and SP; not settled, as before.", ringing, ringing},
      // Nothing to compare where either run has no response: its figures say why.
      {Unmoved(), Settled(4.8, 28), "", pid, pid}, {Settled(4.8, 28), Unmoved(), "", pid, pid},
      {Settled(4.8, 28), StepFigures{}, "", pid, pid}};  // SP 0 from rest: no step
  // clang-format on
  for (const auto& c : cases) {
    const QString said = QString::fromUtf8(c.said);
    EXPECT_EQ(AgainstBefore(c.nowGains, c.now, c.beforeGains, c.before, kEnglish),
              said.isEmpty() ? said : "Compared with the run before: " + said);
  }
}

}  // namespace
}  // namespace corvale
