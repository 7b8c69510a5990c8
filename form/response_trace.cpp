#include "response_trace.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace corvale {
namespace {

// The round number at or beyond `value` (away from zero), from a scale of
// 1, 1.2, 1.5, 2, 2.5, 3, 4, 5, 6 and 8 in each power of ten.
double RoundAway(double value) {
  if (value == 0 || !std::isfinite(value)) return value;
  const double magnitude = std::fabs(value);
  const double decade = std::pow(10.0, std::floor(std::log10(magnitude)));
  for (double step : {1.0, 1.2, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0, 8.0, 10.0}) {
    if (step * decade >= magnitude) return std::copysign(step * decade, value);
  }
  return value;
}

}  // namespace

ResponseSample ResponseSample::Of(const StepRecord& record) {
  return {static_cast<float>(record.X), static_cast<float>(record.PV),
          LimitOf(record.Step, record.X)};
}

void ResponseTrace::Clear() {
  samples_.clear();
  blocks_.clear();
  runs_.clear();
  lowest_ = highest_ = 0;
}

void ResponseTrace::Append(std::vector<ResponseSample> samples, double setPoint) {
  if (samples.empty()) return;
  const std::size_t first = samples_.size();
  runs_.push_back({first, setPoint});
  if (samples_.empty()) {
    samples_.swap(samples);
  } else {
    samples_.insert(samples_.end(), samples.begin(), samples.end());
  }
  Summarize(first);
  const auto [low, high] = Range(first, samples_.size());
  lowest_ = std::min({lowest_, setPoint, static_cast<double>(low)});
  highest_ = std::max({highest_, setPoint, static_cast<double>(high)});
}

void ResponseTrace::Summarize(std::size_t fromRow) {
  // The last block may have been partial: it is made again.
  blocks_.resize(fromRow / kBlock);
  for (std::size_t start = blocks_.size() * kBlock; start < samples_.size(); start += kBlock) {
    const std::size_t end = std::min(start + kBlock, samples_.size());
    float low = samples_[start].pv, high = low;
    for (std::size_t row = start + 1; row < end; ++row) {
      low = std::min(low, samples_[row].pv);
      high = std::max(high, samples_[row].pv);
    }
    blocks_.emplace_back(low, high);
  }
}

double ResponseTrace::SetPointOf(std::size_t row) const {
  const auto run = std::upper_bound(runs_.begin(), runs_.end(), row,
                                    [](std::size_t r, const Run& run) { return r < run.firstRow; });
  return run == runs_.begin() ? 0 : std::prev(run)->setPoint;
}

ResponseScale ResponseTrace::Scale() const {
  // In that order, and kept finite, for set points as large as numbers go.
  const double margin = highest_ / 10 - lowest_ / 10;
  const auto finite = [](double value) {
    return std::clamp(value, -std::numeric_limits<double>::max(),
                      std::numeric_limits<double>::max());
  };
  ResponseScale scale{lowest_ < 0 ? finite(RoundAway(finite(lowest_ - margin))) : 0,
                      finite(RoundAway(finite(highest_ + margin)))};
  if (!(scale.high > scale.low)) scale.high = scale.low + 1;
  return scale;
}

std::pair<float, float> ResponseTrace::Range(std::size_t first, std::size_t last) const {
  float low = samples_[first].pv, high = low;
  const auto take = [&low, &high](float lo, float hi) {
    low = std::min(low, lo);
    high = std::max(high, hi);
  };
  std::size_t row = first;
  for (; row < last && row % kBlock != 0; ++row) take(samples_[row].pv, samples_[row].pv);
  for (; row + kBlock <= last; row += kBlock) {
    const auto [lo, hi] = blocks_[row / kBlock];
    take(lo, hi);
  }
  for (; row < last; ++row) take(samples_[row].pv, samples_[row].pv);
  return {low, high};
}

}  // namespace corvale
