#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "simulation/step.h"

namespace corvale {

// Whether a row's plant input sits at one of the output's limits. The first
// step of a simulation shows the input it started from, not one the
// controller chose: it is at none.
enum class Limit { None, AtZero, AtFull };
Limit LimitOf(std::int64_t step, double x);

// What one row shows, as the chart and the figures need it: the plant input X
// and the process value, in full precision, so that a set point as small as
// 1e-300 is drawn and measured as exactly as one of 5.
// With the sum of the errors through the row, the controller's terms follow
// from it again exactly (ResponseTrace::Record), so that a row is held once,
// as three numbers, and its text made only when it is shown or copied.
struct ResponseSample {
  double x = 0;
  double pv = 0;
  double integral = 0;

  static ResponseSample Of(const StepRecord& record) {
    return {record.X, record.PV, record.Integral};
  }
};

// The smallest and the largest of some values.
struct ValueRange {
  double low = 0;
  double high = 0;

  // Widened to take in `other` too.
  void Take(ValueRange other) {
    low = std::min(low, other.low);
    high = std::max(high, other.high);
  }
};

// Some rows whose X sat at one limit: how many, and the first and the last of
// them.
struct LimitRows {
  std::size_t count = 0;
  std::size_t first = 0;
  std::size_t last = 0;
};

// Every row's sample with the gains and set point of the command that wrote
// it, for the whole transcript, Compute and its Continues. Row r is step r + 1. Keeps the
// range of PV and of X of each block of rows, and how many rows sat at each
// limit up to it, so that what many rows did, as a chart's pixel column or the
// figures need it, takes a look at few.
class ResponseTrace {
 public:
  // One command's rows: from its first row on, under its gains and SP.
  struct Run {
    // Most runs are the default loop's: it need not be spelled out.
    Run(std::size_t firstRow = 0, Gains gains = {}, LoopOptions options = {})
        : firstRow(firstRow), gains(gains), options(options) {}

    std::size_t firstRow = 0;
    Gains gains;
    LoopOptions options;

    double SetPoint() const { return gains.SP; }
  };

  void Clear();
  // A command's rows, all under one set of gains; taken over whole when they
  // are the first. False, with the trace as it was, when memory runs out.
  // `truePv`: each row's PV without the noise the controller read it with,
  // where there was noise.
  bool Append(std::vector<ResponseSample> samples, const Gains& gains,
              const LoopOptions& options = {}, std::span<const double> truePv = {});

  std::size_t Size() const { return samples_.size(); }
  const ResponseSample& Sample(std::size_t row) const { return samples_[row]; }
  // Whether some command read PV with noise, and PV as the plant made it.
  bool Noisy() const { return !truePv_.empty(); }
  double TruePv(std::size_t row) const { return truePv_.empty() ? samples_[row].pv : truePv_[row]; }
  static std::int64_t StepOf(std::size_t row) { return static_cast<std::int64_t>(row) + 1; }
  Limit LimitAt(std::size_t row) const { return LimitOf(StepOf(row), samples_[row].x); }
  const std::vector<Run>& Runs() const { return runs_; }
  double SetPointOf(std::size_t row) const;
  // The command that wrote a row.
  const Run& RunOf(std::size_t row) const;
  // The row as its step computed it: the terms worked out again from the
  // row's PV and sum of errors, the PV before it and the command's gains and
  // options, through the control law's own function.
  StepRecord Record(std::size_t row) const;
  // The rows since the set point last changed: the step the figures measure.
  // A Continue under the same set point carries the step on.
  std::size_t StepStart() const;

  // PV's and X's range over rows first..last-1 (first < last <= Size()).
  ValueRange PvRange(std::size_t first, std::size_t last) const;
  ValueRange XRange(std::size_t first, std::size_t last) const;
  // Every PV and set point, and 0.
  ValueRange Extent() const { return extent_; }

  // The first row in first..last-1 whose PV is at least (or, with `below`, at
  // most) `level`; `last` when there is none.
  std::size_t FirstReaching(std::size_t first, std::size_t last, double level, bool below) const;
  // The last row in first..last-1 whose PV is outside low..high; `last` when
  // there is none.
  std::size_t LastOutside(std::size_t first, std::size_t last, double low, double high) const;
  // The rows in first..last-1 whose X sat at `limit` (AtZero or AtFull).
  LimitRows RowsAt(Limit limit, std::size_t first, std::size_t last) const;
  std::size_t CountAt(Limit limit, std::size_t first, std::size_t last) const {
    return CountBefore(limit, last) - CountBefore(limit, first);
  }

  // Rows are summarized in blocks of so many: a walk over the rows can pass
  // over a whole block, from a multiple of it, at the cost of one.
  static constexpr std::size_t kBlockRows = 256;

 private:
  static constexpr std::size_t kBlock = kBlockRows;
  struct Block {
    ValueRange pv, x;
    std::array<std::size_t, 2> limitsThrough;  // rows at 0 and at 255, from row 0 to its end
  };
  static std::size_t IndexOf(Limit limit) { return limit == Limit::AtZero ? 0 : 1; }
  void Summarize(std::size_t fromRow);
  std::size_t CountBefore(Limit limit, std::size_t row) const;
  std::size_t NthAt(Limit limit, std::size_t n) const;
  template <double ResponseSample::*value, ValueRange Block::*summary>
  ValueRange RangeOf(std::size_t first, std::size_t last) const;

  std::vector<ResponseSample> samples_;
  std::vector<double> truePv_;  // empty until a command had noise
  std::vector<Block> blocks_;
  std::vector<Run> runs_;
  ValueRange extent_;
};

}  // namespace corvale
