#include "run_history.h"

#include <new>
#include <utility>

namespace corvale {

void RunHistory::Start() {
  if (current_.Size() == 0) return;
  try {
    kept_.push_back({CurrentSummary(), KeptSeries::OfPv(current_)});
    if (kept_.size() > kKept) kept_.pop_front();
  } catch (const std::bad_alloc&) {
    // The run goes unkept; the next one starts all the same.
  }
  ForgetCurrent();
}

bool RunHistory::Append(std::vector<ResponseSample> samples, const Gains& gains) {
  if (samples.empty()) return true;
  // The gains' room first: once the trace has the rows, nothing can fail.
  try {
    if (currentGains_.capacity() == currentGains_.size()) {
      currentGains_.reserve(2 * currentGains_.size() + 1);
    }
  } catch (const std::bad_alloc&) {
    return false;
  }
  if (!current_.Append(std::move(samples), gains.SP)) return false;
  currentGains_.push_back(gains);
  ++revision_;
  return true;
}

void RunHistory::ForgetCurrent() {
  if (current_.Size() == 0) return;
  // Assigned afresh rather than cleared, so that its memory goes back.
  current_ = ResponseTrace();
  currentGains_ = std::vector<Gains>();
  ++revision_;
}

RunSummary RunHistory::CurrentSummary() const {
  RunSummary summary;
  summary.gains = CurrentGains();
  summary.steps = static_cast<std::int64_t>(current_.Size());
  summary.setPoints = current_.Runs();
  summary.figures = MeasureStep(current_);
  summary.extent = current_.Extent();
  return summary;
}

void RunHistory::ForgetKept() {
  if (kept_.empty()) return;
  kept_.clear();
  ++revision_;
}

void RunHistory::ForgetKept(std::size_t index) {
  if (index >= kept_.size()) return;
  kept_.erase(kept_.begin() + static_cast<std::ptrdiff_t>(index));
  ++revision_;
}

}  // namespace corvale
