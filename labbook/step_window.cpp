#include "labbook/step_window.h"

#include <algorithm>
#include <cmath>

namespace corvale {

StepRange ShownSteps(StepRange range, std::size_t rows) {
  if (range.Whole() || rows < 2) return {1, std::max<std::size_t>(rows, 1)};
  const std::size_t last = std::clamp<std::size_t>(range.last, 2, rows);
  return {std::clamp<std::size_t>(range.first, 1, last - 1), last};
}

bool StepWindow::Set(std::int64_t first, std::int64_t last) {
  const auto rows = static_cast<std::int64_t>(rows_);
  const auto least = std::min<std::int64_t>(static_cast<std::int64_t>(kLeastSteps), rows);
  std::int64_t count = std::clamp<std::int64_t>(last - first + 1, least, rows);
  // Moved, not cut, at the run's ends: the width asked for stays.
  first = std::clamp<std::int64_t>(first, 1, std::max<std::int64_t>(rows - count + 1, 1));
  const StepRange before = Range();
  whole_ = count >= rows;
  first_ = whole_ ? 1 : static_cast<std::size_t>(first);
  last_ = whole_ ? rows_ : static_cast<std::size_t>(first + count - 1);
  return Range() != before;
}

bool StepWindow::Zoom(double factor, double around) {
  if (!(factor > 0) || !std::isfinite(factor) || factor == 1 || rows_ <= kLeastSteps) return false;
  if (!std::isfinite(around)) return false;
  const auto count = static_cast<double>(Count());
  double wanted = std::round(count / factor);
  // Each zoom does something, however small the factor or the stretch.
  if (factor > 1) wanted = std::min(wanted, count - 1);
  if (factor < 1) wanted = std::max(wanted, count + 1);
  wanted = std::clamp(wanted, static_cast<double>(kLeastSteps), static_cast<double>(rows_));
  const double first = static_cast<double>(First()), span = count - 1;
  const double at = span > 0 ? std::clamp((around - first) / span, 0.0, 1.0) : 0.5;
  const double from = std::round(around - at * (wanted - 1));
  const auto begin = static_cast<std::int64_t>(std::clamp(from, -1e15, 1e15));
  return Set(begin, begin + static_cast<std::int64_t>(wanted) - 1);
}

bool StepWindow::Pan(double fraction) {
  if (whole_ || !std::isfinite(fraction) || fraction == 0) return false;
  const double by = std::round(fraction * static_cast<double>(Count()));
  const double shift = by != 0 ? by : fraction > 0 ? 1 : -1;
  return PanTo(static_cast<std::int64_t>(First()) +
               static_cast<std::int64_t>(std::clamp(shift, -1e15, 1e15)));
}

bool StepWindow::PanTo(std::int64_t first) {
  if (whole_) return false;
  return Set(first, first + static_cast<std::int64_t>(Count()) - 1);
}

bool StepWindow::Follow(std::size_t step) {
  if (whole_ || step == 0 || step > rows_ || Shows(step)) return false;
  const auto at = static_cast<std::int64_t>(step);
  const auto count = static_cast<std::int64_t>(Count());
  return Set(step < first_ ? at : at - count + 1, step < first_ ? at + count - 1 : at);
}

bool StepWindow::Show(StepRange range) {
  if (!range.Whole())
    return Set(static_cast<std::int64_t>(range.first), static_cast<std::int64_t>(range.last));
  const bool was = whole_;
  whole_ = true;
  return !was;
}

void StepWindow::NewRun(std::size_t rows) {
  rows_ = rows;
  whole_ = true;
}

void StepWindow::Continue(std::size_t rows) {
  rows_ = rows;
  // A stretch of a run that somehow lost rows keeps within it.
  if (!whole_) Set(static_cast<std::int64_t>(first_), static_cast<std::int64_t>(last_));
}

}  // namespace corvale
