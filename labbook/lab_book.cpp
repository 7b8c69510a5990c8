#include "labbook/lab_book.h"

#include <algorithm>
#include <new>
#include <utility>

#include "simulation/transcript.h"

namespace corvale {

BookChange& BookChange::operator+=(const BookChange& later) {
  if (later.newRun) {
    newRun = true;
    firstRow = later.firstRow;
    rowsAdded = later.rowsAdded;
  } else if (later.rowsAdded > 0) {
    if (rowsAdded == 0) firstRow = later.firstRow;
    rowsAdded += later.rowsAdded;
  }
  keptChanged = keptChanged || later.keptChanged;
  dropped.insert(dropped.end(), later.dropped.begin(), later.dropped.end());
  return *this;
}

LabBook::LabBook(NumberFormat numbers)
    : numbers_(std::move(numbers)), current_(std::make_shared<ResponseTrace>()) {}

BookChange LabBook::Restart(bool keep) {
  // Made afresh rather than cleared: a copy of its rows may still hold the
  // old one, and its memory goes back once nothing does. Made first, so that
  // without the memory for it nothing has changed.
  auto fresh = std::make_shared<ResponseTrace>();
  BookChange change;
  change.newRun = true;
  if (keep && current_->Size() > 0) {
    try {
      // Its marks are the ones found on its every row, but X's limits: its X
      // is not kept.
      KeptRun kept{currentId_, CurrentSummary(), KeptSeries::OfPv(*current_),
                   KeptSeries::OfTerms(*current_), marks_};
      std::erase_if(kept.marks, [](const RunMark& mark) { return mark.limit != Limit::None; });
      kept_.push_back(std::move(kept));
      change.keptChanged = true;
    } catch (const std::bad_alloc&) {
      // The run goes unkept; the next one starts all the same.
    }
  }
  current_ = std::move(fresh);
  currentId_ = nextId_++;
  currentSweep_ = sweep_;
  DropOldest(change);
  figures_.reset();
  marks_ = {};
  ranges_ = {};
  termRanges_.Forget();
  ResetState(state_);
  headed_ = true;
  textBytes_ = HeaderText().size();
  ++revision_;
  return change;
}

RunId LabBook::BeginSweep(RunField field) {
  sweep_ = SweepTag{nextId_++, field};
  return sweep_->sweep;
}

void LabBook::DropOldest(BookChange& change) {
  const RunId current = currentSweep_ ? currentSweep_->sweep : currentId_;
  std::vector<RunId> entries;  // the others, oldest first
  for (const KeptRun& run : kept_) {
    const RunId entry = EntryOf(run);
    if (entry != current && std::find(entries.begin(), entries.end(), entry) == entries.end())
      entries.push_back(entry);
  }
  for (std::size_t e = 0; e + kKept < entries.size(); ++e) {
    std::erase_if(kept_, [&](const KeptRun& run) {
      if (EntryOf(run) != entries[e]) return false;
      change.dropped.push_back(run.id);
      return true;
    });
  }
}

bool LabBook::Add(std::vector<ResponseSample> rows, const Gains& gains, const LoopState& after,
                  const RowsWritten& written, BookChange& change, const LoopOptions& options,
                  std::span<const double> truePv) {
  const std::size_t first = current_->Size();
  if (!rows.empty()) {
    const std::size_t added = rows.size();
    if (!current_->Append(std::move(rows), gains, options, truePv)) return false;
    if (change.rowsAdded == 0) change.firstRow = first;
    change.rowsAdded += added;
    textBytes_ += written.textBytes;
    ranges_.Take(written.ranges);
  }
  state_ = after;
  if (change.rowsAdded > 0) Measure();
  ++revision_;
  return true;
}

void LabBook::Measure() {
  figures_ = MeasureStep(*current_);
  try {
    marks_ = FindMarks(*current_, figures_);
  } catch (const std::bad_alloc&) {
    marks_ = {};  // a walk without stops, rather than none at all
  }
}

Gains LabBook::CurrentGains() const {
  const auto& runs = current_->Runs();
  return runs.empty() ? Gains{} : runs.back().gains;
}

RunSummary LabBook::CurrentSummary() const {
  RunSummary summary;
  summary.gains = CurrentGains();
  if (!current_->Runs().empty()) summary.options = current_->Runs().back().options;
  summary.steps = static_cast<std::int64_t>(current_->Size());
  summary.setPoints = current_->Runs();
  summary.figures = figures_;
  summary.extent = current_->Extent();
  summary.sweep = currentSweep_;
  return summary;
}

const KeptRun* LabBook::FindKept(RunId id) const {
  const auto found =
      std::find_if(kept_.begin(), kept_.end(), [id](const KeptRun& run) { return run.id == id; });
  return found == kept_.end() ? nullptr : &*found;
}

BookChange LabBook::ForgetKept() {
  BookChange change;
  for (const KeptRun& run : kept_) change.dropped.push_back(run.id);
  change.keptChanged = !kept_.empty();
  kept_.clear();
  ++revision_;
  return change;
}

BookChange LabBook::ForgetKept(const std::vector<RunId>& ids) {
  BookChange change;
  std::vector<RunId> entries;
  for (const RunId id : ids) {
    if (const KeptRun* run = FindKept(id)) entries.push_back(EntryOf(*run));
  }
  std::erase_if(kept_, [&](const KeptRun& run) {
    if (std::find(entries.begin(), entries.end(), EntryOf(run)) == entries.end()) return false;
    change.dropped.push_back(run.id);
    return true;
  });
  if (!change.dropped.empty()) {
    change.keptChanged = true;
    ++revision_;
  }
  return change;
}

}  // namespace corvale
