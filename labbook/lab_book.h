#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "labbook/column_ranges.h"
#include "labbook/kept_run.h"
#include "labbook/response_trace.h"
#include "labbook/run_marks.h"
#include "labbook/step_info.h"
#include "labbook/term_ranges.h"
#include "simulation/loop_state.h"
#include "simulation/number_format.h"
#include "simulation/step.h"

namespace corvale {

// What a command or the user's word changed in the lab book, for the views
// to follow: they learn of it from this alone.
struct BookChange {
  bool newRun = false;       // the current run began afresh: its rows start at 0
  std::size_t firstRow = 0;  // of the rows added to the current run
  std::size_t rowsAdded = 0;
  bool keptChanged = false;    // runs were kept, forgotten or dropped as the oldest
  std::vector<RunId> dropped;  // the kept runs that went

  bool Any() const { return newRun || rowsAdded > 0 || keptChanged; }
  // A new run, as a view that starts afresh takes it.
  static BookChange Afresh() {
    BookChange change;
    change.newRun = true;
    return change;
  }
  BookChange& operator+=(const BookChange& later);
};

// Everything the runs are: the state that carries the simulation on, the
// current run with every row, and the earlier runs, each named by a RunId,
// oldest first, in up to kKept entries besides the current run's: an entry
// is a run of its own or every run of one sweep (EntryOf), kept, dropped and
// forgotten as a whole. Each run's figures and marks are measured once, when
// its rows change; the table, the chart, the comparison and the sound only
// read them. A row is held once, as numbers (ResponseTrace): its text is
// made when it is shown or copied.
class LabBook {
 public:
  static constexpr std::size_t kKept = 4;

  // The numbers are read and written as `numbers` has them, for the book's
  // whole life.
  explicit LabBook(NumberFormat numbers = {});

  const NumberFormat& Numbers() const { return numbers_; }
  const LoopState& State() const { return state_; }

  // A fresh simulation, as Compute begins one: the current run, if it has
  // rows, joins the kept ones (the oldest entry goes past kKept; without the
  // memory to keep it reduced, it goes unkept), the state is reset and the
  // transcript begins with its column names. During a sweep the new run is
  // one of the sweep's. Without `keep` the current run goes unkept, as a live
  // change's run gives way to the next one.
  BookChange Restart(bool keep = true);
  // The runs begun from here to EndSweep are one sweep of `field`; its id.
  RunId BeginSweep(RunField field);
  void EndSweep() { sweep_.reset(); }
  // A command's rows, under the gains, SP and options it read, and the state after
  // its last one, with what the command measured of them. False, with
  // everything as it was, when memory runs out: the rows and the state
  // always agree.
  bool Add(std::vector<ResponseSample> rows, const Gains& gains, const LoopState& after,
           const RowsWritten& written, BookChange& change, const LoopOptions& options = {},
           std::span<const double> truePv = {});

  // The current run: every row, shared with whatever copied rows of it.
  const ResponseTrace& Current() const { return *current_; }
  std::shared_ptr<const ResponseTrace> SharedCurrent() const { return current_; }
  RunId CurrentId() const { return currentId_; }
  const std::optional<StepFigures>& CurrentFigures() const { return figures_; }
  const std::vector<RunMark>& CurrentMarks() const { return marks_; }
  const ColumnRanges& CurrentRanges() const { return ranges_; }
  // The current run's terms' ranges over rows first..last-1 (first < last <=
  // Current().Size()), from summaries made when first asked for.
  TermRange CurrentTerms(std::size_t first, std::size_t last) const {
    return termRanges_.Over(*current_, first, last);
  }
  // The gains and SP of the current run's last command.
  Gains CurrentGains() const;
  RunSummary CurrentSummary() const;
  // Whether the transcript starts with the column names: since the first
  // Compute. A Continue before it writes rows alone.
  bool Headed() const { return headed_; }
  // The transcript's length as its text, CR LF as two: the column names and
  // every row.
  std::size_t TextBytes() const { return textBytes_; }

  const std::deque<KeptRun>& Kept() const { return kept_; }
  // The kept run of that id; none once it has gone.
  const KeptRun* FindKept(RunId id) const;
  // The kept run that came last, the one a new run is compared with.
  const KeptRun* LastKept() const { return kept_.empty() ? nullptr : &kept_.back(); }

  // "Forget earlier runs", and Delete on rows of the comparison: each kept
  // run named goes with every kept run of its entry.
  BookChange ForgetKept();
  BookChange ForgetKept(const std::vector<RunId>& ids);

  // Counts every change, so that what a view drew from the book can be
  // known stale.
  std::uint64_t Revision() const { return revision_; }

 private:
  void Measure();
  // Drops the oldest entries but the current run's past kKept others.
  void DropOldest(BookChange& change);

  NumberFormat numbers_;
  LoopState state_;
  std::shared_ptr<ResponseTrace> current_;
  RunId currentId_ = 1;
  RunId nextId_ = 2;
  std::optional<SweepTag> sweep_;         // the sweep under way
  std::optional<SweepTag> currentSweep_;  // the current run's
  std::optional<StepFigures> figures_;
  std::vector<RunMark> marks_;
  ColumnRanges ranges_;
  mutable TermRanges termRanges_;  // a cache of the current run's: it only grows
  bool headed_ = false;
  std::size_t textBytes_ = 0;
  std::deque<KeptRun> kept_;
  std::uint64_t revision_ = 0;
};

}  // namespace corvale
