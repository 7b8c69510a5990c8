#include "window/words/form_explanations.h"
#include "form/commands.h"
#include "window/words/contexts.h"

#include "form/gain_examples.h"
#include "window/words/prose_number.h"

namespace corvale {

FormExplanations ExplainForm(const NumberFormat& numbers, const QLocale& locale) {
  // Examples in the format this window reads, separator and all, each quoted
  // so that a decimal comma cannot run them together.
  const QString point = QString::fromStdString(numbers.decimalSeparator);
  const QString example = FormWords::tr("Type a number, for example “2”, “%1” or “1%2e3”.")
                              .arg("0" + point + "5", point + "5");
  // Every other number in the window's own digits.
  const auto count = [&locale](std::int64_t n) { return ProseCount(n, locale); };
  const auto number = [&locale](double value) { return ProseNumber(value, locale); };
  FormExplanations e;
  e.transcript =
      FormWords::tr(
          "One row per step. X: the plant's input, the controller's output from the step before, "
          "limited to %1–%2.\nPV: the process value, the plant's output (half of X on the original "
          "plant).  Error: SP \u2212 PV.  P, I, D: "
          "the controller's three terms.\nThe switch under the table shows the run as a chart, or "
          "the runs compared; a larger window shows the chart beside the boxes, and the runs "
          "compared too where it has room.\nCtrl+plus and Ctrl+minus, or Ctrl "
          "with the mouse wheel, make the window larger or smaller; Ctrl+0 restores its original "
          "size.")
          .arg(count(0), count(255));
  // What holds of the run as typed, in Loops steps: a Kp just below the limit
  // rings too long for a short run to settle.
  e.boxes[IndexOf(Box::Kp)] =
      FormWords::tr(
          "Proportional gain: P = Kp \u00D7 Error. With P alone, PV settles short of SP, the "
          "nearer the larger Kp. With Loops %1, PV settles up to Kp %2; from Kp %3 on, it never "
          "settles.\n")
          .arg(count(kPAloneLoops), number(kPAloneSettlesUpTo), number(kPAloneLimit)) +
      example;
  e.boxes[IndexOf(Box::Ki)] =
      FormWords::tr(
          "Integral gain: I = Ki \u00D7 the sum of the errors. I keeps growing while PV is below "
          "SP, so it removes the steady-state error that P alone leaves. A larger Ki removes it "
          "sooner, up to a point: beyond that, PV overshoots, rings and settles later.\n") +
      example;
  e.boxes[IndexOf(Box::Kd)] =
      FormWords::tr(
          "Derivative gain: D = Kd \u00D7 the change in the error from the step before.\n") +
      example;
  e.boxes[IndexOf(Box::SP)] =
      FormWords::tr("Set point: the value that PV, the process value, should reach.\n") + example;
  e.boxes[IndexOf(Box::Loops)] =
      FormWords::tr(
          "How many steps one press of Compute or Continue adds: a whole number, at most "
          "%1.")
          .arg(count(kMaxStepsPerRun));
  e.compute = FormWords::tr(
      "Start afresh: clear the transcript and run Loops steps from step 1.\nThe run "
      "before stays in the chart and among the runs compared.");
  e.carryOn = FormWords::tr(
      "Carry on from the last step for Loops more steps, with the gains and SP as they "
      "stand now.\nThe sum of the errors in I carries on; D starts afresh, so the first of "
      "these steps has D = Kd \u00D7 Error.");
  return e;
}

}  // namespace corvale
