#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "labbook/kept_series.h"
#include "labbook/response_trace.h"
#include "labbook/run_field.h"
#include "labbook/run_marks.h"
#include "labbook/step_info.h"
#include "simulation/step.h"

namespace corvale {

// Names a run for as long as it is in the lab book, however many runs come
// and go around it; never reused.
using RunId = std::uint64_t;

// A run made by a sweep: which sweep, named by an id of its own, and the
// field it swept. A sweep is one entry of the kept runs, however many runs
// it made.
struct SweepTag {
  RunId sweep = 0;
  RunField field = RunField::kKp;

  bool operator==(const SweepTag&) const = default;
};

// What a run was and what it did, as a comparison of tunings lists it: the
// gains, SP and options it ran under last (a Continue may change them), how
// many steps it has, each command's gains and first row, and the figures of
// its last step.
struct RunSummary {
  Gains gains;          // Kp, Ki, Kd and SP of the run's last command
  LoopOptions options;  // its plant, controller options and disturbances
  std::int64_t steps = 0;
  std::vector<ResponseTrace::Run> setPoints;  // each command's first row and gains
  std::optional<StepFigures> figures;
  ValueRange extent;              // every PV and SP of the run, and 0
  std::optional<SweepTag> sweep;  // none for a run of its own
};

// An earlier run, kept to be drawn behind the current one and compared with
// it. Its PV and terms are kept reduced (KeptSeries), so a kept run costs a
// few megabytes however long it was.
struct KeptRun {
  RunId id = 0;
  RunSummary summary;
  KeptSeries pv;
  std::array<KeptSeries, kTerms> terms;  // Error, P, I and D, for their panels
  std::vector<RunMark> marks;            // those it had as the current run, but X's limits
};

// The entry of the kept runs a run belongs to: its sweep's, or its own.
inline RunId EntryOf(const RunSummary& summary, RunId run) {
  return summary.sweep ? summary.sweep->sweep : run;
}
inline RunId EntryOf(const KeptRun& run) { return EntryOf(run.summary, run.id); }

}  // namespace corvale
