#include "labbook/response_trace.h"

#include <algorithm>
#include <new>

#include "simulation/plant.h"

namespace corvale {
namespace {

// Room for `size` elements, grown by doubling, so that many short Continues
// on a long trace do not copy it each time.
template <class T>
void MakeRoom(std::vector<T>& values, std::size_t size) {
  if (values.capacity() < size) values.reserve(std::max(size, 2 * values.capacity()));
}

}  // namespace

Limit LimitOf(std::int64_t step, double x) {
  if (step <= 1) return Limit::None;
  if (x == kOutputLow) return Limit::AtZero;
  return x == kOutputHigh ? Limit::AtFull : Limit::None;
}

void ResponseTrace::Clear() {
  samples_.clear();
  truePv_.clear();
  blocks_.clear();
  runs_.clear();
  extent_ = {};
}

bool ResponseTrace::Append(std::vector<ResponseSample> samples, const Gains& gains,
                           const LoopOptions& options, std::span<const double> truePv) {
  if (samples.empty()) return true;
  const std::size_t first = samples_.size();
  const std::size_t size = first + samples.size();
  // PV without the noise, held only once some command had noise.
  const bool noisy = !truePv_.empty() || !truePv.empty();
  // All the memory first: what follows cannot fail, so the trace never holds
  // rows without their blocks or their run.
  try {
    MakeRoom(runs_, runs_.size() + 1);
    MakeRoom(blocks_, (size + kBlock - 1) / kBlock);
    if (first > 0) MakeRoom(samples_, size);
    if (noisy) MakeRoom(truePv_, size);
  } catch (const std::bad_alloc&) {
    return false;
  }
  runs_.push_back({first, gains, options});
  if (noisy) {
    for (std::size_t row = truePv_.size(); row < first; ++row) truePv_.push_back(samples_[row].pv);
    if (truePv.size() == samples.size()) {
      truePv_.insert(truePv_.end(), truePv.begin(), truePv.end());
    } else {
      for (const ResponseSample& sample : samples) truePv_.push_back(sample.pv);
    }
  }
  if (first == 0) {
    samples_.swap(samples);
  } else {
    samples_.insert(samples_.end(), samples.begin(), samples.end());
  }
  Summarize(first);
  extent_.Take(PvRange(first, samples_.size()));
  extent_.Take({gains.SP, gains.SP});
  return true;
}

void ResponseTrace::Summarize(std::size_t fromRow) {
  // The last block may have been partial: it is made again.
  blocks_.resize(fromRow / kBlock);
  for (std::size_t start = blocks_.size() * kBlock; start < samples_.size(); start += kBlock) {
    const std::size_t end = std::min(start + kBlock, samples_.size());
    Block block{{samples_[start].pv, samples_[start].pv},
                {samples_[start].x, samples_[start].x},
                blocks_.empty() ? std::array<std::size_t, 2>{} : blocks_.back().limitsThrough};
    for (std::size_t row = start; row < end; ++row) {
      block.pv.Take({samples_[row].pv, samples_[row].pv});
      block.x.Take({samples_[row].x, samples_[row].x});
      const Limit limit = LimitAt(row);
      if (limit != Limit::None) ++block.limitsThrough[IndexOf(limit)];
    }
    blocks_.push_back(block);
  }
}

double ResponseTrace::SetPointOf(std::size_t row) const {
  return runs_.empty() || row >= samples_.size() ? 0 : RunOf(row).SetPoint();
}

const ResponseTrace::Run& ResponseTrace::RunOf(std::size_t row) const {
  const auto run = std::upper_bound(runs_.begin(), runs_.end(), row,
                                    [](std::size_t r, const Run& run) { return r < run.firstRow; });
  return *std::prev(run);
}

StepRecord ResponseTrace::Record(std::size_t row) const {
  const Run& run = RunOf(row);
  const ResponseSample& sample = samples_[row];
  StepRecord r;
  r.Step = StepOf(row);
  r.X = sample.x;
  r.PV = sample.pv;
  r.Error = run.gains.SP - sample.pv;
  r.Integral = sample.integral;
  // A command's first step has no error before it; later ones the step
  // before's, under the same set point.
  const double lastError = row == run.firstRow ? 0 : run.gains.SP - samples_[row - 1].pv;
  const double pvBefore = row == 0 ? 0 : samples_[row - 1].pv;
  const Terms terms = ControlTerms({r.Error, r.Integral, lastError, r.PV, pvBefore}, run.gains,
                                   run.options.derivativeOnPv);
  r.P = terms.P;
  r.I = terms.I;
  r.D = terms.D;
  r.Output = Limited(terms.Output);
  return r;
}

std::size_t ResponseTrace::StepStart() const {
  std::size_t run = runs_.size();
  while (run > 1 && runs_[run - 2].SetPoint() == runs_[run - 1].SetPoint()) --run;
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
  for (; row < last && row % kBlock != 0; ++row) range.Take(one(row));
  for (; row + kBlock <= last; row += kBlock) range.Take(blocks_[row / kBlock].*summary);
  for (; row < last; ++row) range.Take(one(row));
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

std::size_t ResponseTrace::CountBefore(Limit limit, std::size_t row) const {
  const std::size_t block = row / kBlock;
  std::size_t count = block == 0 ? 0 : blocks_[block - 1].limitsThrough[IndexOf(limit)];
  for (std::size_t r = block * kBlock; r < row; ++r) count += LimitAt(r) == limit;
  return count;
}

// The row of the trace's nth (from 1) row at `limit`; there must be one.
std::size_t ResponseTrace::NthAt(Limit limit, std::size_t n) const {
  const auto block =
      std::partition_point(blocks_.begin(), blocks_.end(),
                           [&](const Block& b) { return b.limitsThrough[IndexOf(limit)] < n; }) -
      blocks_.begin();
  std::size_t seen = block == 0 ? 0 : blocks_[block - 1].limitsThrough[IndexOf(limit)];
  std::size_t row = block * kBlock;
  for (; row + 1 < samples_.size(); ++row) {
    if (LimitAt(row) == limit && ++seen == n) break;
  }
  return row;
}

LimitRows ResponseTrace::RowsAt(Limit limit, std::size_t first, std::size_t last) const {
  const std::size_t before = CountBefore(limit, first);
  const std::size_t count = CountBefore(limit, last) - before;
  if (count == 0) return {0, last, last};
  return {count, NthAt(limit, before + 1), NthAt(limit, before + count)};
}

}  // namespace corvale
