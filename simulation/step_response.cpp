#include "step_response.h"

#include <cmath>

namespace corvale {
namespace {

void Note(LimitSpan& span, std::int64_t step) {
  if (span.steps++ == 0) span.first = step;
  span.last = step;
}

}  // namespace

Limit LimitOf(std::int64_t step, double x) {
  if (step <= 1) return Limit::None;
  if (x == 0) return Limit::AtZero;
  return x == 255 ? Limit::AtFull : Limit::None;
}

StepResponseMeter::StepResponseMeter(double start, double setPoint) {
  figures_.start = start;
  figures_.setPoint = setPoint;
}

void StepResponseMeter::Add(std::int64_t step, double x, double pv) {
  StepFigures& f = figures_;
  const double height = f.setPoint - f.start;
  const bool first = f.steps++ == 0;
  f.finalError = f.setPoint - pv;
  switch (LimitOf(step, x)) {
    case Limit::AtZero:
      Note(f.atZero, step);
      break;
    case Limit::AtFull:
      Note(f.atFull, step);
      break;
    case Limit::None:
      break;
  }
  if (height == 0) return;

  const double way = (pv - f.start) / height;  // 0 at the start, 1 at SP
  if (!f.riseFrom && way >= 0.1) f.riseFrom = step;
  if (!f.riseTo && way >= 0.9) f.riseTo = step;
  if (first || way > (f.peak - f.start) / height) {
    f.peak = pv;
    f.peakStep = step;
    f.overshootPercent = way > 1 ? (way - 1) * 100 : 0;
  }
  // Settled from the first step after the last one outside the band.
  if (std::fabs(pv - f.setPoint) > 0.02 * std::fabs(height)) {
    f.settledFrom.reset();
  } else if (!f.settledFrom) {
    f.settledFrom = step;
  }
}

}  // namespace corvale
