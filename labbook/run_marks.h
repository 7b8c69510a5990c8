#pragma once

#include <bitset>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <span>
#include <vector>

#include "labbook/response_trace.h"
#include "labbook/step_info.h"

namespace corvale {

// A step worth stopping at when walking a run: where its last step response
// rises (or falls) through 10 % and 90 % of the change, peaks and settles,
// where X reaches or leaves one of its limits, where SP or the load changes,
// and where PV crosses SP.
struct RunMark {
  enum class Kind {
    RiseStart,
    RiseEnd,
    Peak,
    Settled,
    LimitExit,  // before an entry at the same step: X leaves one limit for the other
    LimitEntry,
    SetPointChange,
    LoadChange,  // the load on the plant's input begins, ends or changes
    Crossing
  };
  std::size_t row = 0;
  Kind kind = Kind::Crossing;
  Limit limit = Limit::None;  // the limit X reaches or leaves

  bool operator==(const RunMark&) const = default;
};

// Every mark of the run, by row and, at one row, in Kind's order. The rise,
// the peak and the settling are those of `figures`, given only once the
// response settled.
std::vector<RunMark> FindMarks(const ResponseTrace& trace,
                               const std::optional<StepFigures>& figures);
// The rows where `values` cross the set point they ran under (each run's
// from its first row on): where they pass from one side of it to the other,
// at the first row of any stretch on it between; within `band` of SP counts
// as on it, so that a PV settled on SP, a rounding error either side of it,
// crosses it no more. A change of SP starts afresh; touching SP and turning
// back is no crossing.
std::vector<std::size_t> Crossings(std::span<const double> values,
                                   std::span<const ResponseTrace::Run> setPoints, double band = 0);

// The band around SP within which a run's PV is taken to be on it: a
// thousandth of the run's range, less than a pixel of any chart.
double CrossingBand(const ValueRange& extent);

// The rows of the crossings of SP among `marks`, and of the load's changes.
std::vector<std::size_t> CrossingRows(const std::vector<RunMark>& marks);
std::vector<std::size_t> LoadRows(const std::vector<RunMark>& marks);

// The load on the plant's input at a row, under the commands that wrote it.
double LoadAt(std::span<const ResponseTrace::Run> commands, std::size_t row);

// At most so many marks of each kind are found, so that a run that swings
// between X's limits at every step costs a bounded memory.
inline constexpr std::size_t kMostMarks = 1 << 16;

// A choice of mark kinds, a bit each in Kind's order.
using MarkKinds = std::bitset<static_cast<std::size_t>(RunMark::Kind::Crossing) + 1>;
inline constexpr MarkKinds kEveryMark{~0ULL};
MarkKinds KindsOf(std::initializer_list<RunMark::Kind> kinds);

// The row of the first mark of `kinds` after `row` (forward) or before it;
// none when there is none. A row of -1 stands before the first.
// `crossings`: only the crossings of SP, else every mark but them, which a
// ringing PV would bury.
std::optional<std::size_t> NextMarkRow(const std::vector<RunMark>& marks, long long row,
                                       bool forward, bool crossings = false,
                                       MarkKinds kinds = kEveryMark);

}  // namespace corvale
