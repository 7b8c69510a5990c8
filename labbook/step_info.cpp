#include "labbook/step_info.h"

#include <algorithm>
#include <cmath>

namespace corvale {
namespace {

LimitSpan SpanOf(const ResponseTrace& trace, Limit limit, std::size_t first, std::size_t last) {
  const LimitRows rows = trace.RowsAt(limit, first, last);
  if (rows.count == 0) return {};
  return {static_cast<std::int64_t>(rows.count), ResponseTrace::StepOf(rows.first),
          ResponseTrace::StepOf(rows.last)};
}

}  // namespace

// Every search goes through the trace's blocks: a Continue on a long step
// looks at a few thousand block summaries, not at a million rows.
std::optional<StepFigures> MeasureStep(const ResponseTrace& trace) {
  const std::size_t end = trace.Size();
  if (end == 0) return std::nullopt;
  const std::size_t first = trace.StepStart();
  const std::size_t rows = end - first;
  StepFigures f;
  f.firstStep = ResponseTrace::StepOf(first);
  f.lastStep = ResponseTrace::StepOf(end - 1);
  f.start = first == 0 ? 0 : trace.Sample(first - 1).pv;
  f.previousSetPoint = first == 0 ? 0 : trace.SetPointOf(first - 1);
  f.setPoint = trace.Runs().back().SetPoint();
  const LoopOptions& last = trace.Runs().back().options;
  const double load = last.LoadOn(f.lastStep);
  const double lowest = last.plant.K * (kOutputLow + load);
  const double highest = last.plant.K * (kOutputHigh + load);
  f.settling = {std::min(lowest, highest), std::max(lowest, highest)};
  f.defaultPlant = last.plant.K == PlantModel{}.K && load == 0;
  f.finalValue = trace.Sample(end - 1).pv;
  f.atZero = SpanOf(trace, Limit::AtZero, first, end);
  f.atFull = SpanOf(trace, Limit::AtFull, first, end);

  // The last tenth, and never fewer than ten steps (or all there are): a
  // short run that rings is not taken for one that settled.
  const std::size_t tail = std::max((rows + 9) / 10, std::min<std::size_t>(rows, 10));
  f.tailFrom = ResponseTrace::StepOf(end - tail);
  f.tail = trace.PvRange(end - tail, end);
  f.range = trace.PvRange(first, end);

  // PV is bounded by the plant, so the change is finite even for a set point
  // as large as numbers go.
  const double change = f.finalValue - f.start;
  f.isStep = std::abs(f.setPoint - f.previousSetPoint) >= kSmallestStep;
  const double band = 0.02 * std::abs(change);
  const double low = f.finalValue - band;
  const double high = f.finalValue + band;
  // A PV that ends where it started has no change to take percentages of.
  f.settled =
      f.isStep && std::abs(change) >= kSmallestStep && f.tail.low >= low && f.tail.high <= high;
  if (!f.settled) return f;

  const bool falling = change < 0;
  const auto firstAt = [&](double level) -> std::optional<std::int64_t> {
    const std::size_t row = trace.FirstReaching(first, end, level, falling);
    if (row == end) return std::nullopt;
    return ResponseTrace::StepOf(row);
  };
  f.riseFrom = firstAt(f.start + 0.1 * change);
  f.riseTo = firstAt(f.start + 0.9 * change);
  f.peak = falling ? f.range.low : f.range.high;
  f.peakStep = ResponseTrace::StepOf(trace.FirstReaching(first, end, f.peak, falling));
  f.overshootPercent = std::max(0.0, (f.peak - f.finalValue) / change * 100);
  const std::size_t outside = trace.LastOutside(first, end, low, high);
  f.settledFrom = ResponseTrace::StepOf(outside == end ? first : outside + 1);
  return f;
}

}  // namespace corvale
