#pragma once

#include <cstddef>
#include <cstdint>

namespace corvale {

// Steps first..last of a run, both shown; {0, 0} stands for the whole run,
// however long it has grown.
struct StepRange {
  std::size_t first = 0;
  std::size_t last = 0;

  bool Whole() const { return first == 0; }
  bool operator==(const StepRange&) const = default;
};

// A range as it is drawn on an axis of a run of `rows` (2 or more) steps:
// the whole run for {}; within 1..rows, and at least two steps, else.
StepRange ShownSteps(StepRange range, std::size_t rows);

// The steps the chart shows of the current run, 1..rows: the whole run, or
// a stretch of it zoomed into and panned along, never narrower than a few
// steps. A new run is shown whole; a Continue that lengthens a run shown
// whole shows it whole still, and a stretch zoomed into stays where it was.
// Each change says whether the steps shown changed.
class StepWindow {
 public:
  static constexpr std::size_t kLeastSteps = 5;

  std::size_t Rows() const { return rows_; }
  bool Whole() const { return whole_; }
  // The first and the last step shown; 1 and 0 in a run without rows.
  std::size_t First() const { return whole_ ? 1 : first_; }
  std::size_t Last() const { return whole_ ? rows_ : last_; }
  std::size_t Count() const { return Last() + 1 - First(); }
  bool Shows(std::size_t step) const { return step >= First() && step <= Last(); }
  // As the chart draws it: the whole run however it grows, or the stretch.
  StepRange Range() const { return whole_ ? StepRange{} : StepRange{first_, last_}; }

  // `factor` times closer (below 1, farther), the step `around` (a step
  // or a place between two) kept where it stands on the axis.
  bool Zoom(double factor, double around);
  // Along the run by a fraction of the steps shown, later for a positive one;
  // at least a step.
  bool Pan(double fraction);
  // The same width from step `first` on, as far as the run goes.
  bool PanTo(std::int64_t first);
  // A step outside the stretch brought to its nearer end, its width kept.
  bool Follow(std::size_t step);
  // Steps first..last as far as the run has them; the whole run for {}.
  bool Show(StepRange range);

  void NewRun(std::size_t rows);
  void Continue(std::size_t rows);

 private:
  // first..last, made at least kLeastSteps wide and moved into the run.
  bool Set(std::int64_t first, std::int64_t last);

  std::size_t rows_ = 0;
  std::size_t first_ = 1, last_ = 0;  // while zoomed
  bool whole_ = true;
};

}  // namespace corvale
