#include "window/words/form_explanations.h"
#include "form/commands.h"
#include "window/words/contexts.h"

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
  e.boxes[IndexOf(Box::Kp)] = {
      FormWords::tr("Proportional gain: P = Kp \u00D7 Error. P pushes X in proportion to the "
                    "error of this step: the further PV is from SP, the harder it pushes.\n") +
          example,
      FormWords::tr("Proportional gain.")};
  e.boxes[IndexOf(Box::Ki)] = {
      FormWords::tr("Integral gain: I = Ki \u00D7 the sum of the errors. I pushes X by the errors "
                    "of every step so far, added up: it changes for as long as an error is "
                    "left.\n") +
          example,
      FormWords::tr("Integral gain.")};
  e.boxes[IndexOf(Box::Kd)] = {
      FormWords::tr("Derivative gain: D = Kd \u00D7 the change in the error from the step "
                    "before. D answers how fast the error changes, not how large it is.\n") +
          example,
      FormWords::tr("Derivative gain.")};
  e.boxes[IndexOf(Box::SP)] = {
      FormWords::tr("Set point: the value that PV, the process value, should reach.\n") + example,
      FormWords::tr("Set point.")};
  e.boxes[IndexOf(Box::Loops)] = {
      FormWords::tr("How many steps one press of Compute or Continue adds: a whole number, at "
                    "most %1.")
          .arg(count(kMaxStepsPerRun)),
      FormWords::tr("Steps a run adds.")};
  e.compute = {FormWords::tr("Start afresh: clear the transcript and run Loops steps from step "
                             "1.\nThe run before stays in the chart and among the runs "
                             "compared.\nCtrl+Enter presses it from anywhere in the window."),
               FormWords::tr("Starts afresh from step 1.")};
  e.carryOn = {
      FormWords::tr("Carry on from the last step for Loops more steps, with the gains and SP as "
                    "they stand now.\nThe sum of the errors in I carries on; D starts afresh, so "
                    "the first of these steps has D = Kd \u00D7 Error.\nCtrl+Shift+Enter presses "
                    "it from anywhere in the window."),
      FormWords::tr("Carries on from the last step.")};
  return e;
}

}  // namespace corvale
