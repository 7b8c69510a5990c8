#pragma once

#include <QPainter>
#include <QString>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "labbook/column_split.h"
#include "labbook/lab_book.h"
#include "labbook/term_ranges.h"
#include "window/chart/chart_frame.h"
#include "window/chart/chart_report.h"

namespace corvale {

// The current run's terms in the plot's pixel columns, kept from one drawing
// to the next while the runs and the columns stay the same, as its PV's are.
struct TermColumns {
  std::uint64_t revision = UINT64_MAX;
  std::size_t rows = 0;
  double begin = 0, end = 0;
  std::size_t columns = 0;
  std::array<std::vector<ColumnRange>, kTerms> terms;
  std::array<bool, kTerms> made{};
};

// The controller's terms, each chosen one in a panel of its own under X's:
// the current run's in its colour over each kept run's in theirs, so that
// what P, I or D did in each tuning is seen beside what PV did.
class ChartTerms {
 public:
  ChartTerms(const LabBook& book, const ChartFrame& frame, const std::vector<std::size_t>& looks,
             TermColumns* cache);

  // What each term's axis must cover, for the runs up to the step axis' last
  // step: every run's values of it, and 0.
  static std::vector<std::pair<Term, ValueRange>> Extents(const LabBook& book,
                                                          const std::vector<Term>& terms,
                                                          double lastStep, std::size_t columns);
  // The term's name, as its panel's title and the legend write it.
  static QString Name(Term term);

  void Draw(QPainter& painter, ChartReport& report) const;

 private:
  const std::vector<ColumnRange>& Columns(Term term) const;

  const LabBook& book_;
  const ChartFrame& frame_;
  const std::vector<std::size_t>& looks_;
  TermColumns* cache_;
  mutable TermColumns own_;  // where there is no cache
};

}  // namespace corvale
