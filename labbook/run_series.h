#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "labbook/lab_book.h"
#include "labbook/response_trace.h"
#include "labbook/series_sound.h"
#include "labbook/term_ranges.h"

namespace corvale {

// A series the chart's cursor reads and plays: one of the current run's
// columns, or the PV of a run kept for comparison, named by its id so that
// it stays the same run however many come and go.
struct SeriesId {
  enum class Kind { Pv, X, Error, P, I, D, KeptPv, TruePv };
  Kind kind = Kind::Pv;
  RunId kept = 0;

  bool operator==(const SeriesId&) const = default;
};

// The term a series of the current run is; none for PV, X and kept runs.
std::optional<Term> TermOf(SeriesId::Kind kind);
SeriesId::Kind KindOf(Term term);

// The series there are, in the order Up and Down walk them: PV, PV without
// the noise where the run has noise, X, Error, P, I, D, then each kept run's
// PV, oldest first.
std::vector<SeriesId> SeriesOf(const LabBook& book);

// The series' value at `row`; none past its run's end, or for a kept run
// that has gone. A kept run's rows beyond those it keeps exactly read as the
// middle of their range.
std::optional<double> SeriesValue(const LabBook& book, SeriesId series, std::size_t row);
// Every value of the series, row by row.
std::vector<double> SeriesValues(const LabBook& book, SeriesId series);
// The gains and set point under which each of the series' rows ran.
std::vector<ResponseTrace::Run> SeriesSetPoints(const LabBook& book, SeriesId series);
// The marks of the series' run: the current one's or the kept one's.
const std::vector<RunMark>& SeriesMarks(const LabBook& book, SeriesId series);
// The kinds of those marks that belong to the series: PV's (a kept run's
// too) are all, as its readout gives SP and X with it; X's are its limits;
// every series has the changes of SP and of the load, which move it from
// outside. The rise, the peak, the settling and the crossings are the PV
// the controller read, so not those of PV without the noise.
MarkKinds MarkKindsOf(SeriesId::Kind kind);
// The set point each of the series' rows ran under, as levels: one for each
// stretch of commands with one SP, the first from row 0.
std::vector<Level> SetPointLevels(const LabBook& book, SeriesId series);

// The range the series' pitch spans, as its axis does: PV's, the current
// and the kept runs' PV and SP and 0, so that runs compare by ear; X's and
// each term's, its values and 0 (X over its limits would hardly move).
PitchScale SeriesScale(const LabBook& book, SeriesId series);

}  // namespace corvale
