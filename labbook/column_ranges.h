#pragma once

#include <array>
#include <limits>

#include "labbook/response_trace.h"
#include "simulation/step.h"
#include "simulation/transcript.h"

namespace corvale {

// The smallest and the largest value of each of a run's value columns, kept
// as its rows are written: a value's text grows with its integer digits and
// its sign, so the table sizes each column to these two alone.
struct ColumnRanges {
  static constexpr std::size_t kValueColumns = kColumns - 1;  // all but the step
  static constexpr double kInf = std::numeric_limits<double>::infinity();
  std::array<ValueRange, kValueColumns> columns = Empty();

  static std::array<ValueRange, kValueColumns> Empty() {
    std::array<ValueRange, kValueColumns> empty;
    empty.fill({kInf, -kInf});
    return empty;
  }
  bool IsEmpty() const { return columns[0].low > columns[0].high; }

  void Take(const StepRecord& r) {
    const auto values = ColumnValues(r);
    for (std::size_t c = 0; c < kValueColumns; ++c) columns[c].Take({values[c], values[c]});
  }
  void Take(const ColumnRanges& other) {
    for (std::size_t c = 0; c < kValueColumns; ++c) columns[c].Take(other.columns[c]);
  }
};

// What a command measured of its rows as it wrote them.
struct RowsWritten {
  std::size_t textBytes = 0;  // as the transcript writes them, CR LF as two
  ColumnRanges ranges;
};

}  // namespace corvale
