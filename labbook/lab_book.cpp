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
  // An entry's runs stand together, the oldest entries first and the
  // current run's last: the oldest go from the front, an entry at a time.
  const RunId current = currentSweep_ ? currentSweep_->sweep : currentId_;
  std::size_t entries = 0;
  for (std::size_t i = 0; i < kept_.size(); ++i) {
    const RunId entry = EntryOf(kept_[i]);
    if (entry != current && (i == 0 || EntryOf(kept_[i - 1]) != entry)) ++entries;
  }
  std::size_t runs = 0;  // those of the entries that go
  for (std::size_t gone = 0; gone + kKept < entries && runs < kept_.size(); ++gone) {
    const RunId entry = EntryOf(kept_[runs]);
    while (runs < kept_.size() && EntryOf(kept_[runs]) == entry) ++runs;
  }
  try {
    change.dropped.reserve(change.dropped.size() + runs);
  } catch (const std::bad_alloc&) {
    return;  // kept a while longer: one entry more, for want of a few bytes
  }
  for (; runs > 0; --runs) {
    change.dropped.push_back(kept_.front().id);
    kept_.pop_front();
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
