#include "response_trace.h"

#include <algorithm>

namespace corvale {
namespace {

void Take(ValueRange& range, ValueRange other) {
  range.low = std::min(range.low, other.low);
  range.high = std::max(range.high, other.high);
}

}  // namespace

Limit LimitOf(std::int64_t step, double x) {
  if (step <= 1) return Limit::None;
  if (x == 0) return Limit::AtZero;
  return x == 255 ? Limit::AtFull : Limit::None;
}

void ResponseTrace::Clear() {
  samples_.clear();
  blocks_.clear();
  runs_.clear();
  extent_ = {};
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
  Take(extent_, PvRange(first, samples_.size()));
  Take(extent_, {setPoint, setPoint});
}

void ResponseTrace::Summarize(std::size_t fromRow) {
  // The last block may have been partial: it is made again.
  blocks_.resize(fromRow / kBlock);
  for (std::size_t start = blocks_.size() * kBlock; start < samples_.size(); start += kBlock) {
    const std::size_t end = std::min(start + kBlock, samples_.size());
    Block block{{samples_[start].pv, samples_[start].pv}, {samples_[start].x, samples_[start].x}};
    for (std::size_t row = start + 1; row < end; ++row) {
      Take(block.pv, {samples_[row].pv, samples_[row].pv});
      Take(block.x, {samples_[row].x, samples_[row].x});
    }
    blocks_.push_back(block);
  }
}

double ResponseTrace::SetPointOf(std::size_t row) const {
  const auto run = std::upper_bound(runs_.begin(), runs_.end(), row,
                                    [](std::size_t r, const Run& run) { return r < run.firstRow; });
  return run == runs_.begin() ? 0 : std::prev(run)->setPoint;
}

std::size_t ResponseTrace::StepStart() const {
  std::size_t run = runs_.size();
  while (run > 1 && runs_[run - 2].setPoint == runs_[run - 1].setPoint) --run;
  return run == 0 ? 0 : runs_[run - 1].firstRow;
}

ValueRange ResponseTrace::PvRange(std::size_t first, std::size_t last) const {
  return RangeOf<&ResponseSample::pv, &Block::pv>(first, last);
}

ValueRange ResponseTrace::XRange(std::size_t first, std::size_t last) const {
  return RangeOf<&ResponseSample::x, &Block::x>(first, last);
}

template <double ResponseSample::*value, ValueRange ResponseTrace::Block::*summary>
ValueRange ResponseTrace::RangeOf(std::size_t first, std::size_t last) const {
  const auto one = [this](std::size_t row) {
    const double v = samples_[row].*value;
    return ValueRange{v, v};
  };
  ValueRange range = one(first);
  std::size_t row = first;
  for (; row < last && row % kBlock != 0; ++row) Take(range, one(row));
  for (; row + kBlock <= last; row += kBlock) Take(range, blocks_[row / kBlock].*summary);
  for (; row < last; ++row) Take(range, one(row));
  return range;
}

std::size_t ResponseTrace::FirstReaching(std::size_t first, std::size_t last, double level,
                                         bool below) const {
  const auto reaches = [level, below](double pv) { return below ? pv <= level : pv >= level; };
  std::size_t row = first;
  while (row < last) {
    // A whole block that cannot reach the level is passed over at once.
    if (row % kBlock == 0 && row + kBlock <= last) {
      const ValueRange block = blocks_[row / kBlock].pv;
      if (!reaches(below ? block.low : block.high)) {
        row += kBlock;
        continue;
      }
    }
    if (reaches(samples_[row].pv)) return row;
    ++row;
  }
  return last;
}

std::size_t ResponseTrace::LastOutside(std::size_t first, std::size_t last, double low,
                                       double high) const {
  std::size_t row = last;
  while (row > first) {
    // A whole block inside the band is passed over at once.
    if (row % kBlock == 0 && row - kBlock >= first) {
      const ValueRange block = blocks_[row / kBlock - 1].pv;
      if (block.low >= low && block.high <= high) {
        row -= kBlock;
        continue;
      }
    }
    --row;
    if (samples_[row].pv < low || samples_[row].pv > high) return row;
  }
  return last;
}

}  // namespace corvale
