#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "response_trace.h"
#include "run_history.h"
#include "series_sound.h"

namespace corvale {

// A series the chart's cursor reads and plays: one of the current run's
// columns, or the PV of a run kept for comparison (`kept`, oldest first).
struct SeriesId {
  enum class Kind { Pv, X, Error, P, I, D, KeptPv };
  Kind kind = Kind::Pv;
  std::size_t kept = 0;

  bool operator==(const SeriesId&) const = default;
};

// The series there are, in the order Up and Down walk them: PV, X, Error, P,
// I, D, then each kept run's PV.
std::vector<SeriesId> SeriesOf(const RunHistory& history);

// The series' value at `row`; none past a kept run's end. A kept run's rows
// beyond those it keeps exactly read as the middle of their range.
std::optional<double> SeriesValue(const RunHistory& history, SeriesId series, std::size_t row);
// Every value of the series, row by row.
std::vector<double> SeriesValues(const RunHistory& history, SeriesId series);
// The set point under which each of the series' rows ran.
std::vector<ResponseTrace::Run> SeriesSetPoints(const RunHistory& history, SeriesId series);

// The range the series' pitch spans, as its axis does: PV's, the current
// and the kept runs' PV and SP and 0, so that runs compare by ear; X's and
// each term's, its values and 0 (X over its limits would hardly move).
PitchScale SeriesScale(const RunHistory& history, SeriesId series);

}  // namespace corvale
