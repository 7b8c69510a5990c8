#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "kept_series.h"
#include "response_trace.h"
#include "step.h"
#include "step_info.h"

namespace corvale {

// What a run was and what it did, as a comparison of tunings lists it: the
// gains and SP it ran under last (a Continue may change them), how many
// steps it has, the set point's changes and the figures of its last step.
struct RunSummary {
  Gains gains;  // Kp, Ki, Kd and SP of the run's last command
  std::int64_t steps = 0;
  std::vector<ResponseTrace::Run> setPoints;  // each command's first row and SP
  std::optional<StepFigures> figures;
  ValueRange extent;  // every PV and SP of the run, and 0
};

// An earlier run, kept to be drawn behind the current one and compared with
// it. Its PV is kept reduced (KeptSeries), so a kept run costs a few
// megabytes however long it was.
struct KeptRun {
  RunSummary summary;
  KeptSeries pv;
};

// Every run the window shows: the current one, whole, as the table and the
// chart need it, and up to kKept earlier ones, oldest first. Compute starts a
// new run and keeps the one before; Continue extends the current one. Only
// the oldest passing the limit, or the user's word, drops a kept run.
class RunHistory {
 public:
  static constexpr std::size_t kKept = 4;

  // Compute: the current run, if it has rows, joins the kept ones (the
  // oldest goes past kKept), and a new, empty current run begins. The run's
  // full samples are freed; without the memory to keep it reduced, it is
  // dropped instead.
  void Start();
  // A command's rows, appended to the current run under the gains and SP it
  // ran with. False, with the current run as it was, when memory runs out.
  bool Append(std::vector<ResponseSample> samples, const Gains& gains);
  // The current run, dropped without being kept: once its rows no longer
  // match the transcript's (memory ran out for some), it shows nothing
  // rather than other steps.
  void ForgetCurrent();

  const ResponseTrace& Current() const { return current_; }
  // The gains and SP of each of the current run's commands, as its Runs().
  const std::vector<Gains>& CommandGains() const { return currentGains_; }
  // The gains and SP of the current run's last command.
  Gains CurrentGains() const { return currentGains_.empty() ? Gains{} : currentGains_.back(); }
  // The current run's summary, its figures measured now.
  RunSummary CurrentSummary() const;
  const std::deque<KeptRun>& Kept() const { return kept_; }

  // "Forget earlier runs", and Delete on one row of the comparison.
  void ForgetKept();
  void ForgetKept(std::size_t index);

  // Counts every change, so that views can tell whether theirs is stale.
  std::uint64_t Revision() const { return revision_; }

 private:
  ResponseTrace current_;
  std::vector<Gains> currentGains_;  // by command, as current_.Runs()
  std::deque<KeptRun> kept_;
  std::uint64_t revision_ = 0;
};

}  // namespace corvale
